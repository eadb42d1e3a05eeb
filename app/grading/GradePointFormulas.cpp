// Morvane program grading.
// Runtime formulas for the grade points of a pattern that no formula grades on both axes.
#include "app/grading/GradePointFormulas.h"

#include "formulas/RuntimeExternalFormula.h"
#include "formulas/RuntimeGlobalInterpolateFormula.h"
#include "formulas/RuntimeInterpolateFormula.h"
#include "model/BasePoint.h"
#include "model/Contour.h"
#include "model/FormulaManager.h"
#include "model/InputPoint.h"
#include "model/Pattern.h"
#include "model/Polyline.h"

#include <algorithm>

namespace {

constexpr int kPathFormulaType = 2;
constexpr int kApplyNone = 2;

} // namespace

GradePointFormulas::GradePointFormulas(CPattern &pattern,
                                       const CPtrCollection<CBasePoint> &gradePoints,
                                       IFormulaManager &manager,
                                       CPtrCollection<IBaseFormula> &runtime,
                                       COwningCollection<IBaseFormula> &owned,
                                       GradePointOptions options)
    : m_pattern(pattern)
    , m_gradePoints(gradePoints)
    , m_manager(manager)
    , m_runtime(runtime)
    , m_owned(owned)
    , m_options(options)
{
}

void GradePointFormulas::makeFormulas()
{
    indexLines();
    m_validationMade = false;
    makeLikePointFormulas();
    makePass(true);
    makePass(false);
}

/// A slider whose source names its anchor is graded outside the formulas, after its line.
void GradePointFormulas::makeLikePointFormulas()
{
    for (CBasePoint *point : m_gradePoints) {
        IInputPoint *input = point->GetInputPoint();
        if (point->GetParent() != &m_pattern || !point->IsSliderPoint() || input == nullptr)
            continue;
        CPolyline *line = nullptr;
        if (input->GetSliderAnchor(line) == nullptr)
            continue;
        std::unique_ptr<IBaseFormula> made =
            m_manager.MakeGlobalFormula(CRuntimeExternalFormula::kFormulaType, nullptr);
        auto *external = dynamic_cast<CRuntimeExternalFormula *>(made.get());
        if (external == nullptr)
            continue;
        external->SetPoint(point);
        addMade(std::move(made));
    }
}

void GradePointFormulas::makePass(bool endPoints)
{
    indexGradingFormulas();
    for (CBasePoint *point : m_gradePoints) {
        if (point->GetParent() != &m_pattern)
            continue;
        const Axes graded = gradedAxes(point);
        if (graded.both())
            continue;
        if (!endPoints)
            makeSecondPassFormula(point, graded);
        else if (!point->IsSliderPoint() && !linesThrough(point).empty())
            makePathFormula(point, graded, true);
    }
}

void GradePointFormulas::makeSecondPassFormula(CBasePoint *point, Axes graded)
{
    if (point->IsSliderPoint()) {
        makeNearestPointFormula(point, graded);
        return;
    }
    if (callsForValidation(point)) {
        makeValidationFormula();
        return;
    }
    makePathFormula(point, graded, false);
}

bool GradePointFormulas::callsForValidation(CBasePoint *point) const
{
    const bool onLine = !linesThrough(point).empty();
    if (!onLine)
        return m_options.interpolateMarkPoints;
    return m_options.interpolateInternalLinePoints && !point->IsOutlinePoint();
}

/// Path formulas and the interpolations made here between neighbours do not count as grading a
/// point, but the anchor search follows every formula.
void GradePointFormulas::indexGradingFormulas()
{
    m_gradingFormulas.clear();
    m_gradedAxes.clear();
    for (IBaseFormula *formula : m_runtime) {
        CPtrCollection<CBasePoint> points;
        formula->CollectPoints(points);
        const bool madeInterpolation =
            formula->IsRuntimeFormula() &&
            formula->GetFormulaType() == CRuntimeInterpolateFormula::kFormulaType;
        const bool counts = formula->GetFormulaType() != kPathFormulaType && !madeInterpolation;
        for (const CBasePoint *point : points) {
            m_gradingFormulas[point].push_back(formula);
            if (!counts)
                continue;
            Axes &graded = m_gradedAxes[point];
            graded.x = graded.x || formula->GetApplyTypeX() != kApplyNone;
            graded.y = graded.y || formula->GetApplyTypeY() != kApplyNone;
        }
    }
}

