// Morvane main window, view and interaction.
// The drawing of the active grade mask in the main view.
#include "app/ui/view/MaskDrawing.h"

#include "app/documents/IDocumentServices.h"
#include "app/interaction/FocusObject.h"
#include "app/tables/GradeSizeSelection.h"
#include "app/ui/options/Options.h"
#include "app/ui/view/DrawHelper.h"
#include "app/ui/view/MaskViewState.h"
#include "app/ui/view/MorvaneView.h"
#include "model/BasePoint.h"
#include "model/Contour.h"
#include "model/ContourLine.h"
#include "model/FormulaManager.h"
#include "model/GradeMask.h"
#include "model/GradePath.h"
#include "model/GradeRegion.h"
#include "model/GradeSize.h"
#include "model/IBaseFormula.h"
#include "model/IInputPatterns.h"
#include "model/IPathFormula.h"
#include "model/InputPattern.h"
#include "model/InputPoint.h"
#include "model/MaskPoint.h"
#include "model/MaskPointList.h"
#include "model/Notch.h"
#include "model/PathSegment.h"
#include "model/Pattern.h"
#include "model/Polyline.h"
#include "tasks/TaskManager.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr uint32_t rgb(uint32_t red, uint32_t green, uint32_t blue)
{
    return red | (green << 8) | (blue << 16);
}

constexpr uint32_t kBlack = rgb(0, 0, 0);
constexpr uint32_t kBlue = rgb(0, 0, 255);
constexpr uint32_t kGreen = rgb(0, 255, 0);
constexpr uint32_t kDarkGreen = rgb(0, 128, 0);
constexpr uint32_t kGrey = rgb(128, 128, 128);
constexpr uint32_t kPathSegments = rgb(128, 128, 255);
constexpr uint32_t kFormulaPoint = rgb(0, 192, 0);
constexpr uint32_t kFormulaPointMissing = rgb(192, 0, 0);
constexpr uint32_t kEntryReference = rgb(192, 64, 0);
constexpr uint32_t kEntryPoint = rgb(0, 64, 192);

/// The label font: 7 points (in tenths) of "Arial".
constexpr int kLabelPointSize = 70;
constexpr const char *kLabelFace = "Arial";

/// The formula types whose regions are filled, pass by pass in this order.
constexpr int kFillOrder[] = {0, 28, 32, 3, 4, 2, 13, 16, 20, 24};
/// Region formulas without a direction arrow.
constexpr int kRegionLikePoint = 13;
constexpr int kGlobalInterpolate = 24;
/// Grade models that give notches in their second form.
constexpr int kClientGradeModel = 5;
/// The arrow of a region's direction and the place of its label, in pixels.
constexpr int kArrowLength = 16;
constexpr int kArrowHeadLength = 8;
constexpr int kArrowHeadWidth = 6;
constexpr int kLabelDistance = kArrowLength + 10;

uint32_t colourOf(const IOptionInt *option)
{
    return static_cast<uint32_t>(option->GetValue());
}

const CObject *objectOf(const IRegion *region)
{
    return dynamic_cast<const CObject *>(region);
}

bool isRunning(CTaskManager *manager, const char *task)
{
    return manager != nullptr && manager->GetTaskStatus(task) != TS_INACTIVE;
}

/// The name of the first object that the formula refers to and that has one.
std::string referencedName(IBaseFormula &formula)
{
    CPtrCollection<CObject> objects;
    formula.CollectReferencedObjects(objects);
    for (CObject *object : objects) {
        std::string name;
        if (auto *pattern = dynamic_cast<CPattern *>(object))
            name = pattern->GetPatternName();
        else if (auto *region = dynamic_cast<IRegion *>(object))
            name = region->GetName();
        else if (auto *point = dynamic_cast<CBasePoint *>(object))
            name = point->GetFormatName();
        if (!name.empty())
            return name;
    }
    return {};
}

