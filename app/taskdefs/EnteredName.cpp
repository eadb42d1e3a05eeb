// Morvane interactive tasks.
// The check of a formula name the user typed into a formula dialog.
#include "app/taskdefs/EnteredName.h"

#include "app/commands/StopMessage.h"
#include "app/documents/IDocumentServices.h"
#include "foundation/NameCompare.h"
#include "model/FormulaManager.h"
#include "model/GradeMask.h"

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

int formulasNamed(const IFormulaManager &formulas, const std::string &name)
{
    int count = 0;
    for (int i = 0; i < formulas.GetFormulaCount(); ++i)
        count += equalsNoCase(formulas.GetFormulaAt(i)->GetFormulaName(), name) ? 1 : 0;
    return count;
}

} // namespace

EnteredNameCheck CheckEnteredName(const std::string &typed, const std::string &ownName,
                                  const IFormulaManager *formulas)
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
    const int named = formulas != nullptr ? formulasNamed(*formulas, check.name) : 0;
    if (named > 1 || (named == 1 && !equalsNoCase(ownName, check.name))) {
        check.messageId = kNameTaken;
        check.argument = check.name;
    }
    return check;
}

bool ValidateEnteredName(IBaseFormula *formula, IDocumentServices &services,
                         const std::string &typed)
{
    IGradeMask *mask = services.GetActiveGradeMask();
    const EnteredNameCheck check =
        CheckEnteredName(typed, formula != nullptr ? formula->GetFormulaName() : std::string(),
                         mask != nullptr ? mask->GetFormulaManager() : nullptr);
    if (!check.isValid())
        showStopMessage(services, check.messageId, {check.argument});
    return check.isValid();
}

} // namespace morvane
