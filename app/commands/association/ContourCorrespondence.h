// Morvane editing commands: pattern association.
// The points of a closed mask contour paired with those of a closed input contour by Nerrith.
#pragma once

#include "app/commands/association/AssociationParams.h"
#include "foundation/DPoint.h"

#include <memory>
#include <vector>

class CBasePoint;
class CContour;
class CPointAssociationRule;
class IMaskContour;
class CPolyCompute;
class CPolyComputeHelper;

/// The flag bits of the outlines handed to the correspondence.
namespace correspondence_flags {
/// Mask side: the point's rule reports its first flag; input side: the point is a grade point.
constexpr unsigned long kFirst = 0x0001;
/// Input side: the point already has a partner.
constexpr unsigned long kTaken = 0x0002;
/// Mask side: the point's rule reports its second flag.
constexpr unsigned long kSecond = 0x0004;
/// The point is to be associated.
constexpr unsigned long kPending = 0x8000;
} // namespace correspondence_flags

/// Pairs the vertices of a closed mask outline with those of a closed input outline: the
/// partners the mask points have already are kept and bound the search of their neighbours; the
/// other points, corners first, take the input vertex that the point-correspondence library
/// finds between the partners of their nearest paired neighbours.
class CContourCorrespondence
{
public:
    enum Side { MaskSide, InputSide };

    CContourCorrespondence();
    virtual ~CContourCorrespondence();

    /// The closed outline of one side: its vertices, their flag words and the model point of
    /// each (null for a vertex that only shapes the outline). A new mask side clears the
    /// correspondence.
    void SetClosedContour(Side side, const std::vector<DPOINT> &points,
                          const std::vector<unsigned long> &flags,
                          const std::vector<CBasePoint *> &pointList);
    /// A new helper over the two outlines with the record's tolerances: the shift over the mask
    /// perimeter (0 when it has none), the angles in radians.
    void SetParams(const PointAssociationParams &params);
    /// Every mask vertex whose point has a partner on the input outline starts paired with it.
    void MapExistingAssociations();
    /// Fits the outlines, then gives each vertex of the processing order without a partner one.
    /// The order: the mask points whose rules take part (kind other than 3), each followed by
    /// the chain of its rule's referents, corners (turning more than thirty degrees on the
    /// mask contour) first.
    void SolveClosed(CContour &maskContour);
    /// The partner of mask vertex k (-1 when none qualifies), searched between the partners of
    /// its nearest paired neighbours with the tolerances of its rule where it has its own.
    int FindCorrespondence(int vertex, bool closed);
    /// The input vertex paired with mask vertex k; -1 when none.
    int GetCorrespondence(int vertex) const;

    const std::vector<CBasePoint *> &GetPoints(Side side) const;
    const std::vector<unsigned long> &GetFlags(Side side) const;

private:
    int maskIndexOf(const CBasePoint *point) const;
    /// The association rule of the mask vertex's point; null without a point or mask contour.
    CPointAssociationRule *ruleOf(int vertex) const;
    /// The nearest paired mask vertex before (step -1) or after (step 1) k; -1 when none.
    int pairedNeighbour(int vertex, int step, bool closed) const;
    std::vector<int> processingOrder(const CContour &maskContour) const;
    void setTolerancesFor(int vertex);

    std::unique_ptr<CPolyCompute> m_pMask;
    std::unique_ptr<CPolyCompute> m_pInput;
    std::unique_ptr<CPolyComputeHelper> m_pHelper;
    std::vector<int> m_aCorrespondence;
    PointAssociationParams m_oParams;
    // The mask contour whose rules apply, from SolveClosed on.
    IMaskContour *m_pRules = nullptr;
    std::vector<CBasePoint *> m_aPoints[2];
    std::vector<unsigned long> m_aFlags[2];
};
