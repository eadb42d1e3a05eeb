// Morvane program documents tests.
// A grade-model plug-in for the loader's tests: an empty model, and a log of its life.
#include "PluginLog.h"
#include "app/documents/GradeModelPlugin.h"
#include "sources/grade-model/IGradeModel.h"

#include <string>

namespace {

/// A model without patterns. Initialize("release <code>") sets the code Release returns.
class TestGradeModel : public IGradeModel
{
public:
    GM_ERROR GetPatternCount(int &count) override
    {
        count = 0;
        return GM_NO_ERROR;
    }
    IGradePattern *GetPatternAt(int) override { return nullptr; }
    GM_ERROR Load(const std::string &) override { return GM_NO_ERROR; }
    GM_ERROR Save() override { return GM_NO_ERROR; }
    void OnAttach(IGradeData *) override {}
    GM_ERROR BeginGrading() override { return GM_NO_ERROR; }
    GM_ERROR EndGrading() override { return GM_NO_ERROR; }
    GM_ERROR Release() override
    {
        const GM_ERROR code = m_eReleaseCode;
        testplugins::Record("release", MORVANE_TEST_PLUGIN_NAME);
        delete this;
        return code;
    }
    GM_ERROR Initialize(const std::string &text) override
    {
        const std::string prefix = "release ";
        if (text.rfind(prefix, 0) == 0)
            m_eReleaseCode = static_cast<GM_ERROR>(std::stoi(text.substr(prefix.size())));
        return GM_NO_ERROR;
    }
    GM_ERROR GetName(std::string &name) override
    {
        name = MORVANE_TEST_PLUGIN_NAME;
        return GM_NO_ERROR;
    }

private:
    GM_ERROR m_eReleaseCode = GM_NO_ERROR;
};

__attribute__((constructor)) void onLoad()
{
    testplugins::Record("load", MORVANE_TEST_PLUGIN_NAME);
}

__attribute__((destructor)) void onUnload()
{
    testplugins::RecordUnload(MORVANE_TEST_PLUGIN_NAME);
}

} // namespace

extern "C" __attribute__((visibility("default"))) IGradeModel *MORVANE_TEST_PLUGIN_FACTORY()
{
    testplugins::Record("make", MORVANE_TEST_PLUGIN_NAME);
    return new TestGradeModel;
}
