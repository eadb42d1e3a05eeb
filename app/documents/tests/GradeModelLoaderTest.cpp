// Morvane program documents tests.
// Grade models by kind: the linked AAMA model and plug-ins loaded once, freed in order at exit.
#include "app/documents/GradeModelKind.h"
#include "app/documents/GradeModelLoader.h"
#include "app/documents/ProgramLibraries.h"

#include "ExpectThrowMessage.h"
#include "LanguageFolder.h"
#include "PluginLog.h"
#include "SourcePath.h"
#include "TemporaryFolder.h"
#include "lang/LanguageLibrary.h"
#include "model/MorvaneException.h"
#include "sources/grade-model/IGradeModel.h"

#include <gtest/gtest.h>

namespace {

using Events = std::vector<std::string>;

// The test plug-ins are built into "plugins" beside this test program.
const std::filesystem::path kPluginFolder =
    std::filesystem::read_symlink("/proc/self/exe").parent_path() / "plugins";

/// The loader looks in the test plug-ins' folder; every test starts with no library loaded and
/// an empty log, and frees what it loaded.
class GradeModelLoaderTest : public ::testing::Test
{
protected:
    GradeModelLoaderTest()
    {
        SetGradeModelPluginFolder(kPluginFolder);
        testplugins::Events().clear();
    }
    ~GradeModelLoaderTest() override
    {
        FreeGradeModelLibraries();
        testplugins::SetUnloadHook({});
        SetGradeModelSavePathProvider({});
    }

    /// A model of kind, which the test must release; fails the test when none comes.
    IGradeModel *model(int kind)
    {
        IGradeModel *made = nullptr;
        EXPECT_TRUE(GetGradeModel(kind, &made)) << GetGradeModelLoadError();
        return made;
    }
};

} // namespace

TEST_F(GradeModelLoaderTest, KindsWithoutALoaderGiveNoModelAndTouchNoLibrary)
{
    for (const int kind : {int(GMK_NONE), int(GMK_CLIENT_MODEL), 6, -1}) {
        SCOPED_TRACE(kind);
        int somewhere = 0;
        IGradeModel *made = reinterpret_cast<IGradeModel *>(&somewhere);
        EXPECT_FALSE(GetGradeModel(kind, &made));
        EXPECT_EQ(made, nullptr);
        EXPECT_NE(GetGradeModelLoadError().find("kind " + std::to_string(kind)),
                  std::string::npos);
    }
    EXPECT_EQ(testplugins::Events(), Events{});
}

TEST_F(GradeModelLoaderTest, APluginLoadsAtItsFirstRequestOnlyAndStaysUntilFreed)
{
    IGradeModel *first = model(GMK_MASK_FILES);
    IGradeModel *second = model(GMK_MASK_FILES);
    ASSERT_NE(second, first);
    std::string name;
    second->GetName(name);
    EXPECT_EQ(name, "ostrel");
    ReleaseGradeModel(GMK_MASK_FILES, first);
    ReleaseGradeModel(GMK_MASK_FILES, second);
    EXPECT_EQ(testplugins::Events(), (Events{"load ostrel", "make ostrel", "make ostrel",
                                             "release ostrel", "release ostrel"}));

    FreeGradeModelLibraries();
    FreeGradeModelLibraries();
    EXPECT_EQ(testplugins::Events().back(), "unload ostrel");
    EXPECT_EQ(testplugins::Events().size(), 6u);
}

TEST_F(GradeModelLoaderTest, AFailedLoadLeavesTheOtherLibrariesAndIsTriedAgainLater)
{
    ReleaseGradeModel(GMK_MASK_FILES, model(GMK_MASK_FILES));
    const TemporaryFolder empty("morvane-no-plugins");
    SetGradeModelPluginFolder(empty.path());

    IGradeModel *made = nullptr;
    EXPECT_FALSE(GetGradeModel(GMK_MODEL_FILES, &made));
    EXPECT_EQ(made, nullptr);
    EXPECT_NE(GetGradeModelLoadError().find("libwendrake.so"), std::string::npos);
    ReleaseGradeModel(GMK_MASK_FILES, model(GMK_MASK_FILES));

    SetGradeModelPluginFolder(kPluginFolder);
    ReleaseGradeModel(GMK_MODEL_FILES, model(GMK_MODEL_FILES));
    EXPECT_EQ(testplugins::Events(),
              (Events{"load ostrel", "make ostrel", "release ostrel", "make ostrel",
                      "release ostrel", "load wendrake", "make wendrake", "release wendrake"}));
}

