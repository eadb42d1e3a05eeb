// Morvane model library.
// Editing a mask pattern's points, polylines and contours, with the records that undo them.
#include "model/GradeMask.h"
#include "model/History.h"
#include "model/MaskContour.h"
#include "model/MaskPattern.h"
#include "model/MaskPoint.h"
#include "model/MaskPointList.h"
#include "model/MaskPolyline.h"

#include <algorithm>

using namespace morvane;

namespace {

/// Ends an undo group with the pattern's caches dropped: undoing or redoing a change of a
/// line's points sends no event that would drop them.
class GeometryRefreshItem final : public CHistoryItem
{
public:
    explicit GeometryRefreshItem(CMaskPattern &pattern)
        : m_pattern(pattern)
    {
    }

    void Undo() override { m_pattern.InvalidateGeometryAndRules(); }
    void Redo() override { m_pattern.InvalidateGeometryAndRules(); }

private:
    CMaskPattern &m_pattern;
};

/// A line taken out of a contour, owned by this record while it is out.
class ContourLineRemovalItem final : public CHistoryItem
{
public:
    ContourLineRemovalItem(CMaskContour &contour, int index)
        : m_contour(contour)
        , m_index(index)
        , m_closed(contour.IsClosed())
    {
    }

    void Undo() override { m_contour.RestoreContourLine(m_index, std::move(m_line), m_closed); }
    void Redo() override { m_line = m_contour.TakeContourLineAt(m_index); }

private:
    CMaskContour &m_contour;
    int m_index;
    bool m_closed;
    std::unique_ptr<CContourLine> m_line;
};

/// One edit of a pattern as one group of the history (nothing without a history), opened and
/// closed by a refresh of the pattern's caches, so that undo and redo both end with one.
class RecordedEdit
{
public:
    RecordedEdit(CMaskPattern &pattern, CHistory *history)
        : m_pattern(pattern)
        , m_history(history)
    {
        if (m_history == nullptr)
            return;
        m_history->BeginGroup();
        m_history->AddItem(std::make_unique<GeometryRefreshItem>(m_pattern));
    }
    ~RecordedEdit()
    {
        if (m_history == nullptr)
            return;
        m_history->AddItem(std::make_unique<GeometryRefreshItem>(m_pattern));
        m_history->EndGroup();
    }
    RecordedEdit(const RecordedEdit &) = delete;
    RecordedEdit &operator=(const RecordedEdit &) = delete;

private:
    CMaskPattern &m_pattern;
    CHistory *m_history;
};

} // namespace

// Takes element i out of an owning collection: into the history's keeping when there is one,
// else deleted.
template <class T>
static void removeOwned(COwningCollection<T> &collection, int i, CHistory *history)
{
    if (history == nullptr) {
        collection.DeleteAt(i);
        return;
    }
    history->AddRemoval(collection, i);
    collection.RemoveAt(i);
}

// Takes element i out of a plain collection, recorded when there is a history.
template <class T>
static void removeRecorded(CPtrCollection<T> &collection, int i, CHistory *history)
{
    if (history != nullptr)
        history->AddRemoval(collection, i);
    collection.RemoveAt(i);
}

template <class T>
static void recordInsertion(CPtrCollection<T> &collection, int i, CHistory *history)
{
    if (history != nullptr)
        history->AddInsertion(collection, i);
}

CHistory *CMaskPattern::GetRecordingHistory() const
{
    if (m_pGradeMask == nullptr || m_pGradeMask->FindPattern(this) < 0)
        return nullptr;
    return m_pGradeMask->GetHistory();
}

// Over the mask's patterns (when the pattern knows its mask) and its own points, which need
// not be on the mask yet.
void CMaskPattern::LastPointIds(int &grade, int &other) const
{
    grade = 0;
    other = 0;
    if (m_pGradeMask != nullptr)
        m_pGradeMask->GetLastPointId(grade, other);
    for (const CBasePoint *point : m_oBasePoints) {
        int &last = point->GetGradeType() == GRADE_POINT_GRADE ? grade : other;
        last = std::max(last, point->GetPointId());
    }
}

void CMaskPattern::InsertPolyline(std::unique_ptr<CMaskPolyline> polyline, int index)
{
    InvalidateRect();
    polyline->SetOwner(this);
    m_oPolylines.InsertAt(index < 0 ? GetPolylineCount() : index, polyline.release());
}

CMaskPolyline *CMaskPattern::InsertNewPolyline(int index, GRADE_LINE_TYPE type,
                                               const CPtrCollection<CBasePoint> &points)
{
    InvalidateRect();
    auto polyline = std::make_unique<CMaskPolyline>();
    polyline->Create(this, type);
    for (CBasePoint *point : points)
        polyline->AppendPoint(point);
    CMaskPolyline *inserted = polyline.get();
    const int at = index < 0 ? GetPolylineCount() : index;
    m_oPolylines.InsertAt(at, polyline.release());
    recordInsertion(m_oPolylines, at, GetRecordingHistory());
    return inserted;
}

int CMaskPattern::AddGradePoint(DPOINT p)
{
    const int existing = FindBasePoint(p, 0.25, GRADE_POINT_GRADE);
    return existing >= 0 ? existing : AddPoint(p, GRADE_POINT_GRADE);
}

