// Morvane main window, view and interaction.
// The program's user options, kept in "MORVANE.INI", and the fixed palette of patterns.
#pragma once

#include "platform/larkweft/Larkweft.h"

#include <array>
#include <functional>

class CEventHandler;

/// The one options object of the program, reached through GetInstance(). It declares every
/// option with its section, default and control, loads "MORVANE.INI" from the configuration
/// folder when made, and shows the options dialog (a directories page and four pages of the
/// language library's templates). Every reader reads the option's value at the time of use.
class COptions : public CLarkweft
{
public:
    /// Colours are 0x00BBGGRR, red in the low byte.
    using ColourRef = uint32_t;

    /// The instance, made (and its file loaded) on the first call.
    static COptions *GetInstance();
    /// Destroys the instance; the next GetInstance() makes a new one.
    static void DeleteInstance();

    ~COptions() override;

    /// The query that decides whether the "START_EDIT_MODE" check box may be changed (the main
    /// document's switch); without one the check box stays as it is.
    void SetOwner(std::function<bool()> canChangeStartEditMode);
    /// The handler that announces changed options (kind 8, property 3); null stops the
    /// announcements.
    void SetEventHandler(CEventHandler *handler) { m_pEventHandler = handler; }

    /// The background of grade regions nested level deep: 0 or below "BKGRDREGION", 1
    /// "BKGRDREGION2", 2 "BKGRDREGION3", 3 and deeper "BKGRDREGION4".
    ColourRef GetRegionColour(int level) const;

    /// The colours of patterns; pattern i takes entry (i & 15). Not stored.
    std::array<ColourRef, 16> m_aPatternColours;

    // Section "COLORS".
    IOptionInt *m_pBkgrdWorkArea = nullptr;
    IOptionInt *m_pBkgrdRegion = nullptr;
    IOptionInt *m_pBkgrdRegion2 = nullptr;
    IOptionInt *m_pBkgrdRegion3 = nullptr;
    IOptionInt *m_pBkgrdRegion4 = nullptr;
    IOptionInt *m_pBkgrdRegionExclude = nullptr;
    IOptionInt *m_pBkgrdRegionOnly = nullptr;
    IOptionBool *m_pShowBkgrdRegion = nullptr;
    IOptionInt *m_pFormulaDirection = nullptr;
    IOptionBool *m_pShowFormulaDirection = nullptr;
    IOptionInt *m_pRegionBorder = nullptr;
    IOptionBool *m_pShowRegionBorder = nullptr;
    IOptionInt *m_pRegionBaseLine = nullptr;
    IOptionBool *m_pShowRegionBaseLine = nullptr;
    IOptionInt *m_pPieceLines = nullptr;
    IOptionInt *m_pPieceMarkers = nullptr;
    IOptionInt *m_pPieceNotches = nullptr;
    IOptionInt *m_pPieceFocusPoint = nullptr;
    IOptionInt *m_pSelectedSubObjects = nullptr;
    IOptionInt *m_pSelectedObjects = nullptr;
    IOptionInt *m_pColBoxPieceMask = nullptr;
    IOptionInt *m_pOrigSizes = nullptr;
    IOptionInt *m_pDisabledSizes = nullptr;
    IOptionInt *m_pMeasureNames = nullptr;
    IOptionInt *m_pMeasureComments = nullptr;
    IOptionBool *m_pShowGradePoints = nullptr;

    // Section "GLOBAL".
    IOptionString *m_pDbFileName = nullptr;
    IOptionString *m_pMaskFilesPath = nullptr;
    IOptionString *m_pImagesFilePath = nullptr;
    IOptionString *m_pInputPatternFilesPath = nullptr;
    IOptionString *m_pInputTablesetFilesPath = nullptr;
    IOptionString *m_pInputMeasurementImageFilesPath = nullptr;
    IOptionBool *m_pGradeProportionalPoints = nullptr;
    IOptionBool *m_pSinglePolylinePoints = nullptr;
    IOptionBool *m_pInterpolateMarkPoints = nullptr;
    IOptionBool *m_pInterpolateInternalLinePoints = nullptr;
    IOptionBool *m_pMaskFilesInInputDir = nullptr;
    IOptionBool *m_pTablesFilesInInputDir = nullptr;
    IOptionString *m_pDirectoriesIniFileName = nullptr;

    // Section "UNITS".
    IOptionInt *m_pUserUnits = nullptr;

    // Section "ASSOCIATIONS".
    IOptionDouble *m_pShiftMatchMm = nullptr;
    IOptionDouble *m_pShiftFactor = nullptr;
    IOptionDouble *m_pTangentAngleMatch = nullptr;
    IOptionDouble *m_pCornerAngleMatch = nullptr;
    IOptionDouble *m_pCornerFactor = nullptr;
    IOptionDouble *m_pLocalMatchArea = nullptr;
    IOptionDouble *m_pMaxSizeDissimilarity = nullptr;
    IOptionBool *m_pShowAssociationDialog = nullptr;
    IOptionBool *m_pNotchNotchMatch = nullptr;
    IOptionBool *m_pLocalConv = nullptr;
    IOptionInt *m_pPointAssType = nullptr;
    IOptionBool *m_pShowPatternAssDlg = nullptr;
    IOptionInt *m_pPatternAssociationType = nullptr;
    IOptionDouble *m_pMaxShapeError = nullptr;
    IOptionDouble *m_pMaxShapeErrorMulti = nullptr;

    // Section "FAVOURITES".
    IOptionBool *m_pSeparateTables = nullptr;
    IOptionBool *m_pRelativeMode = nullptr;
    IOptionBool *m_pAutoRecalc = nullptr;
    IOptionBool *m_pRepeatInteractiveTools = nullptr;
    IOptionBool *m_pRepeatAddRegion = nullptr;
    IOptionBool *m_pRepeatMoveView = nullptr;
    IOptionBool *m_pRepeatZoomRectangle = nullptr;
    IOptionBool *m_pLoadLastWorkspace = nullptr;
    IOptionBool *m_pLoadLastContext = nullptr;
    IOptionBool *m_pStartEditMode = nullptr;
    IOptionBool *m_pStartWithMoveMode = nullptr;
    IOptionBool *m_pShowOnlySelectionGrading = nullptr;

protected:
    COptions();

    /// Announces a change (kind 8, property 3) through the event handler when changed is true.
    void OnOptionsChanged(bool changed) override;
    /// Enables the "START_EDIT_MODE" check box (control 1128) as the owner allows.
    void OnInitPages() override;

private:
    void DeclareColours();
    void DeclareGlobal();
    void DeclareUnits();
    void DeclareAssociations();
    void DeclareFavourites();
    void AddColour(const std::string &key, ColourRef defaultValue, IOptionInt *&option,
                   uint32_t controlId);
    void AddCheckBox(const std::string &key, bool defaultValue, IOptionBool *&option,
                     uint32_t controlId, uint32_t flags = 3);
    void AddFolder(const std::string &key, IOptionString *&option, uint32_t controlId,
                   uint32_t browseId);
    void AddNumber(const std::string &key, double defaultValue, IOptionDouble *&option,
                   uint32_t controlId);

    CEventHandler *m_pEventHandler = nullptr;
    std::function<bool()> m_fnOwner;
};