std::string regionLabel(IBaseFormula &formula)
{
    switch (formula.GetFormulaType()) {
    case 0:
    case 3:
    case 4:
    case 13:
    case 16:
    case 24:
    case 25:
    case 28:
    case 32: {
        std::string text;
        formula.GetDisplayText(text, true);
        return text;
    }
    case 2:
    case 20:
        return referencedName(formula);
    default:
        return {};
    }
}

void drawShape(CMorvaneView &view, const std::vector<DPOINT> &shape, uint32_t colour)
{
    view.DrawPolyline(shape.data(), static_cast<int>(shape.size()), colour);
}

void drawLine(CMorvaneView &view, const DPOINT &from, const DPOINT &to, uint32_t colour)
{
    view.DrawLine(from.x, from.y, to.x, to.y, colour);
}

DPOINT along(const DPOINT &from, double angle, double distance)
{
    return {from.x + distance * std::cos(angle), from.y + distance * std::sin(angle)};
}

} // namespace

struct CMaskDrawing::Pass
{
    CMorvaneView &view;
    IDocumentServices &services;
    const MaskViewState &state;
    IGradeMask &mask;
    const COptions &options;
    /// The grade regions with their formulas (null for a region without one), in mask order.
    std::vector<std::pair<IRegion *, IBaseFormula *>> regions;
    /// The shown sizes, in list order.
    std::vector<const IGradeSize *> sizes;
    CDRect visible;

    bool InputPatternsShown() const { return state.patternsShownMode != 2; }
    bool MaskPatternsShown() const { return state.patternsShownMode != 1; }
    /// Whether the graded sizes of the input pattern are drawn.
    bool GradingShownFor(const CPattern *pattern) const
    {
        return state.gradingShownMode == 1 ||
               (state.gradingShownMode == 2 && state.RefersToActive(pattern));
    }
};

const std::string &CMaskDrawing::GetRegionLabel(const IBaseFormula *formula) const
{
    static const std::string kNone;
    const auto found = m_oRegionLabels.find(formula);
    return found != m_oRegionLabels.end() ? found->second : kNone;
}

void CMaskDrawing::Draw(CMorvaneView &view, const MaskViewState &state)
{
    IDocumentServices &services = view.GetServices();
    IGradeMask *mask = services.GetActiveGradeMask();
    if (mask == nullptr || services.IsFailed())
        return;
    Pass pass{
        view, services, state, *mask, *COptions::GetInstance(), {}, {}, view.GetVisibleWorldRect()};
    for (int i = 0; i < mask->GetGradeRegionCount(); ++i) {
        IRegion *region = mask->GetGradeRegionAt(i);
        pass.regions.emplace_back(region, mask->GetFormulaManager()->FindRegionFormula(region));
    }
    if (const CGradeSizeSelection *selection = services.GetSizeSelection()) {
        for (const auto &size : selection->GetShownSizes())
            pass.sizes.push_back(size.get());
    }
    if (!(state.activeFlag && m_bLastActiveFlag))
        RebuildRegionLabels(pass);

    std::vector<CPattern *> heldBack;
    DrawRegionFills(pass);
    DrawMaskPatterns(pass, heldBack);
    DrawRegions(pass);
    DrawInputPatterns(pass, heldBack);
    DrawSelectedPatterns(pass, heldBack);
    DrawActiveContour(pass);
    DrawPivotAndCentre(pass);
    DrawPatternAssociations(pass);
    DrawPointAssociations(pass);
    DrawGuideCurves(pass);
    DrawEntryPaths(pass);
    DrawFormulaPoints(pass);
    DrawEntryPoints(pass);
    if (state.measureLineActive)
        drawLine(view, state.measureStart, state.measureEnd, kDarkGreen);
    DrawActivePoint(pass);
    DrawTaskLines(pass);
    DrawFrame(pass);
    m_bLastActiveFlag = state.activeFlag;
}