int CMaskPattern::AddPoint(DPOINT p, GRADE_POINT_TYPE type)
{
    int grade = 0;
    int other = 0;
    LastPointIds(grade, other);
    auto point = std::make_unique<CMaskPoint>();
    point->SetX(p.x);
    point->SetY(p.y);
    point->SetGradeType(type);
    point->SetPointID((type == GRADE_POINT_GRADE ? grade : other) + 1);
    const int index = InsertBasePoint(std::move(point), -1);
    recordInsertion(m_oBasePoints, index, GetRecordingHistory());
    return index;
}

int CMaskPattern::InsertBasePoint(std::unique_ptr<CMaskPoint> point, int index)
{
    const int at = index < 0 ? GetBasePointCount() : index;
    point->SetParent(this);
    m_oBasePoints.InsertAt(at, point.release());
    return at;
}

std::unique_ptr<CMaskContour> CMaskPattern::CreateMaskContour()
{
    auto contour = std::make_unique<CMaskContour>();
    contour->Create(this);
    return contour;
}

void CMaskPattern::InsertContour(int index, std::unique_ptr<CMaskContour> contour)
{
    InvalidateRect();
    contour->Create(this);
    if (index < 0 || index > GetContourCount())
        index = GetContourCount();
    m_oContours.InsertAt(index, contour.release());
    recordInsertion(m_oContours, index, GetRecordingHistory());
}

void CMaskPattern::RemoveFromContours(const CPolyline *polyline, CHistory *history)
{
    for (int c = GetContourCount() - 1; c >= 0; --c) {
        auto *contour = static_cast<CMaskContour *>(GetContourAt(c));
        if (contour->FindContourLine(polyline) < 0)
            continue;
        if (contour->GetContourLineCount() == 1) {
            removeOwned(m_oContours, c, history);
            continue;
        }
        for (int k = contour->FindContourLine(polyline); k >= 0;
             k = contour->FindContourLine(polyline)) {
            if (history == nullptr) {
                contour->RemoveContourLineAt(k);
                continue;
            }
            auto removal = std::make_unique<ContourLineRemovalItem>(*contour, k);
            removal->Redo();
            history->AddItem(std::move(removal));
        }
    }
}

void CMaskPattern::DeletePolyline(int index)
{
    CHistory *history = GetRecordingHistory();
    const RecordedEdit edit(*this, history);
    CPolyline *polyline = GetPatternPolylineAt(index);
    CPtrCollection<CBasePoint> points;
    polyline->AppendBasePonts(points);
    RemoveFromContours(polyline, history);
    removeOwned(m_oPolylines, index, history);
    for (CBasePoint *point : points) {
        const int pointIndex = FindBasePoint(point);
        if (pointIndex >= 0 && !IsUsedBasePoint(point))
            DeleteBasePoint(pointIndex);
    }
}

void CMaskPattern::RemoveFromLines(const CBasePoint *point, CHistory *history)
{
    for (CPolyline *line : m_oPolylines) {
        CPtrCollection<CBasePoint> &linePoints =
            static_cast<CMaskPolyline *>(line)->GetBasePointCollection();
        for (int k = linePoints.Find(point); k >= 0; k = linePoints.Find(point))
            removeRecorded(linePoints, k, history);
    }
}

void CMaskPattern::DeleteBasePoint(int index)
{
    CHistory *history = GetRecordingHistory();
    const RecordedEdit edit(*this, history);
    CBasePoint *point = GetBasePointAt(index);
    const bool onLines = IsUsedBasePoint(point);
    RemoveFromLines(point, history);
    const int mark = FindMarkPoint(point);
    if (mark >= 0)
        removeRecorded(m_oMarkPoints, mark, history);
    removeOwned(m_oBasePoints, index, history);
    onLines ? InvalidateGeometryAndRules() : InvalidateGeometry();
}

CMaskPolyline *CMaskPattern::SplitPolyline(CPolyline *line, CBasePoint *at,
                                           CPtrCollection<CBasePoint> *moved)
{
    const int lineIndex = FindPolyline(line);
    const int position = line->FindBasePoint(at);
    if (lineIndex < 0 || position < 0)
        return nullptr;
    auto *maskLine = static_cast<CMaskPolyline *>(line);
    CHistory *history = GetRecordingHistory();
    const RecordedEdit edit(*this, history);
    // The points after `at` leave the old line from the last: the records must be made while
    // they are still there.
    CPtrCollection<CBasePoint> &linePoints = maskLine->GetBasePointCollection();
    if (history != nullptr) {
        for (int k = linePoints.GetCount() - 1; k > position; --k)
            history->AddRemoval(linePoints, k);
    }
    auto newLine = std::make_unique<CMaskPolyline>();
    newLine->Create(this, line->GetLineType());
    maskLine->Split(at, newLine.get(), moved);
    CMaskPolyline *inserted = newLine.get();
    m_oPolylines.InsertAt(lineIndex + 1, newLine.release());
    recordInsertion(m_oPolylines, lineIndex + 1, history);
    return inserted;
}

std::unique_ptr<CMaskPolyline> CMaskPattern::RemovePolylineAt(int index)
{
    CPolyline *polyline = GetPatternPolylineAt(index);
    for (CContour *contour : m_oContours) {
        for (int k = contour->FindContourLine(polyline); k >= 0;
             k = contour->FindContourLine(polyline))
            contour->RemoveContourLineAt(k);
    }
    // Every polyline of a mask pattern is a mask polyline.
    return std::unique_ptr<CMaskPolyline>(
        static_cast<CMaskPolyline *>(m_oPolylines.TakeAt(index).release()));
}
