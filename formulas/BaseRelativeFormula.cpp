// Morvane formula library.
// The base of the formulas that grade the points along grade paths by the proportion of a
// measured length.
#include "formulas/BaseRelativeFormula.h"

#include "formulas/FormulaText.h"
#include "formulas/PropDistFormula.h"
#include "foundation/TextFormat.h"
#include "model/FormulaMessageList.h"
#include "model/GradeMask.h"
#include "model/GradePath.h"
#include "model/IGradePathSource.h"
#include "model/IPathFormula.h"
#include "model/MaskPoint.h"
#include "model/PathSegment.h"

#include <algorithm>

using namespace morvane;

static const CRuntimeClass kBaseRelativeFormulaClass("CBaseRelativeFormula", nullptr,
                                                     CBaseFormula::GetThisClass());

/// A segment of a path as a term of a joined segment: its length for the size.
class CBaseRelativeFormula::CSegmentTerm : public IRatioTerm
{
public:
    explicit CSegmentTerm(const ISegmentPath *segment)
        : m_pSegment(segment)
    {
    }

    double GetValue(const IGradeSize *size) const override { return m_pSegment->GetLength(size); }

private:
    const ISegmentPath *m_pSegment;
};

/// A match found by the search: its index among the pending matches, and where its points
/// open a segment of the formula's own list and of the measured list.
struct CBaseRelativeFormula::MatchFound
{
    size_t match = 0;
    size_t own = 0;
    size_t measured = 0;
};

const CRuntimeClass *CBaseRelativeFormula::GetThisClass()
{
    return &kBaseRelativeFormulaClass;
}

// Marked for recomputation, so that the point matches of a loaded formula give its resolved
// points when they are first asked for.
CBaseRelativeFormula::CBaseRelativeFormula()
{
    Invalidate();
}

CBaseRelativeFormula::~CBaseRelativeFormula() = default;

void CBaseRelativeFormula::RegisterRelativeKeys()
{
    AddPtrCollectionAttribute(&m_oMeasurePaths, "MeasurePaths", "GradeFormula",
                              XmlPresence::Optional);
    AddClassCollectionAttribute(&m_oPointMatches, "PointMatches", "PointMatch",
                                CSegmentMatch::GetThisClass(), XmlNaming::None,
                                XmlPresence::Optional);
    AddIntAttribute(&m_ePathAdjustType, "AdjustType", XmlPresence::Required);
    AddBoolAttribute(&m_bProportionByLength, "ProportionByLength", XmlPresence::Required);
    AddIntAttribute(&m_ePathsGradeType, "JoinedPathGradeType", XmlPresence::Optional);
}

void CBaseRelativeFormula::RegisterRelativeFlag()
{
    // Always written: a formula that measures its own paths must not read back as relative.
    AddBoolAttribute(&m_bRelative, "Relative", XmlPresence::Optional);
}

int CBaseRelativeFormula::GetFormulaType() const
{
    return m_bRelative ? kRelativeType : kOwnPathsType;
}

int CBaseRelativeFormula::GetApplyTypeX() const
{
    return APPLY_DRIVEN;
}

int CBaseRelativeFormula::GetApplyTypeY() const
{
    return APPLY_DRIVEN;
}

static IGradePath *pathOf(const IGradePathSource *source)
{
    return source != nullptr ? source->GetGradePath() : nullptr;
}

bool CBaseRelativeFormula::UsesPoint(const CBasePoint *point)
{
    const int count = GetPathSourceCount();
    for (int i = 0; i < count; ++i) {
        const IGradePath *path = pathOf(GetPathSource(i));
        if (path == nullptr || point == nullptr)
            continue;
        const bool single = count == 1 || !JoinsPaths();
        if ((single || i == 0) && path->GetFirstPoint() == point)
            return true;
        if ((single || i == count - 1) && path->GetLastPoint() == point)
            return true;
    }
    return false;
}

static void addOnce(CPtrCollection<CBasePoint> &list, CBasePoint *point)
{
    if (point != nullptr && list.Find(point) < 0)
        list.Add(point);
}

void CBaseRelativeFormula::CollectIndexPoints(CPtrCollection<CBasePoint> &list) const
{
    CBaseFormula::CollectIndexPoints(list);
    for (const CSegmentMatch *match : m_oPointMatches) {
        if (m_bRelative)
            addOnce(list, match->GetSource());
        addOnce(list, match->GetTarget());
    }
}

int CBaseRelativeFormula::GetResolvedCount() const
{
    CPtrCollection<CBasePoint> points;
    CollectIndexPoints(points);
    return points.GetCount();
}

void CBaseRelativeFormula::Recalculate()
{
    CPtrCollection<CBasePoint> points;
    CollectIndexPoints(points);
    ClearResolved();
    for (int i = 0; i < points.GetCount(); ++i)
        SetResolved(i, points.GetAt(i));
}