void CMaskDrawing::RebuildRegionLabels(const Pass &pass)
{
    m_oRegionLabels.clear();
    if (!pass.state.showMaskRegions)
        return;
    for (const auto &[region, formula] : pass.regions) {
        if (formula != nullptr)
            m_oRegionLabels[formula] = regionLabel(*formula);
    }
}

uint32_t CMaskDrawing::GetRegionFillColour(const Pass &pass, const IBaseFormula *formula) const
{
    if (formula == nullptr)
        return colourOf(pass.options.m_pBkgrdRegionExclude);
    if (formula->GetFormulaType() != 0)
        return colourOf(pass.options.m_pBkgrdRegionOnly);
    const int index = pass.services.GetColourIndex(formula);
    return pass.options.GetRegionColour(index >= 0 ? index : 0);
}

void CMaskDrawing::DrawRegionFills(const Pass &pass)
{
    if (!pass.state.showMaskRegions || !pass.options.m_pShowBkgrdRegion->GetValue())
        return;
    const auto fill = [&](IRegion *region, const IBaseFormula *formula) {
        std::vector<DPOINT> polygon;
        if (region->IsClosed())
            region->GetPolygon(polygon);
        else
            region->ClipToRect(pass.visible, polygon);
        if (polygon.size() > 2)
            pass.view.FillPolygon(polygon.data(), static_cast<int>(polygon.size()),
                                  GetRegionFillColour(pass, formula));
    };
    for (const int type : kFillOrder) {
        for (const auto &[region, formula] : pass.regions) {
            if (formula != nullptr && formula->GetFormulaType() == type)
                fill(region, formula);
        }
    }
    for (const auto &[region, formula] : pass.regions) {
        if (formula == nullptr)
            fill(region, nullptr);
    }
}

void CMaskDrawing::DrawMaskPatterns(const Pass &pass, std::vector<CPattern *> &heldBack)
{
    if (!pass.MaskPatternsShown())
        return;
    for (int i = 0; i < pass.mask.GetPatternCount(); ++i) {
        CPattern *pattern = pass.mask.GetPatternAt(i);
        if (pass.state.RefersToActive(pattern))
            heldBack.push_back(pattern);
        else
            DrawPattern(pass, pattern, false, true, nullptr, -1);
    }
    if (!pass.view.GetFocusFilterFlag())
        return;
    for (int i = 0; i < pass.mask.GetPatternCount(); ++i)
        DrawPointNames(pass, pass.mask.GetPatternAt(i));
}

void CMaskDrawing::DrawRegions(const Pass &pass)
{
    if (!pass.state.showMaskRegions)
        return;
    for (const bool selected : {false, true}) {
        for (const auto &[region, formula] : pass.regions) {
            if (pass.state.RefersToActive(objectOf(region)) != selected)
                continue;
            DrawRegion(pass, region, formula, selected);
            DrawRegionLabel(pass, region, formula, selected);
        }
    }
}

void CMaskDrawing::DrawInputPatterns(const Pass &pass, std::vector<CPattern *> &heldBack)
{
    IInputPatterns *patterns = pass.services.GetInputPatterns();
    if (!pass.InputPatternsShown() || patterns == nullptr)
        return;
    std::vector<CPattern *> shown;
    for (int i = 0; i < patterns->GetPatternCount(); ++i) {
        CPattern *pattern = patterns->GetPatternAt(i);
        if (IsPatternShown(pattern))
            shown.push_back(pattern);
    }
    for (CPattern *pattern : shown) {
        if (!pass.GradingShownFor(pattern))
            continue;
        for (size_t s = 0; s < pass.sizes.size(); ++s)
            DrawPattern(pass, pattern, false, false, pass.sizes[s], static_cast<int>(s));
    }
    for (CPattern *pattern : shown) {
        if (pass.state.RefersToActive(pattern))
            heldBack.push_back(pattern);
        else
            DrawPattern(pass, pattern, false, false, nullptr, -1);
    }
    if (!pass.view.GetInputFilterFlag())
        return;
    for (CPattern *pattern : shown)
        DrawPointNames(pass, pattern);
}

