// Morvane program documents tests.
// What the test grade-model plug-ins tell the test: their loads, models and unloads, in order.
#include "PluginLog.h"

namespace testplugins {

namespace {

std::function<void(const std::string &)> &unloadHook()
{
    static std::function<void(const std::string &)> hook;
    return hook;
}

} // namespace

std::vector<std::string> &Events()
{
    static std::vector<std::string> events;
    return events;
}

void SetUnloadHook(std::function<void(const std::string &plugin)> hook)
{
    unloadHook() = std::move(hook);
}

void Record(const std::string &what, const std::string &plugin)
{
    Events().push_back(what + " " + plugin);
}

void RecordUnload(const std::string &plugin)
{
    Record("unload", plugin);
    if (unloadHook())
        unloadHook()(plugin);
}

} // namespace testplugins
