// Morvane main window, view and interaction.
// What the main view reads at once of the display switches and of the active mask's focus,
// modes, rotation pivot and measure line.
#pragma once

#include "foundation/DPoint.h"
#include "foundation/DRect.h"
#include "model/GradeSize.h"

#include <optional>
#include <vector>

class CBasePoint;
class CContour;
class CFocusObject;
class CObject;
class CPattern;
class IDocumentServices;
class IGradeSize;
template <class T> class CPtrCollection;

/// The interaction state that the drawing, the shape query and the invalidation helpers of the
/// main view read, taken from the document in one go (ReadMaskViewState) so that one paint or
/// one reaction sees one state. Without an active mask the focus, modes, pivot and measure line
/// stay at their empty values.
struct MaskViewState
{
    // The document's display switches.
    bool showMaskRegions = true;
    /// 0 input and mask patterns, 1 input patterns only, 2 mask patterns only.
    int patternsShownMode = 0;
    bool showGuidePatterns = true;
    /// 0 no graded sizes, 1 those of every shown input pattern, 2 only those of the patterns
    /// that the active object refers to.
    int gradingShownMode = 0;
    /// The curves of the mask patterns' path formulas.
    bool switch6 = false;
    /// The point associations and the formula points.
    bool switch8Shown = false;
    /// The pattern associations.
    bool switch9Shown = false;
    /// The grade paths of the active pattern's grading entries.
    bool switch10 = false;

    // The active mask's focus manager.
    /// What the user picked; null without an active mask.
    const CFocusObject *activeObject = nullptr;
    /// The items the active object refers to: its own item, and each entry's of a multiple
    /// selection.
    std::vector<const CObject *> activeItems;
    /// The active object's flag.
    bool activeFlag = false;
    /// The size recorded with the active object.
    morvane::GradeSizeKey activeSize;
    CContour *activeContour = nullptr;
    CBasePoint *activePoint = nullptr;
    /// Where the focus object was hit; none without an active mask.
    std::optional<DPOINT> focusPosition;
    /// Where the focus point is marked: the focus position while the focus object is a
    /// polyline and the snap mode snaps to lines (3), or a point and it snaps to points (1, 2
    /// or 5).
    std::optional<DPOINT> focusPoint;

    // The active mask's modes, rotation pivot and measure line.
    int selectionMode = 0;
    /// Automatic rotation is on and the pivot holds items.
    bool showPivot = false;
    DPOINT pivotPoint;
    bool measureLineActive = false;
    DPOINT measureStart;
    DPOINT measureEnd;

    /// Whether the item is one of the active items.
    bool RefersToActive(const CObject *item) const;
    /// The active object's rectangle over the sizes (null: the base size); empty when it has
    /// none.
    CDRect GetActiveRect(const CPtrCollection<IGradeSize> *sizes) const;
};

/// Reads the state from the document's display switches and, with an active mask, from its
/// focus manager, interaction modes, rotation pivot and measure line.
MaskViewState ReadMaskViewState(IDocumentServices &services);

/// Whether the pattern is shown: an input pattern while it is flagged, any other always.
bool IsPatternShown(CPattern *pattern);

/// The rectangle of the document's frame (its extent while the extent flag is on); empty when
/// there is none.
CDRect ReadFrameRect(IDocumentServices &services);

/// Where an entry of the document's item list (a collected point) lies; nullopt for an entry
/// that is no point.
std::optional<DPOINT> GetItemPosition(const CObject *item);