void CMaskDrawing::DrawSelectedPatterns(const Pass &pass, const std::vector<CPattern *> &heldBack)
{
    CSimpleGradeSize size;
    size.Create(pass.state.activeSize.table, pass.state.activeSize.size);
    const IGradeSize *drawnSize = pass.state.activeSize.isBase() ? nullptr : &size;
    for (CPattern *pattern : heldBack)
        DrawPattern(pass, pattern, true, pattern->IsMaskPattern(), drawnSize, -1);
}

void CMaskDrawing::DrawActiveContour(const Pass &pass)
{
    const CContour *contour = pass.state.activeContour;
    if (contour == nullptr)
        return;
    std::vector<DPOINT> shape;
    for (int i = 0; i < contour->GetContourLineCount(); ++i) {
        contour->GetContourLineAt(i)->GetPolyline()->GetShape(nullptr, shape, nullptr);
        drawShape(pass.view, shape, kBlue);
    }
    const CContour *outer =
        contour->GetPattern() != nullptr ? contour->GetPattern()->GetOutContour() : nullptr;
    if (outer == nullptr)
        return;
    outer->GetAllContourPoints(nullptr, &shape, nullptr, nullptr, false, false);
    if (outer->IsClosed() && !shape.empty())
        shape.push_back(shape.front());
    drawShape(pass.view, shape, colourOf(pass.options.m_pSelectedSubObjects));
}

void CMaskDrawing::DrawPivotAndCentre(const Pass &pass)
{
    const uint32_t selected = colourOf(pass.options.m_pSelectedObjects);
    if (pass.state.showPivot) {
        const DPOINT &pivot = pass.state.pivotPoint;
        pass.view.DrawCircleMarker(pivot.x, pivot.y, 4, selected);
        pass.view.DrawCrossMarker(pivot.x, pivot.y, 8, selected);
    }
    if (!pass.state.showMaskRegions)
        return;
    // The centre is the mask's own place: it shows selected while the mask itself is picked.
    const DPOINT centre = pass.mask.GetCenter();
    const bool maskPicked = pass.state.RefersToActive(dynamic_cast<const CObject *>(&pass.mask));
    pass.view.DrawCircleMarker(centre.x, centre.y, 3, maskPicked ? selected : kBlack);
}

void CMaskDrawing::DrawPatternAssociations(const Pass &pass)
{
    if (!pass.state.switch9Shown)
        return;
    for (int i = 0; i < pass.mask.GetPatternCount(); ++i) {
        CPattern *pattern = pass.mask.GetPatternAt(i);
        CPtrCollection<CPattern> partners;
        pattern->GetAssPatterns(partners);
        const DPOINT from = pattern->GetAbsRect(nullptr).GetCenter();
        for (CPattern *partner : partners) {
            if (!IsPatternShown(partner))
                continue;
            const DPOINT to = partner->GetAbsRect(nullptr).GetCenter();
            drawLine(pass.view, from, to, kBlue);
            pass.view.FillSquareMarker(from.x, from.y, 1, kBlack);
            pass.view.FillSquareMarker(to.x, to.y, 1, kBlack);
        }
    }
}

