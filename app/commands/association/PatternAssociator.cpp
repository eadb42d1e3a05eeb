// Morvane editing commands: pattern association.
// Which input patterns belong to which mask patterns, decided by the geometry of their contours.
#include "app/commands/association/PatternAssociator.h"

#include "app/commands/association/ContourCorrespondence.h"
#include "app/commands/association/ContourSetMatcher.h"
#include "app/commands/association/ContourShapes.h"
#include "app/commands/association/ShapeMatcher.h"
#include "app/documents/IDocumentServices.h"
#include "app/documents/IOptions.h"
#include "foundation/CurveShape.h"
#include "model/Contour.h"
#include "model/FormulaManager.h"
#include "model/GradeMask.h"
#include "model/IBaseFormula.h"
#include "model/InputPattern.h"
#include "model/MaskContour.h"
#include "model/MaskPoint.h"
#include "model/MaskPointList.h"
#include "model/Pattern.h"
#include "model/PointAssociationRule.h"

#include <cmath>
#include <memory>
#include <numbers>
#include <vector>

namespace {

/// Contours smaller than this in either direction take no part.
constexpr double kSmallestContour = 20.0;
/// Contours whose extents and areas lie this near each other count as one.
constexpr double kSameContour = 1.0;

} // namespace

static bool isPlaced(CPattern &pattern)
{
    const IInputPattern *input = pattern.GetInputPattern();
    return input == nullptr || input->IsFlagged();
}

static bool isSameContour(const CContour &a, const CContour &b)
{
    const CDRect ra = a.GetAbsRect();
    const CDRect rb = b.GetAbsRect();
    return std::fabs(ra.minX - rb.minX) <= kSameContour &&
           std::fabs(ra.minY - rb.minY) <= kSameContour &&
           std::fabs(ra.maxX - rb.maxX) <= kSameContour &&
           std::fabs(ra.maxY - rb.maxY) <= kSameContour &&
           std::fabs(std::fabs(a.GetClosedArea()) - std::fabs(b.GetClosedArea())) <= kSameContour;
}

void CPatternAssociator::CollectPatternContours(const CPattern &pattern,
                                                CPtrCollection<CContour> &contours)
{
    for (int i = 0; i < pattern.GetContourCount(); ++i) {
        CContour *contour = pattern.GetContourAt(i);
        const CDRect rect = contour->GetAbsRect();
        if (rect.maxX - rect.minX < kSmallestContour || rect.maxY - rect.minY < kSmallestContour ||
            !contour->IsClosed())
            continue;
        bool duplicate = false;
        for (const CContour *listed : contours)
            duplicate = duplicate || isSameContour(*listed, *contour);
        std::vector<DPOINT> outline;
        if (!duplicate && contour->GetOutContour(&outline, static_cast<std::vector<int> *>(nullptr),
                                                 nullptr, nullptr, true, false, false))
            contours.Add(contour);
    }
}

bool CPatternAssociator::HasAssociatedPatterns(CPattern &pattern)
{
    CPtrCollection<CPattern> associated;
    pattern.GetAssPatterns(associated);
    return associated.GetCount() > 0;
}

bool CPatternAssociator::AssociatePatterns(const CPtrCollection<CPattern> &patterns,
                                           const PatternAssociationParams &params)
{
    if (params.type == 1) {
        PatternAssociationParams oneToOne = params;
        oneToOne.type = 0;
        runPatternPass(patterns, oneToOne);
    }
    runPatternPass(patterns, params);
    return true;
}

static std::vector<const CCurveShape *>
pointers(const std::vector<std::unique_ptr<CCurveShape>> &shapes)
{
    std::vector<const CCurveShape *> list;
    for (const auto &shape : shapes)
        list.push_back(shape.get());
    return list;
}

static std::vector<CContour *> listOf(const CPtrCollection<CContour> &contours)
{
    return {contours.begin(), contours.end()};
}

