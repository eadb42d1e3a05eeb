// Morvane interactive tasks.
// A command that needs another command's work runs that command by name, inline.
#pragma once

#include <string>

class ITask;

namespace morvane {

/// Runs the command registered under that name with the task's manager, as a run of its own
/// for the task with the data (not a chart's transition: its enabled test is not asked).
/// Answers its result; false when no command of that name is registered.
bool runRegisteredCommand(ITask *task, const std::string &name, void *data);

} // namespace morvane
