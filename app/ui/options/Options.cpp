// Morvane main window, view and interaction.
// The program's user options, kept in "MORVANE.INI", and the fixed palette of patterns.
#include "app/ui/options/Options.h"

#include "app/ui/options/DirectoriesPage.h"

#include "foundation/EventHandler.h"

#include <memory>

namespace {

std::unique_ptr<COptions> g_pInstance;

// The property id with which changed options are announced.
constexpr int32_t kOptionsChanged = 3;

// The second control of every colour option.
constexpr uint32_t kColourExtraId = 4013;

constexpr uint32_t kStartEditModeControl = 1128;

} // namespace

COptions *COptions::GetInstance()
{
    if (!g_pInstance)
        g_pInstance.reset(new COptions());
    return g_pInstance.get();
}

void COptions::DeleteInstance()
{
    g_pInstance.reset();
}

COptions::COptions()
    : CLarkweft("MORVANE.INI"),
      m_aPatternColours{0x8080C4, 0x408040, 0xC4A97B, 0xC000C0, 0x00C0C0, 0xC0C000,
                        0x7575D0, 0x40C040, 0x808080, 0xDDBE62, 0x4080FF, 0x80FF40,
                        0xC0C040, 0xC040C0, 0x40C0C0, 0x8000FF}
{
    AddPage([](CLarkweft &options, QWidget *parent) {
        return new CDirectoriesPage(options, parent);
    });
    for (const uint32_t templateId : {108u, 4020u, 4029u, 4031u})
        AddPage(templateId);

    DeclareColours();
    DeclareGlobal();
    DeclareUnits();
    DeclareAssociations();
    DeclareFavourites();
    LoadFromIni();
}

COptions::~COptions() = default;

void COptions::DeclareColours()
{
    SetSection("COLORS");
    AddColour("BKGRDWORKAREA", 0xFFFFFF, m_pBkgrdWorkArea, 4001);
    AddColour("BKGRDREGION", 0xFFFFEA, m_pBkgrdRegion, 4002);
    AddColour("BKGRDREGION2", 0xFEDACB, m_pBkgrdRegion2, 40014);
    AddColour("BKGRDREGION3", 0xFEEFCF, m_pBkgrdRegion3, 40015);
    AddColour("BKGRDREGION4", 0xFFFFEA, m_pBkgrdRegion4, 12041);
    AddColour("BKGRDREGIONEXCLUDE", 0xFFFFFF, m_pBkgrdRegionExclude, 4051);
    AddColour("BKGRDREGIONONLY", 0xEAF9FF, m_pBkgrdRegionOnly, 4052);
    AddCheckBox("SHOW_BKGRDREGION", true, m_pShowBkgrdRegion, 4019);
    AddColour("FORMULA_DIRECTION", 0x0080FF, m_pFormulaDirection, 4004);
    AddCheckBox("SHOW_FORMULA_DIRECTION", true, m_pShowFormulaDirection, 4021);
    AddColour("REGIONBORDER", 0x008000, m_pRegionBorder, 4003);
    AddCheckBox("SHOW_REGION_BORDER", true, m_pShowRegionBorder, 4020);
    AddColour("REGIONBASELINE", 0x008000, m_pRegionBaseLine, 4022);
    AddCheckBox("SHOW_REGION_BASE_LINE", true, m_pShowRegionBaseLine, 4023);
    AddColour("PIECELINES", 0x000000, m_pPieceLines, 4006);
    AddColour("PIECEMARKERS", 0x000080, m_pPieceMarkers, 4007);
    AddColour("PIECENOTCHES", 0x800000, m_pPieceNotches, 4008);
    AddColour("PIECEFOCUSPOINT", 0x000080, m_pPieceFocusPoint, 1150);
    AddColour("SELECTEDSUBOBJECTS", 0x0080FF, m_pSelectedSubObjects, 4067);
    AddColour("SELECTEDOBJECTS", 0x0000C4, m_pSelectedObjects, 4005);
    AddColour("COLBOX_PIECE_MASK", 0xC6C6C6, m_pColBoxPieceMask, 4014);
    AddColour("ORIGSIZES", 0x0000FF, m_pOrigSizes, 4009);
    AddColour("DISABLEDSIZES", 0xFFC0C0, m_pDisabledSizes, 4010);
    AddColour("MEASURENAMES", 0xC0FFC0, m_pMeasureNames, 4011);
    AddColour("MEASURECOMMENTS", 0xC0FFC0, m_pMeasureComments, 4012);
    AddCheckBox("SHOW_GRADE_POINTS", true, m_pShowGradePoints, 12042);
}

