// Morvane program task definitions.
// The base of the tools with focus rules: their focus search, enter and leave hooks and prompts.
#pragma once

#include "app/interaction/FocusShapeSet.h"
#include "model/GradeSize.h"
#include "tasks/ITaskDefinition.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

class IMaskDocumentAccess;

namespace morvane {

/// One row of a tool's focus-rule table, in the columns of CFocusFilterList::AddFilter.
struct FocusRule
{
    int32_t objectKind = 0;
    int32_t detailKind = 0;
    int32_t tolerance = 0;
    int32_t snapTolerance = 0;
    int32_t membership = 0;
    int32_t source = 0;
    int32_t pointMode = 0;
    GradeSizeKey size;
};

/// The prompt of a state: the language library's string shown on message line 0 while the
/// state is current. A state is matched by its name, or by its number when the name is empty.
struct StatePrompt
{
    std::string state;
    int number = -1;
    uint32_t stringId = 0;
};

/// What a tool's standard enter hook sets while the tool runs.
struct FocusToolSettings
{
    /// The main task's "EditToolMode" while the tool runs.
    int editToolMode = 1;
    /// The main task's "nSnapMode" while the tool runs; kept as it is when none.
    std::optional<int> snapMode;
    /// The mask document's focus types while the tool runs, in order.
    std::vector<int> focusTypes;
    /// A multiple selection holding mask patterns gives way to its first mask pattern.
    bool activateSelectedPattern = false;
    std::vector<FocusRule> rules;
    std::vector<StatePrompt> prompts;
};

} // namespace morvane

/// The base of the task templates with focus rules. It embeds the tool's focus search
/// (GetShapeSet), whose address the tool's variable "pFocusManager" holds while the tool runs
/// (Define declares it with DeclareFocusVariable), and gives the standard hooks:
/// - enter (OnEnter): takes the main document from the task manager's data object (an
///   IDocumentServices) and its active mask document; hands both to the shape set; activates
///   the selected pattern when the settings say so; saves the main task's snap mode in the
///   template (shared by all instances); sets "EditToolMode"; empties the mask document's item
///   list and focus types and adds the tool's; sets "nSnapMode"; publishes the shape set in
///   "pFocusManager"; installs the focus rules (AddFocusRules) and rebuilds the candidates;
/// - leave (OnExit): "nSnapMode" back to the saved value, "EditToolMode" 0;
/// - state entered (OnStateEnter), for a tool with prompts: the state's prompt (GetPromptText)
///   on message line 0 of the main document, written only when the line holds another text.
/// Without an active mask document the enter hook does nothing.
class CFocusTaskDefinition : public ITaskDefinition
{
public:
    explicit CFocusTaskDefinition(morvane::FocusToolSettings settings);
    ~CFocusTaskDefinition() override;

    void OnEnter(ITask *task) override;
    void OnExit(ITask *task) override;
    void OnStateEnter(ITask *task, const std::string &stateName, int index) override;

    CFocusShapeSet &GetShapeSet() { return m_oShapeSet; }
    /// The snap mode in force when an instance was last entered.
    int GetSavedSnapMode() const { return m_nSavedSnapMode; }
    const morvane::FocusToolSettings &GetSettings() const { return m_oSettings; }

protected:
    /// Declares "pFocusManager" with "0", read-only for sub-tasks; for Define.
    static void DeclareFocusVariable(ITask *task);
    /// The first steps of the enter hook: the shape set's owners; false without a mask
    /// document.
    bool AttachShapeSet(ITask *task);
    /// Writes the shape set's address into the task's "pFocusManager".
    void PublishShapeSet(ITask *task);
    /// The set published in "pFocusManager": its rules replaced by AddFocusRules, then its
    /// candidates rebuilt.
    void InstallFocusRules(ITask *task);
    /// Adds the settings' rules, in order; a tool whose rules depend on the state of the mask
    /// overrides it.
    virtual void AddFocusRules(CFocusFilterList &rules);
    /// The text of the state's prompt: the settings' prompt string, empty when the state has
    /// none; a tool that formats its prompts overrides it.
    virtual std::string GetPromptText(ITask *task, const std::string &stateName, int index);

private:
    morvane::FocusToolSettings m_oSettings;
    CFocusShapeSet m_oShapeSet;
    int m_nSavedSnapMode = 0;
};
