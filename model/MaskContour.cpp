// Morvane model library.
// The contour of a mask pattern: stored with its lines, and one association rule per point.
#include "model/MaskContour.h"

#include "foundation/Geometry.h"
#include "model/BasePoint.h"
#include "model/Pattern.h"

#include <cmath>
#include <vector>

using namespace morvane;

static const CRuntimeClass kMaskContourClass("CMaskContour", &CreateObjectOf<CMaskContour>,
                                             CContour::GetThisClass());

CMaskContour::CMaskContour()
{
    AddClassCollectionAttribute(&m_oContourLines, "ContourLines", "ContourLine",
                                CContourLine::GetThisClass());
    AddClassCollectionAttribute(&m_oAssRules, "AssRules", "AssRule",
                                CPointAssociationRule::GetThisClass());
    AddPtrAttribute(&m_pStartContPoint, "StartContPoint", "BasePoint", XmlPresence::ReadOnly);
    AddBoolAttribute(&m_bClosed, "Closed", XmlPresence::Optional);
}

CMaskContour::~CMaskContour() = default;

const CRuntimeClass *CMaskContour::GetThisClass()
{
    return &kMaskContourClass;
}

void CMaskContour::RemoveContourLineAt(int i)
{
    MarkRulesDirty();
    CContour::RemoveContourLineAt(i);
}

int CMaskContour::AddContourLine(CPolyline *polyline, bool backward)
{
    MarkRulesDirty();
    return CContour::AddContourLine(polyline, backward);
}

CBasePoint *CMaskContour::GetStartContPoint()
{
    RefreshRulesIfDirty();
    return m_pStartContPoint;
}

CPointAssociationRule *CMaskContour::GetAssRule(CBasePoint *point)
{
    RefreshRulesIfDirty();
    if (CPointAssociationRule *rule = FindAssRule(point))
        return rule;
    auto rule = std::make_unique<CPointAssociationRule>();
    rule->Create(point, this);
    return m_oAssRules.GetAt(m_oAssRules.AddOwned(std::move(rule)));
}

CPointAssociationRule *CMaskContour::FindAssRule(const CBasePoint *point) const
{
    for (CPointAssociationRule *rule : m_oAssRules) {
        if (rule->GetBasePoint() == point)
            return rule;
    }
    return nullptr;
}

void CMaskContour::SetStartContPoint(CBasePoint *point)
{
    if (point == m_pStartContPoint)
        return;
    SendBeforeChange(0);
    if (point != nullptr)
        GetAssRule(point)->SetReferentBasePoint(nullptr);
    m_pStartContPoint = point;
    SendAfterChange(0);
}

void CMaskContour::UpdateClosed()
{
    std::vector<DPOINT> points;
    GetAllContourPoints(nullptr, &points, nullptr, nullptr, false, true);
    if (points.empty())
        return;
    const DPOINT &first = points.front();
    const DPOINT &last = points.back();
    SetClosed(IsNearPoint(last.x, last.y, first.x, first.y, 0.5));
}

std::unique_ptr<CContourLine> CMaskContour::TakeContourLineAt(int i)
{
    MarkRulesDirty();
    std::unique_ptr<CContourLine> line = m_oContourLines.TakeAt(i);
    m_bClosed = false;
    InvalidateContourData();
    SendAfterChange(-1);
    return line;
}

void CMaskContour::RestoreContourLine(int i, std::unique_ptr<CContourLine> line, bool closed)
{
    MarkRulesDirty();
    m_oContourLines.InsertAt(i, line.release());
    m_bClosed = closed;
    InvalidateContourData();
    SendAfterChange(-1);
}

// Whether point is null or one of pattern's points.
static bool isOwnOrNull(const CPattern &pattern, const CBasePoint *point)
{
    return point == nullptr || pattern.FindBasePoint(point) >= 0;
}

void CMaskContour::DropForeignReferences(const CPattern &pattern)
{
    for (int i = m_oContourLines.GetCount() - 1; i >= 0; --i) {
        const CPolyline *polyline = m_oContourLines.GetAt(i)->GetPolyline();
        if (polyline == nullptr || pattern.FindPolyline(polyline) < 0)
            m_oContourLines.DeleteAt(i);
    }
    for (int i = m_oAssRules.GetCount() - 1; i >= 0; --i) {
        CPointAssociationRule *rule = m_oAssRules.GetAt(i);
        if (!isOwnOrNull(pattern, rule->GetBasePoint()))
            m_oAssRules.DeleteAt(i);
        else if (!isOwnOrNull(pattern, rule->GetReferentBasePoint()))
            rule->SetReferentBasePoint(nullptr);
    }
    if (!isOwnOrNull(pattern, m_pStartContPoint))
        m_pStartContPoint = nullptr;
}

