// Morvane editing commands: pattern association.
// Which input patterns belong to which mask patterns, decided by the geometry of their contours.
#include "app/commands/association/PatternAssociator.h"

#include "app/commands/association/ContourSetMatcher.h"
#include "app/commands/association/ContourShapes.h"
#include "foundation/CurveShape.h"
#include "model/Contour.h"
#include "model/GradeMask.h"
#include "model/InputPattern.h"
#include "model/Pattern.h"

#include <cmath>
#include <memory>
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

void CPatternAssociator::runPatternPass(const CPtrCollection<CPattern> &patterns,
                                        const PatternAssociationParams &params)
{
    if (m_pGradeMask == nullptr)
        return;
    CPtrCollection<CContour> inputContours;
    for (CPattern *pattern : patterns) {
        if (params.method == 1 || isPlaced(*pattern))
            CollectPatternContours(*pattern, inputContours);
    }
    CPtrCollection<CContour> maskContours;
    for (int i = 0; i < m_pGradeMask->GetPatternCount(); ++i)
        CollectPatternContours(*m_pGradeMask->GetPatternAt(i), maskContours);

    const auto maskShapes = MakeContourShapes(maskContours, true);
    const auto inputShapes = MakeContourShapes(inputContours, true);
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
    CPtrCollection<CContour> maskContours;
    maskPattern.AppendContours(maskContours, true);
    CPtrCollection<CContour> contours;
    pattern.AppendContours(contours, true);
    const auto maskShapes = MakeContourShapes(maskContours, true);
    const auto shapes = MakeContourShapes(contours, true);
    PatternAssociationParams params;
    params.type = 0;
    params.maxSizeDissimilarity = m_dMaxSizeDissimilarity;
    params.maxShapeError = 0.0;
    params.maxShapeErrorMulti = 0.0;
    params.method = 1;
    CContourSetMatcher matcher;
    matcher.SetInput(pointers(maskShapes), listOf(maskContours), pointers(shapes), listOf(contours),
                     params);
    int row = -1;
    int column = -1;
    if (!matcher.FindBestPair(row, column, cost))
        return false;
    pair = {maskContours.GetAt(row), contours.GetAt(column)};
    return true;
}
