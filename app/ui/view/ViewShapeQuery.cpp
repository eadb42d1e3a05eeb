// Morvane main window, view and interaction.
// What the main view's shape queries see of the mask: its tree, what is shown, in which colour,
// and what belongs to the active object.
#include "app/ui/view/ViewShapeQuery.h"

#include "app/documents/IDocumentServices.h"
#include "app/tables/GradeSizeSelection.h"
#include "app/ui/options/Options.h"
#include "app/ui/view/MorvaneView.h"
#include "model/Contour.h"
#include "model/GradeMask.h"
#include "model/GradeRegion.h"
#include "model/IInputPatterns.h"
#include "model/InputPattern.h"
#include "model/Pattern.h"
#include "model/Polyline.h"

namespace {

constexpr int kInputPatternsGroup = 3;
constexpr int kMaskPatternsGroup = 4;
constexpr int kSizesGroup = 5;

constexpr int kRegionKind = 0;
constexpr int kPatternKind = 1;
constexpr int kPointKind = 2;

/// Sub-kinds of a point: its marker and its name.
constexpr int kMarkerElement = 1;
constexpr int kNameElement = 5;

/// The colour flag of a selected node.
constexpr uint32_t kSelectedFlag = 2;
constexpr uint32_t kMaskPointNameGrey = 0x808080;

uint32_t colourOf(const IOptionInt *option)
{
    return static_cast<uint32_t>(option->GetValue());
}

/// The model object that a node's object belongs to, as the active object names it.
const CObject *owningItem(const ShapeQueryNode &node)
{
    struct Owner
    {
        const CObject *operator()(std::monostate) const { return nullptr; }
        const CObject *operator()(IRegion *region) const
        {
            return dynamic_cast<const CObject *>(region);
        }
        const CObject *operator()(CPattern *pattern) const { return pattern; }
        const CObject *operator()(const IGradeSize *) const { return nullptr; }
        const CObject *operator()(CBasePoint *point) const { return point->GetParent(); }
        const CObject *operator()(CContour *contour) const { return contour->GetPattern(); }
        const CObject *operator()(CPolyline *line) const { return line->GetOwner(); }
    };
    return std::visit(Owner{}, node.object);
}

} // namespace

CViewShapeQuery::CViewShapeQuery()
    : m_bGradePointSwitch(COptions::GetInstance()->m_pShowGradePoints->GetValue())
{
}

CViewShapeQuery::~CViewShapeQuery() = default;

void CViewShapeQuery::SetOwner(IDocumentServices *services, CMorvaneView *view)
{
    m_pServices = services;
    m_pView = view;
}

int CViewShapeQuery::GetGroupMemberCount(int group) const
{
    if (group == kInputPatternsGroup) {
        const IInputPatterns *patterns = m_pServices->GetInputPatterns();
        return patterns != nullptr ? patterns->GetPatternCount() : 0;
    }
    if (group == kMaskPatternsGroup)
        return m_pServices->GetActiveGradeMask()->GetPatternCount();
    if (group == kSizesGroup) {
        const CGradeSizeSelection *selection = m_pServices->GetSizeSelection();
        return selection != nullptr ? static_cast<int>(selection->GetShownSizes().size()) : 0;
    }
    return 0;
}

int CViewShapeQuery::GetChildCount(const ShapeQueryNode &node)
{
    const IGradeMask *mask = m_pServices != nullptr ? m_pServices->GetActiveGradeMask() : nullptr;
    if (mask == nullptr)
        return 0;
    switch (node.level) {
    case 0:
        return mask->GetGradeRegionCount();
    case 1:
        return GetGroupMemberCount(node.group);
    case 2:
        m_oPoints.RemoveAll();
        if (node.pattern != nullptr)
            node.pattern->AppendPoints(m_oPoints);
        return m_oPoints.GetCount();
    case 5:
        return node.pattern != nullptr ? node.pattern->GetContourCount() : 0;
    case 8:
        return node.pattern != nullptr ? node.pattern->GetPolylineCount() : 0;
    default:
        return 0;
    }
}

