// Morvane main window, view and interaction, tests.
// The program's options: their declarations and defaults, the options file and the dialog.
#include "app/ui/options/DirectoriesPage.h"
#include "app/ui/options/Options.h"

#include "platform/larkweft/OptionDialog.h"

#include "foundation/EventSink.h"

#include "LanguageFolder.h"
#include "TemporaryFolder.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>

#include <fstream>

#include <gtest/gtest.h>

namespace {

struct OptionCase
{
    const char *section;
    const char *key;
    const char *defaultText;
};

// Every option in declaration order, which is also the order of the options file.
constexpr OptionCase kOptionCases[] = {
    {"COLORS", "BKGRDWORKAREA", "16777215"},
    {"COLORS", "BKGRDREGION", "16777194"},
    {"COLORS", "BKGRDREGION2", "16702155"},
    {"COLORS", "BKGRDREGION3", "16707535"},
    {"COLORS", "BKGRDREGION4", "16777194"},
    {"COLORS", "BKGRDREGIONEXCLUDE", "16777215"},
    {"COLORS", "BKGRDREGIONONLY", "15399423"},
    {"COLORS", "SHOW_BKGRDREGION", "1"},
    {"COLORS", "FORMULA_DIRECTION", "33023"},
    {"COLORS", "SHOW_FORMULA_DIRECTION", "1"},
    {"COLORS", "REGIONBORDER", "32768"},
    {"COLORS", "SHOW_REGION_BORDER", "1"},
    {"COLORS", "REGIONBASELINE", "32768"},
    {"COLORS", "SHOW_REGION_BASE_LINE", "1"},
    {"COLORS", "PIECELINES", "0"},
    {"COLORS", "PIECEMARKERS", "128"},
    {"COLORS", "PIECENOTCHES", "8388608"},
    {"COLORS", "PIECEFOCUSPOINT", "128"},
    {"COLORS", "SELECTEDSUBOBJECTS", "33023"},
    {"COLORS", "SELECTEDOBJECTS", "196"},
    {"COLORS", "COLBOX_PIECE_MASK", "13027014"},
    {"COLORS", "ORIGSIZES", "255"},
    {"COLORS", "DISABLEDSIZES", "16761024"},
    {"COLORS", "MEASURENAMES", "12648384"},
    {"COLORS", "MEASURECOMMENTS", "12648384"},
    {"COLORS", "SHOW_GRADE_POINTS", "1"},
    {"GLOBAL", "DB_FILE_NAME", ""},
    {"GLOBAL", "MASK_FILES_PATH", ""},
    {"GLOBAL", "IMAGES_FILE_PATH", ""},
    {"GLOBAL", "INPUT_PATTERN_FILES_PATH", ""},
    {"GLOBAL", "INPUT_TABLESET_FILES_PATH", ""},
    {"GLOBAL", "INPUT_MEASUREMENT_IMAGE_FILES_PATH", ""},
    {"GLOBAL", "GRADE_PROPORTIONAL_POINTS", "1"},
    {"GLOBAL", "SINGLEPOLYLINEPOINTS", "1"},
    {"GLOBAL", "INTERPOLATE_MARK_POINTS", "0"},
    {"GLOBAL", "INTERPOLATE_INTERNAL_LINE_POINTS", "0"},
    {"GLOBAL", "MASK_FILES_ININPUT_DIR", "1"},
    {"GLOBAL", "TABLES_FILES_ININPUT_DIR", "1"},
    {"GLOBAL", "DIRECTORIES_INI_FILE_NAME", ""},
    {"UNITS", "USER_UNITS", "0"},
    {"ASSOCIATIONS", "SHIFT_MATCH_MM", "100"},
    {"ASSOCIATIONS", "SHIFT_FACTOR", "0.5"},
    {"ASSOCIATIONS", "TANGENT_ANGLE_MATCH", "45"},
    {"ASSOCIATIONS", "CORNER_ANGLE_MATCH", "60"},
    {"ASSOCIATIONS", "CORNER_FACTOR", "0.5"},
    {"ASSOCIATIONS", "LOCAL_MATCH_AREA", "10"},
    {"ASSOCIATIONS", "MAX_SIZE_DISSIMILARITY", "40"},
    {"ASSOCIATIONS", "SHOW_ASSOCIATION_DIALOG", "0"},
    {"ASSOCIATIONS", "NOTCH_NOTCH_MATCH", "0"},
    {"ASSOCIATIONS", "LOCAL_CONV", "0"},
    {"ASSOCIATIONS", "POINT_ASS_TYPE", "0"},
    {"ASSOCIATIONS", "SHOW_PATTERN_ASS_DLG", "0"},
    {"ASSOCIATIONS", "PATTERN_ASSOCIATION_TYPE", "0"},
    {"ASSOCIATIONS", "MAX_SHAPE_ERROR", "15"},
    {"ASSOCIATIONS", "MAX_SHAPE_ERROR_MULTI", "15"},
    {"FAVOURITES", "SEPARATE_TABLES", "1"},
    {"FAVOURITES", "RELATIVE_MODE", "0"},
    {"FAVOURITES", "AUTO_RECALC", "0"},
    {"FAVOURITES", "REPEAT_INTERACIVE_TOOLS", "1"},
    {"FAVOURITES", "REPEAT_ADD_REGION", "0"},
    {"FAVOURITES", "REPEAT_MOVE_VIEW", "0"},
    {"FAVOURITES", "REPEAT_ZOOM_RECTANGLE", "0"},
    {"FAVOURITES", "LOAD_LAST_WORKSPACE", "0"},
    {"FAVOURITES", "LOAD_LAST_CONTEXT", "0"},
    {"FAVOURITES", "START_EDIT_MODE", "0"},
    {"FAVOURITES", "START_WITH_MOVE_MODE", "1"},
    {"FAVOURITES", "SHOW_ONLY_SELECTION_GRADING", "0"},
};

/// Counts the announcements of changed options (kind 8, property 3).
class OptionsListener : public CEventSink
{
public:
    void OnAfterChange(EventData *data) override
    {
        if (data->m_nFirst == 3)
            ++m_nChanges;
    }

