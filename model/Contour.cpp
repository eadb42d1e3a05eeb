// Morvane model library.
// A contour: whole polylines laid end to end, trimmed into an outline with area and turns.
#include "model/Contour.h"

#include "foundation/CurveShape.h"
#include "foundation/TextFormat.h"
#include "model/BasePoint.h"
#include "model/ContourOutline.h"
#include "model/Pattern.h"
#include "model/PatternLocation.h"
#include "model/Polyline.h"
#include "model/ShapeCrossing.h"

#include <algorithm>
#include <memory>
#include <unordered_set>

using namespace morvane;

static const CRuntimeClass kContourClass("CContour", nullptr, CMvItem::GetThisClass());

const CRuntimeClass *CContour::GetThisClass()
{
    return &kContourClass;
}

CContour::CContour()
{
    SetHandlerId(kModelHandlerId | kSourceKind, this);
}

CContour::~CContour() = default;

int CContour::GetContourLineCount() const
{
    return m_oContourLines.GetCount();
}

IContourLine *CContour::GetContourLineAt(int i) const
{
    return m_oContourLines.GetAt(i);
}

int CContour::AddContourLine(CPolyline *polyline, bool backward)
{
    auto line = std::make_unique<CContourLine>();
    line->Create(this, polyline, backward);
    const int index = m_oContourLines.AddOwned(std::move(line));
    MarkChanged();
    return index;
}

IMaskContour *CContour::GetMaskContour()
{
    return nullptr;
}

void CContour::RemoveContourLineAt(int i)
{
    m_oContourLines.DeleteAt(i);
    m_bClosed = false;
    MarkChanged();
}

void CContour::Create(CPattern *pattern)
{
    m_pPattern = pattern;
}

int CContour::FindContourLine(const CPolyline *polyline) const
{
    for (int i = 0; i < m_oContourLines.GetCount(); ++i) {
        if (m_oContourLines.GetAt(i)->GetPolyline() == polyline)
            return i;
    }
    return -1;
}

IContourLine *CContour::GetPrevContourLine(const IContourLine *line) const
{
    for (int i = 0; i < m_oContourLines.GetCount(); ++i) {
        if (m_oContourLines.GetAt(i) != line)
            continue;
        if (i > 0)
            return m_oContourLines.GetAt(i - 1);
        return m_bClosed ? m_oContourLines.GetLast() : nullptr;
    }
    return nullptr;
}

void CContour::SetClosed(bool closed)
{
    if (closed == m_bClosed)
        return;
    m_bClosed = closed;
    MarkChanged();
}

void CContour::InvalidateContourData()
{
    m_oContourData.m_bValid = false;
    m_oSliderContourData.m_bValid = false;
    m_bRuntimeDataDirty = true;
}

std::string CContour::GetFormatName() const
{
    const int index = m_pPattern != nullptr ? m_pPattern->FindContour(this) : -1;
    if (index >= 0)
        return format("C%d", index + 1);
    return format("C%d", (m_pPattern != nullptr ? m_pPattern->GetContourCount() : 0) + 1);
}

bool CContour::ContaintsPoint(const CBasePoint *point) const
{
    for (const CContourLine *line : m_oContourLines) {
        if (line->GetPolyline() != nullptr && line->GetPolyline()->ContaintsShapePoint(point))
            return true;
    }
    return false;
}

void CContour::GetAllContourPoints(const IGradeSize *size, std::vector<DPOINT> *points,
                                   CPtrCollection<CBasePoint> *basePoints,
                                   std::vector<int> *backwardFlags, bool withSliders,
                                   bool attachAtEnds) const
{
    GetOutContour(points, basePoints, backwardFlags, size, false, withSliders, attachAtEnds);
}

// The outline less its closing position when asked; a copy the caller may change.
static ContourData outlineCopy(const ContourData &outline, bool closed, bool dropClosingPoint)
{
    ContourData copy = outline;
    if (dropClosingPoint && closed && copy.GetCount() > 0)
        copy.RemoveLast();
    return copy;
}

bool CContour::GetOutContour(std::vector<DPOINT> *points, CPtrCollection<CBasePoint> *basePoints,
                             std::vector<int> *backwardFlags, const IGradeSize *size,
                             bool dropClosingPoint, bool withSliders, bool attachAtEnds) const
{
    ContourData scratch;
    const ContourData outline = outlineCopy(GetOutline(size, withSliders, attachAtEnds, scratch),
                                            m_bClosed, dropClosingPoint);
    if (points != nullptr)
        *points = outline.m_aPoints;
    if (basePoints != nullptr) {
        basePoints->RemoveAll();
        for (CBasePoint *point : outline.m_aBasePoints)
            basePoints->Add(point);
    }
    if (backwardFlags != nullptr)
        *backwardFlags = outline.m_aBackwardFlags;
    return outline.GetCount() > 0;
}

