// Morvane interactive tasks.
// The check of a formula name the user typed into a formula dialog.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

class IBaseFormula;
class IDocumentServices;

namespace morvane {

/// What is wrong with a typed name: the message text's id and the text filled into it; no id
/// when the name may be taken. The name is the typed one trimmed and lower-cased, as formulas
/// keep their names.
struct EnteredNameCheck
{
    uint32_t messageId = 0;
    std::string argument;
    std::string name;

    bool isValid() const { return messageId == 0; }
};

/// Checks the typed name for the formula whose name is ownName, the mask's formulas having the
/// names given (one per formula, the formula's own among them when it is in the mask): empty
/// (61414), a character that formula text reads otherwise (61415 with it), or the name of
/// another formula, letters compared without regard to case (61416 with the name). The formula
/// may keep its own name.
EnteredNameCheck CheckEnteredName(const std::string &typed, const std::string &ownName,
                                  const std::vector<std::string> &formulaNames);

/// CheckEnteredName for the formula (null: a formula not made yet, without a name) among the
/// active mask's formulas; a refusal is shown as a stop message. Answers whether the name may
/// be taken.
bool ValidateEnteredName(IBaseFormula *formula, IDocumentServices &services,
                         const std::string &typed);

} // namespace morvane