void CMaskContour::SaveAttributes(CXmlArchive &archive)
{
    RefreshRulesIfDirty();
    CContour::SaveAttributes(archive);
}

void CMaskContour::OnReferencesResolved()
{
    for (CContourLine *line : m_oContourLines)
        line->SetContour(this);
    for (CPointAssociationRule *rule : m_oAssRules)
        rule->SetContour(this);
}

std::unique_ptr<CPointAssociationRule> CMaskContour::takeOrMakeRule(CBasePoint *point)
{
    if (CPointAssociationRule *rule = FindAssRule(point))
        return m_oAssRules.TakeAt(m_oAssRules.Find(rule));
    auto rule = std::make_unique<CPointAssociationRule>();
    rule->Create(point, this);
    return rule;
}

void CMaskContour::RefreshRulesIfDirty()
{
    if (m_bRulesDirty)
        RebuildRules();
}

namespace {

/// The outline's points with their turns, as the referent assignment reads them.
class CornerWalk
{
public:
    explicit CornerWalk(const CContour &contour, const CPtrCollection<CBasePoint> &points)
        : m_points(points)
    {
        for (const CBasePoint *point : points)
            m_turns.push_back(std::fabs(contour.GetTurnAngle(point)));
    }

    int count() const { return static_cast<int>(m_turns.size()); }
    bool isCorner(int k) const
    {
        return m_turns[static_cast<size_t>(k)] > CMaskContour::kCornerAngle;
    }

    /// The first corner; without one, the point of the largest turn (the first of equals).
    int startCorner() const
    {
        int best = 0;
        for (int k = 0; k < count(); ++k) {
            if (isCorner(k))
                return k;
            if (m_turns[static_cast<size_t>(k)] > m_turns[static_cast<size_t>(best)])
                best = k;
        }
        return best;
    }

    /// The first corner met walking from k one way round (at most count - 1 steps); -1 when
    /// none.
    int cornerFrom(int k, int step) const
    {
        for (int steps = 1; steps < count(); ++steps) {
            const int j = ((k + step * steps) % count() + count()) % count();
            if (isCorner(j))
                return j;
        }
        return -1;
    }

    /// The nearer of the corners before and after k (the one after on equal distances); the
    /// start corner when there is neither.
    int nearestCorner(int k, int start) const
    {
        const int forward = cornerFrom(k, 1);
        const int backward = cornerFrom(k, -1);
        if (forward < 0 && backward < 0)
            return start;
        if (forward < 0 || backward < 0)
            return forward < 0 ? backward : forward;
        const DPOINT here = at(k)->GetAbsPosition();
        const double toForward = GetDPointDistance(here, at(forward)->GetAbsPosition());
        const double toBackward = GetDPointDistance(here, at(backward)->GetAbsPosition());
        return toBackward < toForward ? backward : forward;
    }

    CBasePoint *at(int k) const { return m_points.GetAt(k); }

private:
    const CPtrCollection<CBasePoint> &m_points;
    std::vector<double> m_turns;
};

} // namespace

// One rule per outline point in order: a point that had a rule keeps it with its settings, the
// others get a new one. Each corner then names the corner before it, the first corner none,
// and every other point the nearest corner.
void CMaskContour::RebuildRules()
{
    m_bRulesDirty = false;
    CPtrCollection<CBasePoint> points;
    AppendBasePoints(points, true, false, false);
    std::vector<std::unique_ptr<CPointAssociationRule>> rules;
    for (CBasePoint *point : points)
        rules.push_back(takeOrMakeRule(point));
    m_oAssRules.RemoveAll();
    for (auto &rule : rules)
        m_oAssRules.AddOwned(std::move(rule));
    const CornerWalk walk(*this, points);
    if (walk.count() == 0)
        return;
    const int start = walk.startCorner();
    int marker = start;
    for (int k = 0; k < walk.count(); ++k) {
        CPointAssociationRule *rule = m_oAssRules.GetAt(k);
        if (k == start)
            continue;
        if (walk.isCorner(k)) {
            rule->SetReferentBasePoint(walk.at(marker));
            marker = k;
            continue;
        }
        rule->SetReferentBasePoint(walk.at(walk.nearestCorner(k, start)));
    }
}