bool CBaseRelativeFormula::DependsOnFormula(IBaseFormula *other)
{
    return other != nullptr && m_oMeasurePaths.Find(other) >= 0;
}

void CBaseRelativeFormula::DoCollectPoints(CPtrCollection<CBasePoint> &list)
{
    for (int i = 0; i < GetPathSourceCount(); ++i) {
        const IGradePathSource *source = GetPathSource(i);
        const IGradePath *path = pathOf(source);
        if (path == nullptr)
            continue;
        const CBasePoint *skipFirst =
            IsChainStart(i) && source->GetStartGraded() ? path->GetFirstPoint() : nullptr;
        const CBasePoint *skipLast =
            IsChainEnd(i) && source->GetEndGraded() ? path->GetLastPoint() : nullptr;
        CPtrCollection<CBasePoint> points;
        path->AppendGradePoints(points);
        for (CBasePoint *point : points) {
            if (point != skipFirst && point != skipLast)
                addOnce(list, point);
        }
    }
}

void CBaseRelativeFormula::DoGetDisplayText(std::string &out, bool)
{
    out = GetDisplayName();
}

bool CBaseRelativeFormula::Validate(CFormulaMessageList *reporter, IFormulaTextChecker *checker)
{
    if (!CBaseFormula::Validate(reporter, checker))
        return false;
    BuildJoinedSegments();
    bool sound = true;
    const int matches = std::max(1, GetPointMatchCount());
    if (matches != GetJoinedSegmentCount()) {
        if (reporter != nullptr) {
            reporter->AddFormulaMessage(FM_PATH_MATCH_COUNT, this, std::to_string(matches));
            reporter->AddFormulaMessage(FM_PATH_MATCH_COUNT, this,
                                        std::to_string(GetJoinedSegmentCount()));
        }
        sound = false;
    }
    if (!CheckGradedElsewhere(reporter))
        sound = false;
    CPtrCollection<CBasePoint> points;
    CollectPoints(points);
    if (points.GetCount() == 0) {
        if (reporter != nullptr)
            reporter->AddFormulaMessage(FM_NOTHING_TO_GRADE, this, "");
        sound = false;
    }
    return sound;
}

// The inner points of every path, and the joints between joined paths, must be graded by this
// formula alone.
bool CBaseRelativeFormula::CheckGradedElsewhere(CFormulaMessageList *reporter)
{
    auto *mask = dynamic_cast<CGradeMask *>(GetOwner());
    if (mask == nullptr)
        return true;
    bool sound = true;
    const int count = GetPathSourceCount();
    for (int i = 0; i < count; ++i) {
        const IGradePath *path = pathOf(GetPathSource(i));
        if (path == nullptr)
            continue;
        CPtrCollection<CBasePoint> points;
        path->AppendGradePoints(points);
        for (CBasePoint *point : points) {
            const bool isFirst = point == path->GetFirstPoint();
            const bool isLast = point == path->GetLastPoint();
            if ((isFirst && (i == 0 || !JoinsPaths())) ||
                (isLast && (i == count - 1 || !JoinsPaths())))
                continue;
            bool x = false;
            bool y = false;
            mask->GetFormulas().IsPointGraded(point, x, y, this);
            if (!x && !y)
                continue;
            if (reporter != nullptr)
                reporter->AddFormulaMessage(FM_ALREADY_GRADED, this, GetLabelOrUnknown(point));
            sound = false;
        }
    }
    return sound;
}

void CBaseRelativeFormula::CopyFrom(const CBaseFormula &other)
{
    CBaseFormula::CopyFrom(other);
    const auto *formula = dynamic_cast<const CBaseRelativeFormula *>(&other);
    if (formula == nullptr)
        return;
    m_bProportionByLength = formula->m_bProportionByLength;
    m_ePathAdjustType = formula->m_ePathAdjustType;
    m_dTolerance = formula->m_dTolerance;
    m_ePathsGradeType = formula->m_ePathsGradeType;
    m_bRelative = formula->m_bRelative;
    m_oMeasurePaths.CopyFrom(formula->m_oMeasurePaths);
    m_oPointMatches.RemoveAll();
    for (const CSegmentMatch *match : formula->m_oPointMatches)
        AddPointMatch()->CopyFrom(*match);
}

// How each measure path counts its segments has no place here: the point matches split the
// measured paths instead.
void CBaseRelativeFormula::RelinkSettingsFrom(const CBasePropDistFormula &replaced)
{
    SetTableRelativeType(replaced.GetTableRelativeType());
    m_ePathAdjustType = replaced.GetAdjustType();
    m_bProportionByLength = replaced.GetProportionByLength();
    m_oMeasurePaths.RemoveAll();
    for (int i = 0; i < replaced.GetMeasurePathCount(); ++i) {
        if (IBaseFormula *pathFormula = replaced.GetMeasurePathAt(i)->GetPathFormula())
            m_oMeasurePaths.Add(pathFormula);
    }
    Invalidate();
}