ShapeQueryNode CViewShapeQuery::GetChild(const ShapeQueryNode &node, int i)
{
    IGradeMask *mask = m_pServices->GetActiveGradeMask();
    ShapeQueryNode child{node.level, node.group, kRegionKind, 0, {}, node.pattern};
    switch (node.level) {
    case 0:
        child.object = mask->GetGradeRegionAt(i);
        return child;
    case 1:
        if (node.group == kSizesGroup) {
            child.object = static_cast<const IGradeSize *>(
                m_pServices->GetSizeSelection()->GetShownSizes()[static_cast<size_t>(i)].get());
            return child;
        }
        child.kind = kPatternKind;
        child.pattern = node.group == kInputPatternsGroup
                            ? m_pServices->GetInputPatterns()->GetPatternAt(i)
                            : mask->GetPatternAt(i);
        child.object = child.pattern;
        return child;
    case 2:
        child.kind = kPointKind;
        child.object = m_oPoints.GetAt(i);
        return child;
    case 5:
        child.kind = 5;
        child.object = node.pattern->GetContourAt(i);
        return child;
    case 8:
        child.kind = 8;
        child.object = node.pattern->GetPatternPolylineAt(i);
        return child;
    default:
        return child;
    }
}

int CViewShapeQuery::GetActiveState(const ShapeQueryNode &node) const
{
    return m_pView->ReadViewState().RefersToActive(owningItem(node)) ? 2 : 1;
}

bool CViewShapeQuery::IsGroupShown(int group) const
{
    const MaskViewState state = m_pView->ReadViewState();
    switch (group) {
    case 0:
    case 1:
    case 2:
        return state.showMaskRegions && COptions::GetInstance()->m_pShowBkgrdRegion->GetValue();
    case kInputPatternsGroup:
        return state.patternsShownMode != 2;
    case kMaskPatternsGroup:
        return state.showGuidePatterns;
    case kSizesGroup:
        return state.gradingShownMode != 0;
    default:
        return true;
    }
}

bool CViewShapeQuery::IsNodeEnabled(const ShapeQueryNode &node) const
{
    return node.kind != 6 && GetPointSwitch(node.group, node);
}

bool CViewShapeQuery::IsNodeSelectable(const ShapeQueryNode &node) const
{
    switch (node.kind) {
    case kRegionKind:
    case 5:
    case 8:
        return true;
    case kPointKind: {
        auto *const *point = std::get_if<CBasePoint *>(&node.object);
        return point != nullptr && (*point)->GetGradeType() == GRADE_POINT_GRADE;
    }
    case kPatternKind: {
        CPattern *pattern = node.pattern;
        if (pattern == nullptr)
            return false;
        if (pattern->IsMaskPattern())
            return node.group == kMaskPatternsGroup;
        return node.group == kInputPatternsGroup && IsPatternShown(pattern);
    }
    default:
        return false;
    }
}

bool CViewShapeQuery::GetPointSwitch(int group, const ShapeQueryNode &node) const
{
    if (node.kind != kPointKind)
        return true;
    if (group == kInputPatternsGroup) {
        if (node.subKind == kMarkerElement)
            return m_bGradePointSwitch;
        if (node.subKind == kNameElement)
            return m_bInputPointSwitch;
    }
    if (group == kMaskPatternsGroup) {
        if (node.subKind == kMarkerElement)
            return m_bGradePointSwitch;
        if (node.subKind == kNameElement)
            return m_bMaskPointSwitch;
    }
    return true;
}

uint32_t CViewShapeQuery::GetNodeColor(const ShapeQueryNode &node, uint32_t flags) const
{
    const COptions &options = *COptions::GetInstance();
    const bool selected = (flags & kSelectedFlag) != 0;
    switch ((static_cast<uint32_t>(node.kind) << 16) | static_cast<uint32_t>(node.subKind)) {
    case 0x00001:
        return colourOf(selected ? options.m_pSelectedObjects : options.m_pRegionBorder);
    case 0x00005:
        return colourOf(selected ? options.m_pSelectedObjects : options.m_pFormulaDirection);
    case 0x20000:
        return colourOf(options.m_pBkgrdWorkArea);
    case 0x20005:
    case 0x50005:
        return node.pattern != nullptr && node.pattern->IsMaskPattern() ? kMaskPointNameGrey : 0;
    default:
        return 0;
    }
}