void GradePointFormulas::addMade(std::unique_ptr<IBaseFormula> made)
{
    IBaseFormula *formula = made.get();
    m_runtime.Add(formula);
    m_owned.Add(made.release());
    CPtrCollection<CBasePoint> points;
    formula->CollectPoints(points);
    for (const CBasePoint *point : points)
        m_gradingFormulas[point].push_back(formula);
}

GradePointFormulas::Axes GradePointFormulas::gradedAxes(const CBasePoint *point) const
{
    const auto found = m_gradedAxes.find(point);
    return found != m_gradedAxes.end() ? found->second : Axes{};
}

bool GradePointFormulas::LinePlace::atEnd() const
{
    return index == 0 || index == line->GetPointCount() - 1;
}

void GradePointFormulas::indexLines()
{
    for (int i = 0; i < m_pattern.GetPolylineCount(); ++i) {
        const CPolyline *line = m_pattern.GetPatternPolylineAt(i);
        for (int p = 0; p < line->GetPointCount(); ++p) {
            std::vector<LinePlace> &places = m_lines[line->GetBasePointAt(p)];
            if (places.empty() || places.back().line != line)
                places.push_back({line, p});
        }
    }
}

const std::vector<GradePointFormulas::LinePlace> &
GradePointFormulas::linesThrough(const CBasePoint *point) const
{
    static const std::vector<LinePlace> kNone;
    const auto found = m_lines.find(point);
    return found != m_lines.end() ? found->second : kNone;
}

GradePointFormulas::PolylinePlace GradePointFormulas::placeOnLines(const CBasePoint *point) const
{
    PolylinePlace place;
    if (m_pattern.FindMarkPoint(point) >= 0)
        return place;
    for (const LinePlace &line : linesThrough(point)) {
        place.end = place.end || line.atEnd();
        place.interior = place.interior || !line.atEnd();
    }
    return place;
}

bool GradePointFormulas::isReferenced(const CBasePoint *point) const
{
    for (IBaseFormula *formula : m_runtime)
        if (m_owned.Find(formula) < 0 && formula->UsesPoint(point))
            return true;
    return false;
}

void GradePointFormulas::makePathFormula(CBasePoint *point, Axes graded, bool endPoints)
{
    const PolylinePlace place = placeOnLines(point);
    // A point at the end of one of the pattern's lines is on its outline.
    if (endPoints ? !place.end : (place.end || !place.interior))
        return;
    const bool wanted =
        endPoints ? m_options.singlePolylinePoints : m_options.gradeProportionalPoints;
    if (!wanted && !isReferenced(point))
        return;
    CBasePoint *first = nullptr;
    CBasePoint *second = nullptr;
    if (!findNeighbours(point, endPoints, first, second))
        return;
    makeInterpolation(point, first, second, graded);
}

void GradePointFormulas::makeInterpolation(CBasePoint *point, CBasePoint *first, CBasePoint *second,
                                           Axes graded)
{
    std::unique_ptr<IBaseFormula> made =
        m_manager.MakeGlobalFormula(CRuntimeInterpolateFormula::kFormulaType, nullptr);
    auto *formula = dynamic_cast<CRuntimeInterpolateFormula *>(made.get());
    if (formula == nullptr)
        return;
    formula->SetPoint(0, point);
    formula->SetPoint(1, first);
    formula->SetPoint(2, second);
    formula->SetApplyTypeX(graded.x ? kApplyNone : 1);
    formula->SetApplyTypeY(graded.y ? kApplyNone : 1);
    addMade(std::move(made));
}

/// A slider follows the two grade points of its line on either side of it, on the axes nothing
/// grades; nothing is made when either is missing or would close a cycle.
void GradePointFormulas::makeNearestPointFormula(CBasePoint *point, Axes graded)
{
    CPolyline *line = nullptr;
    point->FindSliderPoint(line);
    if (line == nullptr)
        return;
    CBasePoint *before = nullptr;
    CBasePoint *after = nullptr;
    line->GetNearestGradePoints(point->GetAbsPosition(), before, after);
    if (before == nullptr || after == nullptr || closesCycle(before, point) ||
        closesCycle(after, point))
        return;
    makeInterpolation(point, before, after, graded);
}

