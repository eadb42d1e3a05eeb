// Morvane program documents tests.
// What the test grade-model plug-ins tell the test: their loads, models and unloads, in order.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace testplugins {

/// Every event of the test plug-ins since the last Clear, as "<what> <plug-in>": "load ostrel",
/// "make ostrel", "unload ostrel". The log lives in a library of its own, so it outlasts the
/// plug-ins that write to it.
std::vector<std::string> &Events();
/// Called as a plug-in unloads, with its name (the test checks what is still there then).
void SetUnloadHook(std::function<void(const std::string &plugin)> hook);

/// Called by the plug-ins.
void Record(const std::string &what, const std::string &plugin);
void RecordUnload(const std::string &plugin);

} // namespace testplugins