void CBaseRelativeFormula::OnReferencesResolved()
{
    CBaseFormula::OnReferencesResolved();
    for (CSegmentMatch *match : m_oPointMatches)
        match->SetOwner(this);
}

int CBaseRelativeFormula::FindPointMatch(const CSegmentMatch *match) const
{
    return m_oPointMatches.Find(match);
}

CSegmentMatch *CBaseRelativeFormula::AddPointMatch()
{
    auto match = std::make_unique<CSegmentMatch>();
    match->SetOwner(this);
    CSegmentMatch *added = match.get();
    m_oPointMatches.AddOwned(std::move(match));
    Invalidate();
    return added;
}

void CBaseRelativeFormula::RemovePointMatch(int i)
{
    m_oPointMatches.RemoveAt(i);
    Invalidate();
}

void CBaseRelativeFormula::Clear()
{
    m_oPointMatches.RemoveAll();
    ClearParams();
    Invalidate();
}

std::vector<ISegmentPath *> CBaseRelativeFormula::CollectSourceSegments() const
{
    std::vector<ISegmentPath *> segments;
    for (int i = 0; i < GetPathSourceCount(); ++i)
        AppendSourceSegments(i, segments);
    return segments;
}

// The measured items are the segments of the measure paths' own paths, in order.
std::vector<ISegmentPath *> CBaseRelativeFormula::CollectMeasuredSegments() const
{
    std::vector<ISegmentPath *> segments;
    for (IBaseFormula *formula : m_oMeasurePaths) {
        IPathFormula *pathFormula = formula != nullptr ? formula->AsPathFormula() : nullptr;
        const IGradePath *path = pathFormula != nullptr ? pathFormula->GetPath() : nullptr;
        if (path == nullptr)
            continue;
        for (int i = 0; i < path->GetSegmentCount(); ++i)
            segments.push_back(path->GetSegmentAt(i));
    }
    return segments;
}

void CBaseRelativeFormula::AppendSourceSegments(int i, std::vector<ISegmentPath *> &out) const
{
    const IGradePath *path = pathOf(GetPathSource(i));
    if (path == nullptr)
        return;
    for (int s = 0; s < path->GetSegmentCount(); ++s)
        out.push_back(path->GetSegmentAt(s));
}

int CBaseRelativeFormula::GetGlobalSegmentIndex(const ISegmentPath *segment) const
{
    const std::vector<ISegmentPath *> segments = CollectSourceSegments();
    const auto found = std::find(segments.begin(), segments.end(), segment);
    return found == segments.end() ? -1 : static_cast<int>(found - segments.begin());
}

// Whether a side of a point match holds point: it is the point, or a mask point that stands for
// it.
static bool holds(CBasePoint *side, const CBasePoint *point)
{
    if (side == nullptr || point == nullptr)
        return false;
    if (side == point)
        return true;
    const IMaskPoint *maskPoint = side->GetMaskPoint();
    if (maskPoint == nullptr)
        return false;
    CPtrCollection<CBasePoint> inputs;
    maskPoint->AppendInputAssociations(inputs);
    return inputs.Find(point) >= 0;
}

// Whether segment i of the list opens at a point the side holds: its start, or the end of the
// one before it.
static bool opensAt(const std::vector<ISegmentPath *> &segments, size_t i, CBasePoint *side)
{
    return holds(side, segments[i]->GetStartPoint()) ||
           (i > 0 && holds(side, segments[i - 1]->GetEndPoint()));
}

// The first segment of the own list at which a pending match's source opens one and whose
// target opens a segment of the measured list wins.
bool CBaseRelativeFormula::FindMatch(const std::vector<CSegmentMatch *> &pending,
                                     const std::vector<ISegmentPath *> &own,
                                     const std::vector<ISegmentPath *> &measured, MatchFound &found)
{
    for (size_t i = 0; i < own.size(); ++i) {
        const auto match = std::find_if(pending.begin(), pending.end(), [&](CSegmentMatch *m) {
            return opensAt(own, i, m->GetSource());
        });
        if (match == pending.end())
            continue;
        for (size_t j = 0; j < measured.size(); ++j) {
            if (opensAt(measured, j, (*match)->GetTarget())) {
                found = {static_cast<size_t>(match - pending.begin()), i, j};
                return true;
            }
        }
    }
    return false;
}

template <class T> static std::vector<T> takeFront(std::vector<T> &list, size_t count)
{
    std::vector<T> front(list.begin(), list.begin() + static_cast<std::ptrdiff_t>(count));
    list.erase(list.begin(), list.begin() + static_cast<std::ptrdiff_t>(count));
    return front;
}