namespace {

/// The closed contours of two patterns as simplified shapes, the first pattern's the rows and
/// the second's the columns of a matcher with the given record.
class ClosedContourPairs
{
public:
    ClosedContourPairs(const CPattern &maskPattern, const CPattern &pattern,
                       const PatternAssociationParams &params)
    {
        maskPattern.AppendContours(maskContours, true);
        pattern.AppendContours(contours, true);
        m_maskShapes = MakeContourShapes(maskContours, true, true);
        m_shapes = MakeContourShapes(contours, true, true);
        matcher.SetInput(pointers(m_maskShapes), listOf(maskContours), pointers(m_shapes),
                         listOf(contours), params);
    }

    CPtrCollection<CContour> maskContours;
    CPtrCollection<CContour> contours;
    CContourSetMatcher matcher;

private:
    std::vector<std::unique_ptr<CCurveShape>> m_maskShapes;
    std::vector<std::unique_ptr<CCurveShape>> m_shapes;
};

/// A record comparing by position, with both shape errors the same.
PatternAssociationParams byPosition(int type, double maxSizeDissimilarity, double shapeError)
{
    PatternAssociationParams params;
    params.type = type;
    params.maxSizeDissimilarity = maxSizeDissimilarity;
    params.maxShapeError = shapeError;
    params.maxShapeErrorMulti = shapeError;
    params.method = 1;
    return params;
}

} // namespace

void CPatternAssociator::SetDocument(IDocumentServices &document)
{
    m_pGradeMask = document.GetActiveGradeMask();
    m_dMaxSizeDissimilarity = document.GetOptions().GetDoubleOption("MAX_SIZE_DISSIMILARITY");
}

void CPatternAssociator::runPatternPass(const CPtrCollection<CPattern> &patterns,
                                        const PatternAssociationParams &params)
{
    if (m_pGradeMask == nullptr)
        return;
    CPtrCollection<CContour> inputContours;
    for (CPattern *pattern : patterns) {
        // A pattern of the mask itself would pair with itself.
        if (m_pGradeMask->FindPattern(pattern) >= 0)
            continue;
        if (params.method == 1 || isPlaced(*pattern))
            CollectPatternContours(*pattern, inputContours);
    }
    CPtrCollection<CContour> maskContours;
    for (int i = 0; i < m_pGradeMask->GetPatternCount(); ++i)
        CollectPatternContours(*m_pGradeMask->GetPatternAt(i), maskContours);

    // The overlap compares pieces where they lie; the other costs as they were drawn.
    const bool asDrawn = params.method != 0;
    const auto maskShapes = MakeContourShapes(maskContours, true, asDrawn);
    const auto inputShapes = MakeContourShapes(inputContours, true, asDrawn);
    CContourSetMatcher matcher;
    matcher.SetInput(pointers(maskShapes), listOf(maskContours), pointers(inputShapes),
                     listOf(inputContours), params);
    matcher.ComputeAndAssign();
    for (int row = 0; row < matcher.GetRowCount(); ++row) {
        CPattern *maskPattern = maskContours.GetAt(row)->GetPattern();
        for (int column : matcher.CollectMatches(row)) {
            CPattern *input = inputContours.GetAt(column)->GetPattern();
            CPtrCollection<CPattern> associated;
            maskPattern->GetAssPatterns(associated);
            if (associated.Find(input) < 0)
                maskPattern->AddAssPattern(input);
        }
    }
}

bool CPatternAssociator::CompareClosedContours(CPattern &maskPattern, CPattern &pattern,
                                               ContourPair &pair, double &cost) const
{
    ClosedContourPairs pairs(maskPattern, pattern, byPosition(0, m_dMaxSizeDissimilarity, 0.0));
    int row = -1;
    int column = -1;
    if (!pairs.matcher.FindBestPair(row, column, cost))
        return false;
    pair = {pairs.maskContours.GetAt(row), pairs.contours.GetAt(column)};
    return true;
}