TEST_F(GradeModelLoaderTest, ALibraryWithoutItsFactoryGivesNoModelAndStaysLoaded)
{
    IGradeModel *made = nullptr;
    EXPECT_FALSE(GetGradeModel(GMK_CLIENT_PROGRAM, &made));
    EXPECT_FALSE(GetGradeModel(GMK_CLIENT_PROGRAM, &made));
    EXPECT_EQ(made, nullptr);
    EXPECT_EQ(GetGradeModelLoadError(), "libwendrakewrapper.so: the factory "
                                        "CMdlGradeModelWrapperFactory_Make is missing");
    EXPECT_EQ(testplugins::Events(), Events{"load wendrakewrapper"});
}

TEST_F(GradeModelLoaderTest, TheLibrariesAreFreedModelFilesFirstAndMaskFilesLast)
{
    ReleaseGradeModel(GMK_MASK_FILES, model(GMK_MASK_FILES));
    IGradeModel *none = nullptr;
    GetGradeModel(GMK_CLIENT_PROGRAM, &none);
    ReleaseGradeModel(GMK_MODEL_FILES, model(GMK_MODEL_FILES));
    testplugins::Events().clear();

    FreeGradeModelLibraries();

    EXPECT_EQ(testplugins::Events(),
              (Events{"unload wendrake", "unload wendrakewrapper", "unload ostrel"}));
}

TEST_F(GradeModelLoaderTest, ReleasingChecksTheCodeOfTheLoadersKindsOnly)
{
    IGradeModel *failing = model(GMK_MASK_FILES);
    failing->Initialize("release 8");
    EXPECT_THROW_MSG(ReleaseGradeModel(GMK_MASK_FILES, failing), CMorvaneException,
                     "GM_UNEXPECTED_INTERNAL_ERROR");
    IGradeModel *missingFile = model(GMK_MASK_FILES);
    missingFile->Initialize("release 1");
    CheckGradeModelError(GMK_MASK_FILES, missingFile);
    EXPECT_EQ(testplugins::Events().back(), "release ostrel");

    // The client grade model is the document's: a kind-5 release leaves it alone.
    IGradeModel *kept = model(GMK_MASK_FILES);
    ReleaseGradeModel(GMK_CLIENT_MODEL, kept);
    ReleaseGradeModel(GMK_NONE, kept);
    ReleaseGradeModel(GMK_MASK_FILES, nullptr);
    EXPECT_EQ(testplugins::Events().back(), "make ostrel");
    ReleaseGradeModel(GMK_MASK_FILES, kept);
}

TEST_F(GradeModelLoaderTest, TheAamaModelAsksTheInstalledChooserWhereToSave)
{
    std::vector<std::string> asked;
    SetGradeModelSavePathProvider([&asked](const morvane::SaveFileRequest &request) {
        asked.push_back(request.defaultExtension);
        return std::optional<std::filesystem::path>();
    });
    IGradeModel *aama = model(GMK_AAMA);
    EXPECT_EQ(aama->Load(sourcePath("sources/aama-model/tests/data/shirt.dxf").string()),
              GM_NO_ERROR);

    EXPECT_EQ(aama->Save(), GM_NO_ERROR);

    EXPECT_EQ(asked, std::vector<std::string>{"dxf"});
    ReleaseGradeModel(GMK_AAMA, aama);
    EXPECT_EQ(testplugins::Events(), Events{});
}

TEST_F(GradeModelLoaderTest, TheProgramsExitFreesThePluginsBeforeTheLanguageLibrary)
{
    CLanguageLibrary language;
    ASSERT_TRUE(language.LoadLanguageLibrary(languageFolder(), ""));
    ReleaseGradeModel(GMK_MASK_FILES, model(GMK_MASK_FILES));
    std::vector<bool> languageLoaded;
    testplugins::SetUnloadHook([&languageLoaded](const std::string &) {
        languageLoaded.push_back(CLanguageLibrary::GetCurrent() != nullptr);
    });

    FreeProgramLibraries(language);

    EXPECT_EQ(languageLoaded, std::vector<bool>{true});
    EXPECT_FALSE(language.IsLoaded());
}