void GradePointFormulas::makeValidationFormula()
{
    if (m_validationMade)
        return;
    m_validationMade = true;
    std::unique_ptr<IBaseFormula> made =
        m_manager.MakeGlobalFormula(CRuntimeGlobalInterpolateFormula::kFormulaType, nullptr);
    auto *formula = dynamic_cast<CRuntimeGlobalInterpolateFormula *>(made.get());
    if (formula == nullptr)
        return;
    formula->SetPointsPattern(&m_pattern);
    formula->SetPointKind(INTERPOLATE_FREE, m_options.interpolateMarkPoints);
    formula->SetPointKind(INTERPOLATE_INNER_CONTOUR, m_options.interpolateInternalLinePoints);
    formula->SetGradingFormulas(&m_runtime);
    addMade(std::move(made));
}

bool GradePointFormulas::findNeighbours(const CBasePoint *point, bool alongOutline,
                                        CBasePoint *&first, CBasePoint *&second)
{
    for (const LinePlace &place : linesThrough(point)) {
        if (place.atEnd() != alongOutline)
            continue;
        first = alongOutline ? walkOutline(point, place.line, -1) : walkLine(point, place, -1);
        second = alongOutline ? walkOutline(point, place.line, 1) : walkLine(point, place, 1);
        if (first != nullptr && second != nullptr)
            return true;
    }
    return false;
}

CBasePoint *GradePointFormulas::walkLine(const CBasePoint *point, const LinePlace &place, int step)
{
    const int count = place.line->GetPointCount();
    for (int i = place.index + step; i >= 0 && i < count; i += step) {
        CBasePoint *candidate = place.line->GetBasePointAt(i);
        if (isAnchorFor(candidate, point))
            return candidate;
        if (i == 0 || i == count - 1)
            return closesCycle(candidate, point) ? nullptr : candidate;
    }
    return nullptr;
}

CBasePoint *GradePointFormulas::walkOutline(const CBasePoint *point, const CPolyline *line,
                                            int step)
{
    bool reversed = false;
    int lineIndex = 0;
    const int contourIndex = m_pattern.FindContour(line, reversed, lineIndex);
    if (contourIndex < 0)
        return nullptr;
    const CContour *contour = m_pattern.GetContourAt(contourIndex);
    const CPtrCollection<CBasePoint> &outline = outlineOf(contour);
    const int count = outline.GetCount();
    const int start = outline.Find(point);
    if (start < 0)
        return nullptr;
    for (int walked = 1; walked < count; ++walked) {
        int i = start + step * walked;
        if (!contour->IsClosed() && (i < 0 || i >= count))
            return nullptr;
        i = (i % count + count) % count;
        if (isAnchorFor(outline.GetAt(i), point))
            return outline.GetAt(i);
    }
    return nullptr;
}

const CPtrCollection<CBasePoint> &GradePointFormulas::outlineOf(const CContour *contour)
{
    auto [entry, added] = m_outlines.try_emplace(contour);
    if (added)
        contour->GetOutContour(&entry->second, false, false);
    return entry->second;
}

bool GradePointFormulas::isAnchorFor(CBasePoint *candidate, const CBasePoint *point)
{
    if (candidate == nullptr || candidate == point || !gradedAxes(candidate).both())
        return false;
    return !closesCycle(candidate, point);
}

bool GradePointFormulas::closesCycle(const CBasePoint *candidate, const CBasePoint *point) const
{
    std::vector<const CBasePoint *> visited;
    return candidate == point || dependsOn(candidate, point, visited);
}

bool GradePointFormulas::dependsOn(const CBasePoint *graded, const CBasePoint *point,
                                   std::vector<const CBasePoint *> &visited) const
{
    if (std::find(visited.begin(), visited.end(), graded) != visited.end())
        return false;
    visited.push_back(graded);
    const auto formulas = m_gradingFormulas.find(graded);
    if (formulas == m_gradingFormulas.end())
        return false;
    for (IBaseFormula *formula : formulas->second) {
        if (formula->UsesPoint(point))
            return true;
        CPtrCollection<CBasePoint> read;
        formula->CollectUsedPoints(read);
        for (const CBasePoint *source : read)
            if (source != graded && dependsOn(source, point, visited))
                return true;
    }
    return false;
}