bool CPatternAssociator::isFormulaPoint(const CBasePoint *point) const
{
    IFormulaManager *formulas = m_pGradeMask->GetFormulaManager();
    for (int i = 0; i < formulas->GetFormulaCount(); ++i) {
        IBaseFormula *formula = formulas->GetFormulaAt(i);
        // A formula uses the point it grades as much as the points it reads.
        if (formula->GetBasePoint() == point || formula->UsesPoint(point))
            return true;
        for (int index : formula->GetIndexPointIndexes()) {
            if (formula->GetIndexPoint(index) == point)
                return true;
        }
    }
    return false;
}

// The points a mask point is associated with; none for another point.
static CPtrCollection<CBasePoint> partnersOf(CBasePoint &point)
{
    CPtrCollection<CBasePoint> partners;
    if (IMaskPoint *maskPoint = point.GetMaskPoint())
        maskPoint->AppendAssociations(partners);
    return partners;
}

void CPatternAssociator::noteExistingPartners(const CPattern &maskPattern, const CPattern &pattern)
{
    m_oPartneredMaskPoints.RemoveAll();
    m_oPartnerPoints.RemoveAll();
    for (int i = 0; i < maskPattern.GetBasePointCount(); ++i) {
        CBasePoint *point = maskPattern.GetBasePointAt(i);
        for (CBasePoint *partner : partnersOf(*point)) {
            if (partner->GetParent() != &pattern)
                continue;
            if (m_oPartneredMaskPoints.Find(point) < 0)
                m_oPartneredMaskPoints.Add(point);
            if (m_oPartnerPoints.Find(partner) < 0)
                m_oPartnerPoints.Add(partner);
        }
    }
}

bool CPatternAssociator::AssociatePatternPointsWith(CPattern &maskPattern, CPattern &pattern,
                                                    const CPtrCollection<CBasePoint> &points,
                                                    const PointAssociationParams &params)
{
    if (m_pGradeMask == nullptr)
        return true;
    ClosedContourPairs pairs(maskPattern, pattern,
                             byPosition(1, m_dMaxSizeDissimilarity, params.maxShapeError));
    CContourSetMatcher &matcher = pairs.matcher;
    matcher.ComputeCosts();
    noteExistingPartners(maskPattern, pattern);
    m_oBestCost.clear();
    m_oPairedWith.clear();
    const int cells = matcher.GetRowCount() * matcher.GetColumnCount();
    for (int k = 0; k < cells; ++k) {
        int row = -1;
        int column = -1;
        double cost = 0.0;
        if (!matcher.FindCheapestFree(row, column, cost) || cost > params.maxShapeError * 0.01)
            break;
        matcher.BlockPair(column, row);
        associateContourPoints(*pairs.maskContours.GetAt(row), *pairs.contours.GetAt(column),
                               points, params);
    }
    return true;
}

void CPatternAssociator::associateContourPoints(CContour &maskContour, CContour &contour,
                                                const CPtrCollection<CBasePoint> &points,
                                                const PointAssociationParams &params)
{
    if (params.pointAssType == 0 && maskContour.IsClosed() && contour.IsClosed())
        associateClosedContours(maskContour, contour, params);
    else if (params.pointAssType == 1)
        associateByShapeContext(maskContour, contour, points, params);
}

namespace {

/// A contour's outline as drawn, counter-clockwise from vertex 0, with the point of each vertex.
struct Outline
{
    std::vector<DPOINT> points;
    std::vector<CBasePoint *> basePoints;
};

} // namespace

static Outline counterClockwiseOutline(const CContour &contour)
{
    Outline outline;
    std::vector<int> indexes;
    outline.points = OutlineAsDrawn(contour, &indexes);
    CContour::GetCCWContour(0, outline.points, &indexes, nullptr);
    for (int index : indexes)
        outline.basePoints.push_back(index >= 0 ? contour.GetPattern()->GetBasePointAt(index)
                                                : nullptr);
    return outline;
}

