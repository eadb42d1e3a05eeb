// Morvane program documents.
// The records that travel as the data of task events, from the view, frame and panels to commands.
#pragma once

#include "foundation/DPoint.h"

#include <cstdint>
#include <filesystem>
#include <vector>

class CBasePoint;
class CFocusObject;
class CPattern;
class IInputPoint;
class IBaseFormula;
class IGradeMask;
class IMeasureTable;
class IMeasurement;
class IMorvaneView;
class IRegion;

// A record lives with its sender for the length of one dispatch; a command copies what it keeps.
// Its fields are read by name, never at byte offsets.

/// What the view's mouse record and the move record share: the event as the view saw it.
struct MouseEventFields
{
    /// The pointer, in mask coordinates (millimetres).
    DPOINT position;
    /// The key and button flags: kMouseShift, kMouseControl and the buttons.
    uint32_t keyFlags = 0;
    /// The view that sent the event, as the interface the program's view implements.
    IMorvaneView *view = nullptr;
    /// Where the left button last went down: the point "dist" is measured from.
    DPOINT pressPosition;
    /// The view's zoom, pixels per millimetre.
    double zoom = 1.0;
    /// Always 0.
    int16_t reserved = 0;
};

/// The flags of MouseEventFields::keyFlags that the tasks read.
inline constexpr uint32_t kMouseShift = 0x0004;
inline constexpr uint32_t kMouseControl = 0x0008;

/// The data of "OnLButtonDownD", "OnMouseMoveD", "OnLButtonUpD" and "OnRButtonUpD", and of
/// "MoveSelectedItems", which moves the selection by position less previousPosition.
struct VIEW_MOUSE_PARAM : MouseEventFields
{
    /// The pointer at the previous "OnMouseMoveD" (for the first move of a drag, the focus
    /// position where the button went down).
    DPOINT previousPosition;
};

/// The data of "OnKeyDown" and "OnKeyUp": the key as the platform's virtual key code, and the
/// key data (repeat count and flags).
struct KeyEventRecord
{
    uint32_t virtualKey = 0;
    uint32_t keyData = 0;
};

/// The data of "ShowPopupMenu": where the menu opens, in screen coordinates.
struct PopupMenuPoint
{
    int32_t x = 0;
    int32_t y = 0;
};

/// The data of "EditBaseFormula": the formula and the part to edit (-1 the whole formula; 0, 1
/// and 2 one expression of a dart or lapel formula).
struct EditFormulaRecord
{
    IBaseFormula *formula = nullptr;
    int32_t part = -1;
};

/// The data of "MoveFormula": the formula, towards the start of the list (else the end), and
/// whether only measure formulas count.
struct MoveFormulaParam
{
    IBaseFormula *formula = nullptr;
    bool towardsStart = false;
    bool measuresOnly = false;
};

/// The data of "InsertBaseFormula": the kind of object the new formula is made for (0 the mask,
/// 1 a grade region, 2 a pattern, 3 a point), the object of that kind, and the formula type.
struct InsertFormulaRecord
{
    IRegion *region = nullptr;
    CPattern *pattern = nullptr;
    CBasePoint *point = nullptr;
    int32_t formulaType = 0;
    int32_t objectKind = 0;
};

/// The data of "UpdateFormula": the formula of the mask, and a formula outside the mask that
/// holds its new contents.
struct UpdateFormulaRecord
{
    IBaseFormula *formula = nullptr;
    IBaseFormula *contents = nullptr;
};

/// The data of "EditPointRules": the grade point whose rule changes, the rule's grade table and
/// size, and its new value (the point's displacement in that size from its base size, on the
/// mask).
struct PointRuleEdit
{
    IInputPoint *point = nullptr;
    DPOINT value;
    int32_t table = -1;
    int32_t size = -1;
};

/// The data of "AddToSelection".
struct SELECTION_REQUEST
{
    /// Keep the selection and add to it (else replace it).
    bool bAddToActive = false;
    /// 0 every shown input pattern, 1 every shown mask pattern, 2 every shown grade region, 3 all
    /// three in that order, 4 the focus objects of oItems.
    int32_t nKind = 0;
    /// The focus objects of kind 4, not owned.
    std::vector<CFocusObject *> oItems;
};

/// The data of "RotateObjectList" and "RotateItem".
struct ROTATE_REQUEST
{
    /// Degrees.
    double dAngle = 0.0;
    /// Add the angle to each item's own angle (else set it).
    bool bRelative = false;
    /// The focus objects to turn, not owned ("RotateItem" turns the first).
    std::vector<CFocusObject *> oItems;
};

/// The data of "ChangeRegionFormulaType".
struct RegionFormulaTypeParam
{
    /// Null: the active region.
    IRegion *region = nullptr;
    /// A kind of the formula manager's factory, for the new formula.
    int32_t formulaKind = 0;
    /// 0 a graded region, which carries a formula; any other type carries none.
    int32_t regionType = 0;
};

/// The data of the size commands of a measurement table.
struct TableSizeParam
{
    IMeasureTable *table = nullptr;
    /// -1 when none.
    int32_t size = -1;
};

/// The data of the measurement commands of a measurement table.
struct TableMeasurementParam
{
    IMeasureTable *table = nullptr;
    /// Null when none.
    IMeasurement *measurement = nullptr;
};

/// What "LoadInputPatterns" loads: the file (empty: the user chooses it, and the choice is
/// written back here) and the kind of grade model that reads it (a GRADE_MODEL_KIND).
struct InputPatternsRequest
{
    std::filesystem::path path;
    int32_t kind = 0;
};

/// What "SaveGradeMask" saves: the mask, to the file (empty: the user chooses it).
struct CSaveMaskParam
{
    CSaveMaskParam(std::filesystem::path file, IGradeMask *gradeMask)
        : path(std::move(file)), mask(gradeMask)
    {
    }
    std::filesystem::path path;
    IGradeMask *mask = nullptr;
};

namespace morvane {

/// A small integer carried as the event data itself (a mode, a flag), not as an address.
inline void *integerEventData(intptr_t value)
{
    return reinterpret_cast<void *>(value);
}

/// The integer that integerEventData() carried; 0 for null data.
inline intptr_t eventDataInteger(const void *data)
{
    return reinterpret_cast<intptr_t>(data);
}

} // namespace morvane