void COptions::DeclareGlobal()
{
    SetSection("GLOBAL");
    AddOption("DB_FILE_NAME", std::string(), m_pDbFileName, 4054, OCT_FILE, 1, 4055, 0);
    AddFolder("MASK_FILES_PATH", m_pMaskFilesPath, 4061, 4062);
    AddFolder("IMAGES_FILE_PATH", m_pImagesFilePath, 4030, 4063);
    AddFolder("INPUT_PATTERN_FILES_PATH", m_pInputPatternFilesPath, 4031, 4064);
    AddFolder("INPUT_TABLESET_FILES_PATH", m_pInputTablesetFilesPath, 4032, 4065);
    AddFolder("INPUT_MEASUREMENT_IMAGE_FILES_PATH", m_pInputMeasurementImageFilesPath, 4033,
              4066);
    AddCheckBox("GRADE_PROPORTIONAL_POINTS", true, m_pGradeProportionalPoints, 1122);
    AddCheckBox("SINGLEPOLYLINEPOINTS", true, m_pSinglePolylinePoints, 1123);
    AddCheckBox("INTERPOLATE_MARK_POINTS", false, m_pInterpolateMarkPoints, 12055);
    AddCheckBox("INTERPOLATE_INTERNAL_LINE_POINTS", false, m_pInterpolateInternalLinePoints,
                12056);
    AddCheckBox("MASK_FILES_ININPUT_DIR", true, m_pMaskFilesInInputDir, 1199);
    AddCheckBox("TABLES_FILES_ININPUT_DIR", true, m_pTablesFilesInInputDir, 1201);
    AddOption("DIRECTORIES_INI_FILE_NAME", std::string(), m_pDirectoriesIniFileName, 12043,
              OCT_EDIT, 1, 0, 0);
}

void COptions::DeclareUnits()
{
    SetSection("UNITS");
    AddOption("USER_UNITS", int32_t(0), m_pUserUnits, 4048, OCT_CHOICE_LIST, 3, 0);
}

void COptions::DeclareAssociations()
{
    SetSection("ASSOCIATIONS");
    AddNumber("SHIFT_MATCH_MM", 100.0, m_pShiftMatchMm, 1073);
    AddNumber("SHIFT_FACTOR", 0.5, m_pShiftFactor, 12044);
    AddNumber("TANGENT_ANGLE_MATCH", 45.0, m_pTangentAngleMatch, 12045);
    AddNumber("CORNER_ANGLE_MATCH", 60.0, m_pCornerAngleMatch, 1074);
    AddNumber("CORNER_FACTOR", 0.5, m_pCornerFactor, 12046);
    AddNumber("LOCAL_MATCH_AREA", 10.0, m_pLocalMatchArea, 12047);
    m_pLocalMatchArea->SetRange(0.0, 100.0);
    AddNumber("MAX_SIZE_DISSIMILARITY", 40.0, m_pMaxSizeDissimilarity, 1163);
    m_pMaxSizeDissimilarity->SetRange(0.0, 100.0);
    AddCheckBox("SHOW_ASSOCIATION_DIALOG", false, m_pShowAssociationDialog, 1075);
    AddCheckBox("NOTCH_NOTCH_MATCH", false, m_pNotchNotchMatch, 1080);
    AddCheckBox("LOCAL_CONV", false, m_pLocalConv, 1082);
    AddOption("POINT_ASS_TYPE", int32_t(0), m_pPointAssType, 1212, OCT_CHOICE_LIST, 3, 0);
    AddCheckBox("SHOW_PATTERN_ASS_DLG", false, m_pShowPatternAssDlg, 1216);
    AddOption("PATTERN_ASSOCIATION_TYPE", int32_t(0), m_pPatternAssociationType, 1217,
              OCT_CHOICE_LIST, 3, 0);
    AddNumber("MAX_SHAPE_ERROR", 15.0, m_pMaxShapeError, 1218);
    m_pMaxShapeError->SetRange(0.0, 100.0);
    AddNumber("MAX_SHAPE_ERROR_MULTI", 15.0, m_pMaxShapeErrorMulti, 12008);
    m_pMaxShapeErrorMulti->SetRange(0.0, 100.0);
}