void CMaskDrawing::DrawPointAssociations(const Pass &pass)
{
    if (!pass.state.switch8Shown)
        return;
    CTaskManager *manager = pass.services.GetTaskManager();
    // While "EditPointAssTask" runs, the mask point under edit shows its associations selected,
    // on top of the others.
    IMaskPoint *edited = isRunning(manager, "EditPointAssTask")
                             ? pass.mask.GetPointAssociationMap()->GetActiveItem()
                             : nullptr;
    const auto drawAssociations = [&](IMaskPoint *maskPoint, uint32_t colour) {
        CPtrCollection<CBasePoint> partners;
        maskPoint->AppendInputAssociations(partners);
        const DPOINT from = maskPoint->GetBasePoint()->GetAbsPosition();
        for (CBasePoint *partner : partners)
            drawLine(pass.view, from, partner->GetAbsPosition(), colour);
    };
    for (int i = 0; i < pass.mask.GetPatternCount(); ++i) {
        const CPattern *pattern = pass.mask.GetPatternAt(i);
        for (int j = 0; j < pattern->GetGradePointCount(); ++j) {
            IMaskPoint *maskPoint = pattern->GetGradePointAt(j)->GetMaskPoint();
            if (maskPoint != nullptr && maskPoint != edited)
                drawAssociations(maskPoint, kGreen);
        }
    }
    if (edited != nullptr)
        drawAssociations(edited, colourOf(pass.options.m_pSelectedObjects));
    CBasePoint *active = pass.state.activePoint;
    if (active == nullptr || isRunning(manager, "AssociatePointsTask"))
        return;
    IMaskPoint *maskPoint = active->GetMaskPoint();
    if (maskPoint == nullptr && active->GetInputPoint() != nullptr)
        maskPoint = active->GetInputPoint()->GetAssociationPoint();
    if (maskPoint == nullptr)
        return;
    CPtrCollection<CBasePoint> partners;
    maskPoint->AppendInputAssociations(partners);
    const DPOINT from = maskPoint->GetBasePoint()->GetAbsPosition();
    for (CBasePoint *partner : partners)
        drawLine(pass.view, from, partner->GetAbsPosition(), kDarkGreen);
}

void CMaskDrawing::DrawGuideCurves(const Pass &pass)
{
    if (!pass.state.switch6 || !pass.state.showGuidePatterns)
        return;
    const IFormulaManager *formulas = pass.mask.GetFormulaManager();
    std::vector<DPOINT> shape;
    for (int i = 0; i < formulas->GetFormulaCount(); ++i) {
        IBaseFormula *formula = formulas->GetFormulaAt(i);
        const CPattern *pattern = formula->GetPattern();
        if (formula->GetFormulaType() != 2 || pattern == nullptr ||
            pass.mask.FindPattern(pattern) < 0 || formula->AsPathFormula() == nullptr)
            continue;
        formula->AsPathFormula()->GetPath()->GetShape(shape, nullptr);
        drawShape(pass.view, shape, kBlue);
    }
}

void CMaskDrawing::DrawEntryPaths(const Pass &pass)
{
    if (!pass.state.switch10 || !pass.InputPatternsShown())
        return;
    CPtrCollection<IBaseFormula> entries;
    pass.services.CollectPointEntries(entries);
    std::vector<const IGradeSize *> sizes{nullptr};
    if (pass.state.gradingShownMode != 0)
        sizes.insert(sizes.end(), pass.sizes.begin(), pass.sizes.end());
    std::vector<DPOINT> shape;
    for (IBaseFormula *entry : entries) {
        IPathFormula *pathFormula = entry->AsPathFormula();
        if (pathFormula == nullptr)
            continue;
        const IGradePath *path = pathFormula->GetPath();
        for (const IGradeSize *size : sizes) {
            path->GetShape(shape, size);
            drawShape(pass.view, shape, kBlue);
            for (int s = 0; s < path->GetSegmentCount(); ++s) {
                const ISegmentPath *segment = path->GetSegmentAt(s);
                for (const CBasePoint *end : {segment->GetStartPoint(), segment->GetEndPoint()}) {
                    if (end == nullptr)
                        continue;
                    const DPOINT at = end->GetPosition(size);
                    pass.view.DrawSquareMarker(at.x, at.y, 2, kPathSegments);
                }
            }
        }
    }
}

void CMaskDrawing::DrawFormulaPoints(const Pass &pass)
{
    if (!pass.state.switch8Shown)
        return;
    IFormulaManager *formulas = pass.mask.GetFormulaManager();
    for (int i = 0; i < formulas->GetFormulaCount(); ++i) {
        IBaseFormula *formula = formulas->GetFormulaAt(i);
        const CBasePoint *point = formula->GetBasePoint();
        if (point == nullptr)
            continue;
        // Green while the formula has every point it needs, red when one is missing.
        const uint32_t colour =
            formula->CheckIndexPoints(nullptr) ? kFormulaPoint : kFormulaPointMissing;
        const DPOINT at = point->GetAbsPosition();
        pass.view.FillSquareMarker(at.x, at.y, 1, colour);
    }
}

