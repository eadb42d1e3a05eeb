// Morvane main window, view and interaction.
// What the main view's shape queries see of the mask: its tree, what is shown, in which colour,
// and what belongs to the active object.
#pragma once

#include "app/extras/QueryNode.h"
#include "foundation/PtrCollection.h"

#include <cstdint>
#include <variant>

class CBasePoint;
class CContour;
class CMorvaneView;
class CPattern;
class CPolyline;
class IDocumentServices;
class IGradeSize;
class IRegion;

/// The object of a shape-query node.
using ShapeObject = std::variant<std::monostate, IRegion *, CPattern *, const IGradeSize *,
                                 CBasePoint *, CContour *, CPolyline *>;

/// A node of the mask as the view's shape query presents it.
struct ShapeQueryNode
{
    /// 0 the root (its children are the grade regions), 1 a member of a group (an input or
    /// mask pattern, a shown size), 2 the points of a pattern, 5 the lower-level parts (the
    /// contours) of a pattern, 8 the lines of a pattern.
    int level = 0;
    /// The group the node sits under: 0 to 2 the grade regions, 3 the input patterns, 4 the
    /// mask patterns, 5 the shown sizes.
    int group = 0;
    /// What the object is: 0 a grade region, 1 a pattern, 2 a point, 5 to 8 parts of a pattern.
    int kind = 0;
    /// The element of the object: 1 a grade point's marker, 5 a point's name ...
    int subKind = 0;
    ShapeObject object;
    /// The pattern the node belongs to; null when none.
    CPattern *pattern = nullptr;
};

/// The shape query of the main view. It presents the active mask as a tree (the root lists the
/// grade regions; the groups are the input patterns (3), the mask patterns (4) and the shown
/// sizes (5); a pattern lists its points, parts and lines) and answers which nodes are shown,
/// enabled and selectable, their colours and which belong to the active object. It also keeps
/// the three switches of what the view marks on patterns: the names of input-pattern points,
/// the grade-point markers and the names of mask-pattern points.
class CViewShapeQuery : public CShapeQuery
{
public:
    /// The grade-point switch starts as the option "SHOW_GRADE_POINTS"; the name switches off.
    CViewShapeQuery();
    ~CViewShapeQuery() override;

    /// The document (not owned) and the view (not owned) that the answers are read from.
    void SetOwner(IDocumentServices *services, CMorvaneView *view);

    /// By level: 0 the mask's grade regions, 1 the members of the node's group, 2 the points of
    /// the node's pattern (collected afresh), 5 its contours, 8 its lines; 0 otherwise and
    /// without an active mask.
    int GetChildCount(const ShapeQueryNode &node);
    /// Child i of the node (within GetChildCount), in the order counted.
    ShapeQueryNode GetChild(const ShapeQueryNode &node, int i);
    /// 2 when the node's object belongs to the active object (the object itself, the pattern of
    /// a point, the owner of a line or a contour), else 1.
    int GetActiveState(const ShapeQueryNode &node) const;
    /// Groups 0 to 2 while the mask regions are shown and "SHOW_BKGRDREGION" is on; 3 while
    /// input patterns are shown; 4 while guide patterns are; 5 while grading is; others always.
    bool IsGroupShown(int group) const;
    /// Kind 6 never; every other kind as GetPointSwitch.
    bool IsNodeEnabled(const ShapeQueryNode &node) const;
    /// Regions (0) and parts (5, 8) always; a point of grade type 1; a mask pattern under group
    /// 4 and a shown input pattern under group 3. Nothing else.
    bool IsNodeSelectable(const ShapeQueryNode &node) const;
    /// The colour of the node's key (kind << 16 | sub-kind): 1 "REGIONBORDER", 5
    /// "FORMULA_DIRECTION" (both "SELECTEDOBJECTS" with flag 2), 0x20000 "BKGRDWORKAREA",
    /// 0x20005 and 0x50005 grey for a node of a mask pattern; 0 for everything else.
    uint32_t GetNodeColor(const ShapeQueryNode &node, uint32_t flags) const;
    /// Under the input patterns a grade-point marker (sub-kind 1) takes the grade-point switch,
    /// a name (5) the input-point switch; under the mask patterns a marker the grade-point
    /// switch, a name the mask-point switch; everything else is on.
    bool GetPointSwitch(int group, const ShapeQueryNode &node) const;

    bool GetInputPointSwitch() const { return m_bInputPointSwitch; }
    void SetInputPointSwitch(bool on) { m_bInputPointSwitch = on; }
    bool GetGradePointSwitch() const { return m_bGradePointSwitch; }
    void SetGradePointSwitch(bool on) { m_bGradePointSwitch = on; }
    bool GetMaskPointSwitch() const { return m_bMaskPointSwitch; }
    void SetMaskPointSwitch(bool on) { m_bMaskPointSwitch = on; }

private:
    int GetGroupMemberCount(int group) const;

    IDocumentServices *m_pServices = nullptr;
    CMorvaneView *m_pView = nullptr;
    bool m_bInputPointSwitch = false;
    bool m_bGradePointSwitch = true;
    bool m_bMaskPointSwitch = false;
    /// The points of the pattern last counted at level 2.
    CPtrCollection<CBasePoint> m_oPoints;
};