    int m_nChanges = 0;
};

class OptionsTest : public testing::Test
{
protected:
    void SetUp() override
    {
        setenv("XDG_CONFIG_HOME", m_folder.path().c_str(), 1);
        ASSERT_TRUE(m_language.LoadLanguageLibrary(languageFolder(), ""));
    }
    void TearDown() override
    {
        COptions::DeleteInstance();
        unsetenv("XDG_CONFIG_HOME");
    }

    std::filesystem::path optionsFile() const { return m_folder / "morvane" / "MORVANE.INI"; }

    static QWidget *control(COptionDialog &dialog, uint32_t id)
    {
        for (int i = 0; i < dialog.GetPageCount(); ++i) {
            if (QWidget *found = dialog.GetPage(i)->GetControl(id))
                return found;
        }
        ADD_FAILURE() << "no control " << id;
        return nullptr;
    }

    TemporaryFolder m_folder{"options"};
    CLanguageLibrary m_language;
};

} // namespace

TEST_F(OptionsTest, DeclaresEveryOptionWithItsDefaultAndAFreshStartWritesNothing)
{
    const auto &options = COptions::GetInstance()->GetOptions();
    ASSERT_EQ(options.size(), std::size(kOptionCases));
    for (size_t i = 0; i < options.size(); ++i) {
        const OptionCase &row = kOptionCases[i];
        SCOPED_TRACE(row.key);
        EXPECT_EQ(options[i]->GetBinding().m_sSection, row.section);
        EXPECT_EQ(options[i]->GetBinding().m_sKey, row.key);
        EXPECT_EQ(options[i]->ToText(), row.defaultText);
    }
    EXPECT_FALSE(std::filesystem::exists(optionsFile()));
}

TEST_F(OptionsTest, RegionColoursFollowTheNestingLevel)
{
    COptions *options = COptions::GetInstance();
    options->m_pBkgrdRegion4->SetValue(0x123456);
    EXPECT_EQ(options->GetRegionColour(-1), 0xFFFFEAu);
    EXPECT_EQ(options->GetRegionColour(1), 0xFEDACBu);
    EXPECT_EQ(options->GetRegionColour(2), 0xFEEFCFu);
    EXPECT_EQ(options->GetRegionColour(3), 0x123456u);
    EXPECT_EQ(options->GetRegionColour(7), 0x123456u);
    EXPECT_EQ(options->m_aPatternColours[0], 0x8080C4u);
    EXPECT_EQ(options->m_aPatternColours[15], 0x8000FFu);
}

TEST_F(OptionsTest, ADamagedFileGivesDefaultsAndIsReportedAndKept)
{
    std::filesystem::create_directories(optionsFile().parent_path());
    std::ofstream(optionsFile()) << "[UNITS]\nUSER_UNITS=centimetres\n";
    COptions *options = COptions::GetInstance();
    EXPECT_EQ(options->m_pUserUnits->GetValue(), 0);
    EXPECT_NE(options->GetLastError().find("USER_UNITS"), std::string::npos);
    EXPECT_TRUE(std::filesystem::exists(optionsFile().string() + ".damaged"));
}