void CMaskDrawing::DrawEntryPoints(const Pass &pass)
{
    if (!pass.InputPatternsShown() || pass.state.activeFlag)
        return;
    CPtrCollection<IBaseFormula> entries;
    pass.services.CollectPointEntries(entries);
    const auto mark = [&](const CBasePoint *point, uint32_t colour) {
        if (point == nullptr || point->GetParent() == nullptr ||
            !IsPatternShown(point->GetParent()))
            return;
        const DPOINT at = point->GetAbsPosition();
        pass.view.FillSquareMarker(at.x, at.y, 2, colour);
    };
    for (IBaseFormula *entry : entries) {
        CPtrCollection<CBasePoint> used;
        entry->CollectUsedPoints(used);
        for (const CBasePoint *point : used) {
            if (point != entry->GetBasePoint())
                mark(point, kEntryReference);
        }
    }
    for (IBaseFormula *entry : entries)
        mark(entry->GetBasePoint(), kEntryPoint);
}

void CMaskDrawing::DrawActivePoint(const Pass &pass)
{
    const CBasePoint *point = pass.state.activePoint;
    if (pass.state.selectionMode != 1 || point == nullptr)
        return;
    const auto mark = [&](const DPOINT &at) {
        pass.view.FillSquareMarker(at.x, at.y, 3, kBlue);
        pass.view.DrawSquareMarker(at.x, at.y, 3, kBlack);
    };
    mark(point->GetAbsPosition());
    CPattern *pattern = point->GetParent();
    if (pattern == nullptr || pattern->IsMaskPattern() || !IsPatternShown(pattern) ||
        !pass.GradingShownFor(pattern))
        return;
    for (const IGradeSize *size : pass.sizes)
        mark(point->GetPosition(size));
}

void CMaskDrawing::DrawTaskLines(const Pass &pass)
{
    std::vector<DPOINT> shape;
    if (IGradePlaceList *highlighted = pass.services.GetHighlightedItem()) {
        highlighted->GetShape(nullptr, shape, nullptr);
        drawShape(pass.view, shape, kBlue);
    }
    for (int i = 0; i < pass.services.GetFocusPolylineCount(); ++i) {
        const CFocusObject *picked = pass.services.GetFocusPolylineAt(i);
        if (const auto *line = picked != nullptr ? dynamic_cast<CPolyline *>(picked->GetItem())
                                                 : nullptr) {
            line->GetShape(nullptr, shape, nullptr);
            drawShape(pass.view, shape, kBlue);
        }
    }
    for (int i = 0; i < pass.services.GetItemCount(); ++i) {
        if (const auto at = GetItemPosition(pass.services.GetItemAt(i)))
            pass.view.DrawCrossMarker(at->x, at->y, 4, kDarkGreen);
    }
    if (const auto &focus = pass.state.focusPoint)
        pass.view.DrawSquareMarker(focus->x, focus->y, 3,
                                   colourOf(pass.options.m_pPieceFocusPoint));
}

void CMaskDrawing::DrawFrame(const Pass &pass)
{
    const CDRect frame = ReadFrameRect(pass.services);
    if (!frame.IsValid())
        return;
    pass.view.SetPenStyle(PS_DOT);
    pass.view.DrawRect(frame.GetMinX(), frame.GetMaxY(), frame.GetMaxX(), frame.GetMinY(), kBlack);
    pass.view.SetPenStyle(PS_SOLID);
}

