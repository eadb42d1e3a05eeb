// Morvane interactive tasks.
// The check of a formula name the user typed into a formula dialog.
#include "app/taskdefs/EnteredName.h"

#include "app/commands/StopMessage.h"
#include "app/documents/IDocumentServices.h"
#include "foundation/NameCompare.h"
#include "model/FormulaManager.h"
#include "model/GradeMask.h"

#include <algorithm>
#include <string_view>

namespace morvane {

namespace {

constexpr uint32_t kEmptyName = 61414;
constexpr uint32_t kForbiddenCharacter = 61415;
constexpr uint32_t kNameTaken = 61416;
constexpr std::string_view kForbidden = "~!@#$^&{}|<>?'[]:+-*/%,() ";

std::string trimmed(const std::string &text)
{
    const size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

std::vector<std::string> formulaNames(IGradeMask *mask)
{
    std::vector<std::string> names;
    const IFormulaManager *formulas = mask != nullptr ? mask->GetFormulaManager() : nullptr;
    for (int i = 0; formulas != nullptr && i < formulas->GetFormulaCount(); ++i)
        names.push_back(formulas->GetFormulaAt(i)->GetFormulaName());
    return names;
}

} // namespace

EnteredNameCheck CheckEnteredName(const std::string &typed, const std::string &ownName,
                                  const std::vector<std::string> &names)
{
    EnteredNameCheck check;
    check.name = toLowerAscii(trimmed(typed));
    if (check.name.empty()) {
        check.messageId = kEmptyName;
        return check;
    }
    if (const size_t bad = check.name.find_first_of(kForbidden); bad != std::string::npos) {
        check.messageId = kForbiddenCharacter;
        check.argument = check.name.substr(bad, 1);
        return check;
    }
    const auto named = std::count_if(names.begin(), names.end(),
                                     [&](const std::string &name) {
                                         return equalsNoCase(name, check.name);
                                     });
    if (named > 1 || (named == 1 && !equalsNoCase(ownName, check.name))) {
        check.messageId = kNameTaken;
        check.argument = check.name;
    }
    return check;
}

bool ValidateEnteredName(IBaseFormula *formula, IDocumentServices &services,
                         const std::string &typed)
{
    const EnteredNameCheck check =
        CheckEnteredName(typed, formula != nullptr ? formula->GetFormulaName() : std::string(),
                         formulaNames(services.GetActiveGradeMask()));
    if (!check.isValid())
        showStopMessage(services, check.messageId, {check.argument});
    return check.isValid();
}

} // namespace morvane