void CPatternAssociator::associateClosedContours(CContour &maskContour, CContour &contour,
                                                 const PointAssociationParams &params)
{
    namespace flags = correspondence_flags;
    IMaskContour *rules = maskContour.GetMaskContour();
    if (rules == nullptr)
        return;
    const Outline mask = counterClockwiseOutline(maskContour);
    const Outline input = counterClockwiseOutline(contour);
    std::vector<unsigned long> maskFlags;
    for (CBasePoint *point : mask.basePoints) {
        unsigned long word = 0;
        if (point != nullptr) {
            const CPointAssociationRule *rule = rules->GetAssRule(point);
            word |= rule->IsPointMatchNot2() ? flags::kFirst : 0;
            word |= rule->IsPointMatch0Or2() ? flags::kSecond : 0;
            word |= !params.onlyFormulaPoints || isFormulaPoint(point) ? flags::kPending : 0;
        }
        maskFlags.push_back(word);
    }
    std::vector<unsigned long> inputFlags;
    for (CBasePoint *point : input.basePoints) {
        unsigned long word = 0;
        if (point != nullptr) {
            const bool taken = m_oPartnerPoints.Find(point) >= 0;
            word |= point->GetGradeType() == GRADE_POINT_GRADE ? flags::kFirst : 0;
            word |= taken ? flags::kTaken : flags::kPending;
        }
        inputFlags.push_back(word);
    }
    CContourCorrespondence correspondence;
    correspondence.SetClosedContour(CContourCorrespondence::MaskSide, mask.points, maskFlags,
                                    mask.basePoints);
    correspondence.SetClosedContour(CContourCorrespondence::InputSide, input.points, inputFlags,
                                    input.basePoints);
    correspondence.SetParams(params);
    correspondence.MapExistingAssociations();
    correspondence.SolveClosed(maskContour);

    IPointAssociationMap *map = m_pGradeMask->GetPointAssociationMap();
    for (size_t k = 0; k < mask.basePoints.size(); ++k) {
        CBasePoint *point = mask.basePoints[k];
        const int partner = correspondence.GetCorrespondence(static_cast<int>(k));
        if (point == nullptr || partner < 0 || (maskFlags[k] & flags::kPending) == 0)
            continue;
        CBasePoint *inputPoint = input.basePoints[static_cast<size_t>(partner)];
        if (inputPoint == nullptr)
            continue;
        map->AddAssociation(point->GetMaskPoint(), inputPoint);
    }
}

bool CPatternAssociator::keepBestCost(CBasePoint *maskPoint, CBasePoint *point, double cost)
{
    for (const CBasePoint *either :
         {static_cast<const CBasePoint *>(maskPoint), static_cast<const CBasePoint *>(point)}) {
        const auto recorded = m_oBestCost.find(either);
        if (recorded != m_oBestCost.end() && recorded->second < cost)
            return false;
    }
    IPointAssociationMap *map = m_pGradeMask->GetPointAssociationMap();
    // Each point keeps only its cheapest pairing of the run.
    if (const auto earlier = m_oPairedWith.find(maskPoint); earlier != m_oPairedWith.end())
        map->RemoveAssociation(maskPoint->GetMaskPoint(), earlier->second);
    if (const auto earlier = m_oPairedWith.find(point); earlier != m_oPairedWith.end())
        map->RemoveAssociation(earlier->second->GetMaskPoint(), point);
    m_oBestCost[maskPoint] = cost;
    m_oBestCost[point] = cost;
    m_oPairedWith[maskPoint] = point;
    m_oPairedWith[point] = maskPoint;
    map->AddAssociation(maskPoint->GetMaskPoint(), point);
    return true;
}