namespace {

/// The colours of one pattern's lines, notches and markers.
struct PatternColours
{
    uint32_t line;
    uint32_t notch;
    uint32_t marker;
};

PatternColours patternColours(const COptions &options, const CPattern &pattern, bool selected,
                              bool mask, int colourIndex)
{
    if (selected) {
        const uint32_t colour = colourOf(options.m_pSelectedObjects);
        return {colour, colour, colour};
    }
    if (mask) {
        const uint32_t colour = colourOf(options.m_pColBoxPieceMask);
        return {colour, colour, colour};
    }
    if (colourIndex >= 0) {
        const uint32_t colour = options.m_aPatternColours[static_cast<size_t>(colourIndex % 16)];
        return {colour, colour, colour};
    }
    const uint32_t own = pattern.GetOutlineColor();
    // 0 and the unset value both mean that the pattern has no colour of its own.
    if (own == 0 || own == 0xFFFFFFFF)
        return {colourOf(options.m_pPieceLines), colourOf(options.m_pPieceNotches),
                colourOf(options.m_pPieceMarkers)};
    return {own, own, own};
}

/// The point that the grade point's slider distance is measured from; null when none.
const CBasePoint *linkedPoint(CBasePoint &point)
{
    IInputPoint *input = point.GetInputPoint();
    IInputPoint *linked = input != nullptr ? input->GetLinkedPoint() : nullptr;
    return linked != nullptr ? linked->GetBasePoint() : nullptr;
}

} // namespace

void CMaskDrawing::DrawPattern(const Pass &pass, CPattern *pattern, bool selected, bool mask,
                               const IGradeSize *size, int colourIndex)
{
    const PatternColours colours =
        patternColours(pass.options, *pattern, selected, mask, colourIndex);
    const bool secondNotchForm = pattern->GetInputPattern() != nullptr &&
                                 pass.services.GetGradeModelKind() == kClientGradeModel;
    // The grade points, each once, where the shapes put them in the size.
    std::vector<std::pair<CBasePoint *, DPOINT>> gradePoints;
    const auto collect = [&gradePoints](CBasePoint *point, const DPOINT &at) {
        for (const auto &[known, position] : gradePoints) {
            if (known == point)
                return;
        }
        gradePoints.emplace_back(point, at);
    };
    std::vector<DPOINT> &shape = m_aShape;
    std::vector<int> &indexes = m_aShapeIndexes;
    std::vector<char> &placed = m_aPointPlaced;
    for (int i = 0; i < pattern->GetPolylineCount(); ++i) {
        CPolyline *line = pattern->GetPatternPolylineAt(i);
        line->GetShape(size, shape, &indexes);
        drawShape(pass.view, shape, colours.line);
        const int pointCount = line->GetPointCount();
        placed.assign(static_cast<size_t>(pointCount), 0);
        int placedCount = 0;
        for (size_t k = 0; k < shape.size() && k < indexes.size(); ++k) {
            const int p = indexes[k];
            if (p < 0 || p >= pointCount || placed[static_cast<size_t>(p)])
                continue;
            placed[static_cast<size_t>(p)] = 1;
            ++placedCount;
            CBasePoint *point = line->GetBasePointAt(p);
            if (point->GetGradeType() == GRADE_POINT_GRADE)
                collect(point, shape[k]);
        }
        // The points that the shape left out are drawn where they lie.
        for (int p = 0; placedCount < pointCount && p < pointCount; ++p) {
            CBasePoint *point = line->GetBasePointAt(p);
            if (!placed[static_cast<size_t>(p)] && point->GetGradeType() == GRADE_POINT_GRADE)
                collect(point, point->GetPosition(size));
        }
        for (int n = 0; n < line->GetNotchCount(); ++n) {
            const CNotch *notch = line->GetNotchAt(n);
            double tipX = 0.0;
            double tipY = 0.0;
            const DPOINT base = secondNotchForm ? notch->GetNotchPlace(size, tipX, tipY)
                                                : notch->GetAbsPos(size, tipX, tipY);
            pass.view.DrawLine(base.x, base.y, tipX, tipY, colours.notch);
        }
    }
    for (int i = 0; i < pattern->GetMarkPointCount(); ++i) {
        CBasePoint *point = pattern->GetMarkPointAt(i);
        const bool isGradePoint =
            std::any_of(gradePoints.begin(), gradePoints.end(),
                        [point](const auto &entry) { return entry.first == point; });
        if (isGradePoint)
            continue;
        const DPOINT at = point->GetPosition(size);
        pass.view.DrawCrossMarker(at.x, at.y, 3, colours.marker);
    }
    for (const auto &[point, at] : gradePoints) {
        if (const CBasePoint *linked = linkedPoint(*point))
            drawLine(pass.view, at, linked->GetPosition(size), colours.marker);
        else
            pass.view.DrawCrossMarker(at.x, at.y, 2, colours.marker);
    }
    if (!pass.view.GetMarkerFilterFlag())
        return;
    for (const auto &[point, at] : gradePoints)
        pass.view.FillSquareMarker(at.x, at.y, 1, colours.marker);
}