void COptions::DeclareFavourites()
{
    SetSection("FAVOURITES");
    AddCheckBox("SEPARATE_TABLES", true, m_pSeparateTables, 4015);
    AddCheckBox("RELATIVE_MODE", false, m_pRelativeMode, 4016);
    AddCheckBox("AUTO_RECALC", false, m_pAutoRecalc, 4017, 1);
    // The key is spelt so in every options file.
    AddCheckBox("REPEAT_INTERACIVE_TOOLS", true, m_pRepeatInteractiveTools, 4027);
    AddCheckBox("REPEAT_ADD_REGION", false, m_pRepeatAddRegion, 4028);
    AddCheckBox("REPEAT_MOVE_VIEW", false, m_pRepeatMoveView, 1227);
    AddCheckBox("REPEAT_ZOOM_RECTANGLE", false, m_pRepeatZoomRectangle, 1226);
    AddCheckBox("LOAD_LAST_WORKSPACE", false, m_pLoadLastWorkspace, 1124);
    AddCheckBox("LOAD_LAST_CONTEXT", false, m_pLoadLastContext, 1125);
    AddCheckBox("START_EDIT_MODE", false, m_pStartEditMode, kStartEditModeControl, 1);
    AddCheckBox("START_WITH_MOVE_MODE", true, m_pStartWithMoveMode, 1149, 1);
    AddCheckBox("SHOW_ONLY_SELECTION_GRADING", false, m_pShowOnlySelectionGrading, 4025);
}

void COptions::AddColour(const std::string &key, ColourRef defaultValue, IOptionInt *&option,
                         uint32_t controlId)
{
    AddOption(key, int32_t(defaultValue), option, controlId, OCT_COLOUR_BUTTON, 3, kColourExtraId);
}

void COptions::AddCheckBox(const std::string &key, bool defaultValue, IOptionBool *&option,
                           uint32_t controlId, uint32_t flags)
{
    AddOption(key, defaultValue, option, controlId, OCT_CHECK_BOX, flags, 0);
}

void COptions::AddFolder(const std::string &key, IOptionString *&option, uint32_t controlId,
                         uint32_t browseId)
{
    AddOption(key, std::string(), option, controlId, OCT_FOLDER, 1, browseId, 0);
}

void COptions::AddNumber(const std::string &key, double defaultValue, IOptionDouble *&option,
                         uint32_t controlId)
{
    AddOption(key, defaultValue, option, controlId, OCT_EDIT, 3, 0);
}

void COptions::SetOwner(std::function<bool()> canChangeStartEditMode)
{
    m_fnOwner = std::move(canChangeStartEditMode);
}

COptions::ColourRef COptions::GetRegionColour(int level) const
{
    if (level <= 0)
        return m_pBkgrdRegion->GetValue();
    if (level == 1)
        return m_pBkgrdRegion2->GetValue();
    if (level == 2)
        return m_pBkgrdRegion3->GetValue();
    return m_pBkgrdRegion4->GetValue();
}

void COptions::OnOptionsChanged(bool changed)
{
    if (changed && m_pEventHandler)
        m_pEventHandler->SendAfterChange(kOptionsChanged);
}

void COptions::OnInitPages()
{
    if (m_fnOwner)
        EnableControl(kStartEditModeControl, m_fnOwner());
}