TEST_F(OptionsTest, TheDialogShowsEveryPageAndReadsBackChangedControls)
{
    COptions *options = COptions::GetInstance();
    CEventHandler documentHandler;
    OptionsListener listener;
    documentHandler.AddListener(&listener);
    options->SetEventHandler(&documentHandler);

    const auto dialog = options->CreateOptionDialog();
    dialog->show();
    QStringList captions;
    for (int i = 0; i < dialog->GetPageCount(); ++i)
        captions << dialog->GetPage(i)->GetCaption();
    EXPECT_EQ(captions, (QStringList{"Directories", "Colours", "General", "Associations",
                                     "Favourites"}));

    qobject_cast<QCheckBox *>(control(*dialog, 4021))->setChecked(false);
    qobject_cast<QComboBox *>(control(*dialog, 4048))->setCurrentIndex(3);
    qobject_cast<QLineEdit *>(control(*dialog, 1218))->setText("22.5");
    qobject_cast<QLineEdit *>(control(*dialog, 4061))->setText("/srv/masks");
    dialog->GetPage(1)->SetControlText(4005, QString::number(0x00FF00));
    dialog->accept();

    EXPECT_FALSE(options->m_pShowFormulaDirection->GetValue());
    EXPECT_EQ(options->m_pUserUnits->GetValue(), 3);
    EXPECT_DOUBLE_EQ(options->m_pMaxShapeError->GetValue(), 22.5);
    EXPECT_EQ(options->m_pMaskFilesPath->GetValue(), "/srv/masks");
    EXPECT_EQ(options->m_pSelectedObjects->GetValue(), 0x00FF00);
    EXPECT_EQ(listener.m_nChanges, 1);

    QSettings written(QString::fromStdString(optionsFile().string()), QSettings::IniFormat);
    EXPECT_EQ(written.value("UNITS/USER_UNITS").toString(), "3");
    EXPECT_EQ(written.value("ASSOCIATIONS/MAX_SHAPE_ERROR").toString(), "22.5");

    options->CreateOptionDialog()->accept();
    EXPECT_EQ(listener.m_nChanges, 1) << "no change, no announcement";
    documentHandler.RemoveListener(&listener);
}

TEST_F(OptionsTest, TheStartEditModeCheckBoxFollowsTheOwner)
{
    COptions *options = COptions::GetInstance();
    EXPECT_TRUE(control(*options->CreateOptionDialog(), 1128)->isEnabled());
    bool allowed = false;
    options->SetOwner([&allowed] { return allowed; });
    EXPECT_FALSE(control(*options->CreateOptionDialog(), 1128)->isEnabled());
    allowed = true;
    EXPECT_TRUE(control(*options->CreateOptionDialog(), 1128)->isEnabled());
}

TEST_F(OptionsTest, TheDirectoriesPageCopiesSavesAndLoadsFolders)
{
    COptions *options = COptions::GetInstance();
    const auto dialog = options->CreateOptionDialog();
    auto *page = qobject_cast<CDirectoriesPage *>(dialog->GetPage(0));
    ASSERT_NE(page, nullptr);

    page->SetControlText(4061, "/srv/masks");
    qobject_cast<QPushButton *>(page->GetControl(1225))->click();
    for (const uint32_t field : {4030u, 4031u, 4032u, 4033u})
        EXPECT_EQ(page->GetControlText(field), "/srv/masks") << field;

    const QString set = QString::fromStdString((m_folder / "spring.ini").string());
    QString error;
    page->SetControlText(4033, "/srv/images");
    ASSERT_TRUE(page->SaveDirectories(set, error)) << error.toStdString();
    QSettings saved(set, QSettings::IniFormat);
    EXPECT_EQ(saved.value("DIRECTORIES/IDC_EDIT_MASK_FILES_PATH").toString(), "/srv/masks");
    EXPECT_EQ(saved.value("DIRECTORIES/IDC_EDIT_MEASUREMENT_IMAGE_FILE_PATH").toString(),
              "/srv/images");
    EXPECT_EQ(options->m_pDirectoriesIniFileName->GetValue(), set.toStdString());
    EXPECT_EQ(options->m_pMaskFilesPath->GetValue(), "") << "the fields are taken only on OK";
    dialog->reject();
    QSettings remembered(QString::fromStdString(optionsFile().string()), QSettings::IniFormat);
    EXPECT_EQ(remembered.value("GLOBAL/DIRECTORIES_INI_FILE_NAME").toString(), set);

    const QString partial = QString::fromStdString((m_folder / "partial.ini").string());
    std::ofstream(partial.toStdString()) << "[DIRECTORIES]\nIDC_EDIT_IMAGES_FILE_PATH=/srv/pics\n";
    ASSERT_TRUE(page->LoadDirectories(partial, error)) << error.toStdString();
    EXPECT_EQ(page->GetControlText(4030), "/srv/pics");
    EXPECT_EQ(page->GetControlText(4061), "");

    EXPECT_FALSE(page->LoadDirectories(partial + ".missing", error));
    EXPECT_NE(error.indexOf("partial.ini.missing"), -1);
}