bool CContour::GetOutContour(std::vector<DPOINT> *points, std::vector<int> *basePointIndexes,
                             std::vector<int> *backwardFlags, const IGradeSize *size,
                             bool dropClosingPoint, bool withSliders, bool attachAtEnds) const
{
    CPtrCollection<CBasePoint> basePoints;
    const bool found = GetOutContour(points, &basePoints, backwardFlags, size, dropClosingPoint,
                                     withSliders, attachAtEnds);
    if (basePointIndexes != nullptr) {
        basePointIndexes->clear();
        for (const CBasePoint *point : basePoints) {
            const bool held = point != nullptr && m_pPattern != nullptr;
            basePointIndexes->push_back(held ? m_pPattern->FindBasePoint(point) : -1);
        }
    }
    return found;
}

void CContour::AppendBasePoints(CPtrCollection<CBasePoint> &out, bool unique, bool withSliders,
                                bool attachAtEnds) const
{
    ContourData scratch;
    const ContourData outline =
        outlineCopy(GetOutline(nullptr, withSliders, attachAtEnds, scratch), m_bClosed, true);
    std::unordered_set<const CBasePoint *> held;
    if (unique)
        held.insert(out.begin(), out.end());
    for (CBasePoint *point : outline.m_aBasePoints) {
        if (point == nullptr || (unique && !held.insert(point).second))
            continue;
        out.Add(point);
    }
    if (unique && out.GetCount() >= 2 && out.GetFirst() == out.GetLast())
        out.RemoveAt(out.GetCount() - 1);
}

void CContour::GetOutContour(CPtrCollection<CBasePoint> *out, bool withSliders,
                             bool attachAtEnds) const
{
    out->RemoveAll();
    AppendBasePoints(*out, true, withSliders, attachAtEnds);
}

int CContour::GetGradePointCount() const
{
    CPtrCollection<CBasePoint> points;
    GetOutContour(&points, false, false);
    return points.GetCount();
}

CDRect CContour::GetAbsRect() const
{
    ContourData scratch;
    CDRect rect;
    rect.IncludePoints(GetOutline(nullptr, false, false, scratch).m_aPoints);
    return rect;
}

void CContour::GetCCWContour(int start, std::vector<DPOINT> &points, std::vector<int> *indexes,
                             std::vector<int> *backwardFlags)
{
    const int count = static_cast<int>(points.size());
    if (count == 0)
        return;
    CCurveShape shape;
    shape.SetPoints(points);
    const bool clockwise = shape.IsClockwise();
    const int first = std::max(start, 0) % count;
    const std::vector<DPOINT> oldPoints = points;
    const std::vector<int> oldIndexes = indexes != nullptr ? *indexes : std::vector<int>();
    const std::vector<int> oldFlags =
        backwardFlags != nullptr ? *backwardFlags : std::vector<int>();
    for (int k = 0; k < count; ++k) {
        const int source = clockwise ? ((first - k) % count + count) % count : (first + k) % count;
        const auto target = static_cast<size_t>(k);
        const auto from = static_cast<size_t>(source);
        points[target] = oldPoints[from];
        if (from < oldIndexes.size())
            (*indexes)[target] = oldIndexes[from];
        if (from < oldFlags.size())
            (*backwardFlags)[target] = clockwise ? (oldFlags[from] == 0 ? 1 : 0) : oldFlags[from];
    }
}

double CContour::GetClosedArea() const
{
    UpdateRuntimeData();
    return m_dArea;
}

bool CContour::IsClockwise() const
{
    UpdateRuntimeData();
    return IsPatternFlipped() ? m_dArea >= 0.0 : m_dArea < 0.0;
}

double CContour::GetTurnAngle(const CBasePoint *point) const
{
    UpdateRuntimeData();
    const auto found = m_oTurnAngles.find(point);
    if (found == m_oTurnAngles.end())
        return 0.0;
    return IsPatternFlipped() ? -found->second : found->second;
}

// A polyline's shape for the size, with its own slider points when asked.
static std::vector<DPOINT> shapeOf(const CPolyline *polyline, const IGradeSize *size,
                                   bool withSliders)
{
    std::vector<DPOINT> shape;
    if (withSliders)
        polyline->GetShapeWithSliderPoints(size, shape, nullptr, false);
    else
        polyline->GetShape(size, shape, nullptr);
    return shape;
}

bool CContour::FindIntersect(const CPolyline *first, const CPolyline *second,
                             const IGradeSize *size, DPOINT *point, int &firstIndex,
                             int &secondIndex, bool reverseSecond, bool withSliders) const
{
    ShapeCrossing crossing;
    if (!findShapeCrossing(shapeOf(first, size, withSliders), shapeOf(second, size, withSliders),
                           reverseSecond, crossing))
        return false;
    if (point != nullptr)
        *point = crossing.point;
    firstIndex = crossing.firstSegment;
    secondIndex = crossing.secondSegment;
    return true;
}