namespace {

/// Partners noted during a shape-context pass: the mask point's, and every point taken.
class NotedPartners
{
public:
    void note(const CBasePoint *maskPoint, CBasePoint *partner)
    {
        m_partners[maskPoint] = partner;
        m_taken.Add(partner);
    }
    CBasePoint *partnerOf(const CBasePoint *maskPoint) const
    {
        const auto found = m_partners.find(maskPoint);
        return found == m_partners.end() ? nullptr : found->second;
    }
    bool isTaken(const CBasePoint *point) const { return m_taken.Find(point) >= 0; }

private:
    std::unordered_map<const CBasePoint *, CBasePoint *> m_partners;
    CPtrCollection<CBasePoint> m_taken;
};

} // namespace

// The mask points from the most to the least confident: each round takes the point whose best
// partner among the remaining candidates costs least, and that partner leaves the candidates.
static std::vector<CBasePoint *> confidenceOrder(const CShapeMatcher &matcher,
                                                 CPtrCollection<CBasePoint> maskPoints,
                                                 CPtrCollection<CBasePoint> candidates)
{
    std::vector<CBasePoint *> order;
    while (maskPoints.GetCount() > 0) {
        int bestIndex = -1;
        CBasePoint *bestPartner = nullptr;
        double bestCost = 0.0;
        for (int i = 0; i < maskPoints.GetCount(); ++i) {
            double cost = 0.0;
            CBasePoint *partner = matcher.FindBestMatch(maskPoints.GetAt(i), candidates, cost);
            if (partner != nullptr && (bestIndex < 0 || cost < bestCost)) {
                bestIndex = i;
                bestPartner = partner;
                bestCost = cost;
            }
        }
        if (bestIndex < 0)
            break;
        order.push_back(maskPoints.GetAt(bestIndex));
        maskPoints.RemoveAt(bestIndex);
        candidates.RemoveAt(candidates.Find(bestPartner));
    }
    for (CBasePoint *rest : maskPoints)
        order.push_back(rest);
    return order;
}

// The nearest point before (step -1) or after (step 1) index that has a noted partner; null
// when none.
static CBasePoint *pairedNeighbour(const CPtrCollection<CBasePoint> &points, int index, int step,
                                   bool closed, const NotedPartners &noted)
{
    const int count = points.GetCount();
    for (int k = 1; k < count; ++k) {
        int j = index + step * k;
        if (closed)
            j = (j % count + count) % count;
        else if (j < 0 || j >= count)
            return nullptr;
        if (noted.partnerOf(points.GetAt(j)) != nullptr)
            return points.GetAt(j);
    }
    return nullptr;
}

// The input outline's points strictly between two partners, walked the way the mask runs.
static CPtrCollection<CBasePoint> pointsBetween(const CPtrCollection<CBasePoint> &points,
                                                const CBasePoint *from, const CBasePoint *to,
                                                int step, bool closed)
{
    CPtrCollection<CBasePoint> between;
    const int count = points.GetCount();
    const int start = points.Find(from);
    for (int k = 1; k < count; ++k) {
        int j = start + step * k;
        if (closed)
            j = (j % count + count) % count;
        else if (j < 0 || j >= count)
            break;
        if (points.GetAt(j) == to)
            break;
        between.Add(points.GetAt(j));
    }
    return between;
}

static CPtrCollection<CBasePoint> gradePointsOnContours(const CPattern &pattern)
{
    CPtrCollection<CBasePoint> gradePoints;
    pattern.AppendGradePoints(gradePoints);
    CPtrCollection<CBasePoint> onContours;
    for (CBasePoint *point : gradePoints) {
        for (int i = 0; i < pattern.GetContourCount(); ++i) {
            if (pattern.GetContourAt(i)->ContaintsPoint(point)) {
                onContours.Add(point);
                break;
            }
        }
    }
    return onContours;
}

