// Morvane interactive tasks.
// "SelectPatternPointTask": the step of picking a point of a pattern that many tools nest.
#pragma once

#include "app/taskdefs/ChartDeclaration.h"
#include "tasks/ITaskDefinition.h"

#include <cstdint>

/// "SelectPatternPointTask": each move finds what lies under the pointer ("FindFocusObject"). A
/// click on a pattern's line makes it active and keeps picking; a click on a point makes it
/// active and ends the task (at once when it is active already); a click on anything else ends
/// the task only while the caller's "bFreeSpace" is on. The caller reads the picked point from
/// the active object. Message line 0 tells what a click would do.
class CSelectPatternPointTask : public ITaskDefinition
{
public:
    /// The prompts over a line and over a point.
    static constexpr uint32_t kOverLinePrompt = 61216;
    static constexpr uint32_t kOverPointPrompt = 61217;

    static const morvane::ChartDeclaration &Chart();

    void Define(ITask *task) override;
    /// Message line 0: the prompt of "OverOtherPiece" or "OverPolyPoint" (names compared
    /// exactly), empty for any other state.
    void OnStateEnter(ITask *task, const std::string &stateName, int index) override;
};