namespace {

/// A point of a path with the contour line it came from.
struct PathEntry
{
    CBasePoint *point;
    CContourLine *line;
};

} // namespace

static int findPathEntry(const std::vector<PathEntry> &entries, const CBasePoint *point)
{
    for (size_t i = 0; i < entries.size(); ++i) {
        if (entries[i].point == point)
            return static_cast<int>(i);
    }
    return -1;
}

void CContour::GetPath(const CBasePoint *from, const CBasePoint *to, bool backward,
                       CPtrCollection<CBasePoint> *points,
                       CPtrCollection<IContourLine> *lines) const
{
    std::vector<PathEntry> entries;
    for (CContourLine *line : m_oContourLines) {
        const CPolyline *polyline = line->GetPolyline();
        const int count = polyline != nullptr ? polyline->GetPointCount() : 0;
        for (int k = 0; k < count; ++k)
            entries.push_back(
                {polyline->GetBasePointAt(line->IsBackward() ? count - 1 - k : k), line});
    }
    std::vector<PathEntry> path;
    int i = findPathEntry(entries, from);
    const bool found = i >= 0 && findPathEntry(entries, to) >= 0;
    const int count = static_cast<int>(entries.size());
    if (found) {
        path.push_back(entries[static_cast<size_t>(i)]);
        for (int steps = 0; path.back().point != to && steps < count; ++steps) {
            i += backward ? -1 : 1;
            if ((i < 0 || i >= count) && !m_bClosed) {
                path.clear();
                break;
            }
            i = (i + count) % count;
            path.push_back(entries[static_cast<size_t>(i)]);
        }
    }
    if (points != nullptr)
        points->RemoveAll();
    if (lines != nullptr)
        lines->RemoveAll();
    for (const PathEntry &entry : path) {
        if (points != nullptr)
            points->Add(entry.point);
        if (lines != nullptr)
            lines->Add(entry.line);
    }
}

void CContour::MarkChanged()
{
    InvalidateContourData();
    SendAfterChange(-1);
}

bool CContour::IsPatternFlipped() const
{
    return m_pPattern != nullptr && m_pPattern->GetPatternLocation()->IsFlipped();
}

ContourData CContour::BuildOutline(const IGradeSize *size, bool withSliders,
                                   bool attachAtEnds) const
{
    std::vector<OutlineLine> lines;
    for (const CContourLine *line : m_oContourLines) {
        if (line->GetPolyline() != nullptr)
            lines.push_back({line->GetPolyline(), line->IsBackward()});
    }
    return buildContourOutline(lines, m_bClosed, size, withSliders, attachAtEnds);
}

// The base-size outline without attaching comes from its cache; any other is built into
// scratch.
const ContourData &CContour::GetOutline(const IGradeSize *size, bool withSliders, bool attachAtEnds,
                                        ContourData &scratch) const
{
    if (size != nullptr || attachAtEnds) {
        scratch = BuildOutline(size, withSliders, attachAtEnds);
        return scratch;
    }
    ContourData &cache = withSliders ? m_oSliderContourData : m_oContourData;
    if (!cache.m_bValid) {
        cache = BuildOutline(nullptr, withSliders, false);
        cache.m_bValid = true;
    }
    return cache;
}

void CContour::UpdateRuntimeData() const
{
    if (!m_bRuntimeDataDirty)
        return;
    m_bRuntimeDataDirty = false;
    m_dArea = m_bClosed ? ComputeClosedArea() : 0.0;
    UpdateTurnAngles();
}

double CContour::ComputeClosedArea() const
{
    ContourData scratch;
    const ContourData &outline = GetOutline(nullptr, false, false, scratch);
    if (outline.GetCount() <= 2)
        return 0.0;
    CCurveShape shape;
    shape.SetPoints(outline.m_aPoints);
    return IsPatternFlipped() ? -shape.GetArea() : shape.GetArea();
}

// Every grade point of the outline gets the turn of the outline there; the map is rebuilt, so
// a point that left the outline or changed its type has no angle any more.
void CContour::UpdateTurnAngles() const
{
    m_oTurnAngles.clear();
    ContourData scratch;
    const ContourData outline =
        outlineCopy(GetOutline(nullptr, true, false, scratch), m_bClosed, true);
    if (outline.GetCount() == 0)
        return;
    CCurveShape shape;
    shape.SetPoints(outline.m_aPoints);
    const bool flipped = IsPatternFlipped();
    for (int i = 0; i < outline.GetCount(); ++i) {
        const CBasePoint *point = outline.m_aBasePoints[static_cast<size_t>(i)];
        if (point == nullptr || point->GetGradeType() != GRADE_POINT_GRADE)
            continue;
        if (m_pPattern == nullptr || m_pPattern->FindBasePoint(point) < 0)
            continue;
        const double angle = shape.GetTurnAngle(i);
        m_oTurnAngles[point] = flipped ? -angle : angle;
    }
}