template <class T> static void rotateToFront(std::vector<T> &list, size_t first)
{
    std::rotate(list.begin(), list.begin() + static_cast<std::ptrdiff_t>(first), list.end());
}

void CBaseRelativeFormula::ClearJoinedSegments()
{
    m_oJoinedSegments.clear();
    m_oTerms.clear();
    m_oJoinedSegmentOf.clear();
}

void CBaseRelativeFormula::BuildJoinedSegments()
{
    ClearJoinedSegments();
    std::vector<ISegmentPath *> own = CollectSourceSegments();
    std::vector<ISegmentPath *> measured = m_bRelative ? CollectMeasuredSegments() : own;
    std::vector<CSegmentMatch *> pending(m_oPointMatches.begin(), m_oPointMatches.end());
    bool proportional = m_bProportionByLength;
    std::string text = "0";

    MatchFound found;
    bool searching = FindMatch(pending, own, measured, found);
    if (searching) {
        proportional = pending[found.match]->GetProportionalByLength();
        text = pending[found.match]->GetText();
        pending.erase(pending.begin() + static_cast<std::ptrdiff_t>(found.match));
        rotateToFront(own, found.own);
        rotateToFront(measured, found.measured);
    }
    const size_t rounds = own.size();
    for (size_t round = 0; searching && !pending.empty() && round < rounds; ++round) {
        searching = FindMatch(pending, own, measured, found);
        if (!searching)
            break;
        CSegmentMatch *match = pending[found.match];
        pending.erase(pending.begin() + static_cast<std::ptrdiff_t>(found.match));
        const std::vector<ISegmentPath *> ownPart = takeFront(own, found.own);
        const std::vector<ISegmentPath *> measuredPart = takeFront(measured, found.measured);
        AppendJoinedSegment(proportional, text, ownPart, measuredPart);
        proportional = match->GetProportionalByLength();
        text = match->GetText();
    }
    if (!own.empty())
        AppendJoinedSegment(proportional, text, own, measured);
}

void CBaseRelativeFormula::AppendJoinedSegment(bool proportional, const std::string &text,
                                               const std::vector<ISegmentPath *> &own,
                                               const std::vector<ISegmentPath *> &measured)
{
    auto joined = std::make_unique<CSizeRatio>();
    joined->SetText(proportional, text);
    const int index = static_cast<int>(m_oJoinedSegments.size());
    auto termsOf = [this](const std::vector<ISegmentPath *> &segments) {
        CPtrCollection<IRatioTerm> terms;
        for (const ISegmentPath *segment : segments) {
            m_oTerms.push_back(std::make_unique<CSegmentTerm>(segment));
            terms.Add(m_oTerms.back().get());
        }
        return terms;
    };
    joined->AddFirstTerms(termsOf(own));
    joined->AddSecondTerms(termsOf(measured));
    for (const ISegmentPath *segment : own)
        m_oJoinedSegmentOf.emplace(segment, index);
    m_oJoinedSegments.push_back(std::move(joined));
}

void CBaseRelativeFormula::ComputeJoinedSegments(int table, int size)
{
    for (const auto &joined : m_oJoinedSegments)
        joined->Compute(table, size);
}

int CBaseRelativeFormula::FindJoinedSegmentOf(const ISegmentPath *segment) const
{
    const auto found = m_oJoinedSegmentOf.find(segment);
    return found == m_oJoinedSegmentOf.end() ? -1 : found->second;
}

double CBaseRelativeFormula::GetRatioFor(const ISegmentPath *segment) const
{
    const int index = FindJoinedSegmentOf(segment);
    return index < 0 ? 1.0 : m_oJoinedSegments[static_cast<size_t>(index)]->GetResult();
}

std::string CBaseRelativeFormula::GetRatioTextFor(const ISegmentPath *segment) const
{
    const int index = FindJoinedSegmentOf(segment);
    return index < 0 ? std::string() : m_oJoinedSegments[static_cast<size_t>(index)]->GetText();
}

void CBaseRelativeFormula::RefreshEndFlags()
{
    auto *refresh = dynamic_cast<CBaseRelativeFormula *>(GetRefreshSource());
    for (int i = 0; i < GetPathSourceCount(); ++i) {
        IGradePathSource *source = GetPathSource(i);
        if (source == nullptr)
            continue;
        IGradePathSource *target =
            refresh != nullptr && refresh != this ? refresh->GetPathSource(i) : nullptr;
        if (IsChainStart(i)) {
            source->UpdateStartGraded();
            if (target != nullptr)
                target->SetStartGraded(source->GetStartGraded());
        }
        if (IsChainEnd(i)) {
            source->UpdateEndGraded();
            if (target != nullptr)
                target->SetEndGraded(source->GetEndGraded());
        }
    }
}