void CMaskDrawing::DrawRegion(const Pass &pass, IRegion *region, IBaseFormula *formula,
                              bool selected)
{
    const COptions &options = pass.options;
    const uint32_t selectedColour = colourOf(options.m_pSelectedObjects);
    const DPOINT position = region->GetPosition();
    const double angle = region->GetDirection(true);
    if (formula != nullptr && options.m_pShowFormulaDirection->GetValue() &&
        formula->GetFormulaType() != kRegionLikePoint &&
        formula->GetFormulaType() != kGlobalInterpolate) {
        const uint32_t colour = selected ? selectedColour : colourOf(options.m_pFormulaDirection);
        const DPOINT tip = along(position, angle, pass.view.PixelsToWorld(kArrowLength));
        drawLine(pass.view, position, tip, colour);
        pass.view.DrawArrowHead(tip.x, tip.y, angle, kArrowHeadLength, kArrowHeadWidth, colour,
                                true);
    }
    for (int edge = 0; edge < 4; ++edge) {
        const bool base = edge == 0;
        if (!(base ? options.m_pShowRegionBaseLine : options.m_pShowRegionBorder)->GetValue())
            continue;
        DPOINT from;
        DPOINT to;
        if (!region->GetClippedEdge(pass.visible, edge, from, to))
            continue;
        const uint32_t colour =
            selected ? selectedColour
                     : colourOf(base ? options.m_pRegionBaseLine : options.m_pRegionBorder);
        pass.view.SetPenStyle(base ? PS_SOLID : PS_DOT);
        drawLine(pass.view, from, to, colour);
        pass.view.SetPenStyle(PS_SOLID);
    }
}

void CMaskDrawing::DrawRegionLabel(const Pass &pass, IRegion *region, IBaseFormula *formula,
                                   bool selected)
{
    const COptions &options = pass.options;
    if (formula == nullptr || !options.m_pShowFormulaDirection->GetValue())
        return;
    const std::string &label = GetRegionLabel(formula);
    if (label.empty())
        return;
    const uint32_t colour =
        colourOf(selected ? options.m_pSelectedObjects : options.m_pFormulaDirection);
    const DPOINT at = along(region->GetPosition(), region->GetDirection(true),
                            pass.view.PixelsToWorld(kLabelDistance));
    pass.view.DrawTextFont(at.x, at.y, label, colour, kLabelPointSize, kLabelFace);
}

void CMaskDrawing::DrawPointNames(const Pass &pass, CPattern *pattern)
{
    const uint32_t colour = pattern->IsMaskPattern() ? kGrey : kBlack;
    for (int i = 0; i < pattern->GetGradePointCount(); ++i) {
        const CBasePoint *point = pattern->GetGradePointAt(i);
        double x = 0.0;
        double y = 0.0;
        point->GetTextPlace(nullptr, x, y);
        pass.view.DrawTextFont(x, y, point->GetDrawText(), colour, kLabelPointSize, kLabelFace);
    }
}