void CPatternAssociator::associateByShapeContext(CContour &maskContour, CContour &contour,
                                                 const CPtrCollection<CBasePoint> &points,
                                                 const PointAssociationParams &params)
{
    CPattern &maskPattern = *maskContour.GetPattern();
    CPattern &pattern = *contour.GetPattern();
    const bool isOuter = maskPattern.GetOutContour() == &maskContour;
    CShapeMatcher matcher;
    matcher.SetContours(&maskContour, &contour, isOuter, isOuter);
    matcher.SetTurnThreshold(params.cornerAngleMatch * std::numbers::pi / 180.0);
    matcher.Build();

    CPtrCollection<CBasePoint> maskPoints;
    maskContour.GetOutContour(&maskPoints, false, false);
    CPtrCollection<CBasePoint> inputPoints;
    contour.GetOutContour(&inputPoints, false, false);
    NotedPartners noted;
    for (CBasePoint *point : maskPoints) {
        for (CBasePoint *partner : partnersOf(*point)) {
            if (inputPoints.Find(partner) >= 0) {
                noted.note(point, partner);
                break;
            }
        }
    }
    const bool closed = maskContour.IsClosed() && contour.IsClosed();
    const int step = maskContour.IsClockwise() == contour.IsClockwise() ? 1 : -1;
    for (CBasePoint *point : confidenceOrder(matcher, maskPoints, inputPoints)) {
        if (m_oPartneredMaskPoints.Find(point) >= 0 || noted.partnerOf(point) != nullptr ||
            points.Find(point) < 0)
            continue;
        const int index = maskPoints.Find(point);
        const CBasePoint *before = pairedNeighbour(maskPoints, index, -1, closed, noted);
        const CBasePoint *after = pairedNeighbour(maskPoints, index, 1, closed, noted);
        CPtrCollection<CBasePoint> candidates =
            before != nullptr && after != nullptr
                ? pointsBetween(inputPoints, noted.partnerOf(before), noted.partnerOf(after), step,
                                closed)
                : inputPoints;
        for (int i = candidates.GetCount() - 1; i >= 0; --i) {
            if (noted.isTaken(candidates.GetAt(i)) ||
                m_oPartnerPoints.Find(candidates.GetAt(i)) >= 0)
                candidates.RemoveAt(i);
        }
        double cost = 0.0;
        CBasePoint *partner = matcher.FindBestMatch(point, candidates, cost);
        if (partner == nullptr)
            continue;
        noted.note(point, partner);
        if (!params.onlyFormulaPoints || isFormulaPoint(point))
            keepBestCost(point, partner, cost);
    }
    if (!isOuter)
        return;
    CPtrCollection<CBasePoint> maskMarks;
    CPtrCollection<CBasePoint> inputMarks;
    for (int i = 0; i < maskPattern.GetMarkPointCount(); ++i)
        maskMarks.Add(maskPattern.GetMarkPointAt(i));
    for (int i = 0; i < pattern.GetMarkPointCount(); ++i)
        inputMarks.Add(pattern.GetMarkPointAt(i));
    matchRemaining(matcher, maskMarks, inputMarks, params);
    matchRemaining(matcher, gradePointsOnContours(maskPattern), gradePointsOnContours(pattern),
                   params);
}

void CPatternAssociator::matchRemaining(const CShapeMatcher &matcher,
                                        const CPtrCollection<CBasePoint> &maskPoints,
                                        CPtrCollection<CBasePoint> candidates,
                                        const PointAssociationParams &params)
{
    for (int i = candidates.GetCount() - 1; i >= 0; --i) {
        const CBasePoint *candidate = candidates.GetAt(i);
        if (m_oPartnerPoints.Find(candidate) >= 0 || m_oPairedWith.count(candidate) > 0)
            candidates.RemoveAt(i);
    }
    for (CBasePoint *point : maskPoints) {
        const bool paired =
            m_oPartneredMaskPoints.Find(point) >= 0 || m_oPairedWith.count(point) > 0;
        if (paired || (params.onlyFormulaPoints && !isFormulaPoint(point)))
            continue;
        double cost = 0.0;
        CBasePoint *partner = matcher.FindBestMatch(point, candidates, cost);
        if (partner != nullptr && keepBestCost(point, partner, cost))
            candidates.RemoveAt(candidates.Find(partner));
    }
}
