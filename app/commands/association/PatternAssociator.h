// Morvane editing commands: pattern association.
// Which input patterns belong to which mask patterns, decided by the geometry of their contours.
#pragma once

#include "app/commands/association/AssociationParams.h"
#include "foundation/PtrCollection.h"

#include <unordered_map>

class CBasePoint;
class CShapeMatcher;
class CContour;
class CPattern;
class IDocumentServices;
class IGradeMask;

/// The association engine, made for one command run: it pairs input patterns with the mask
/// patterns of a grade mask by the costs of their closed contours (CContourSetMatcher) and writes
/// each pair into the mask pattern's list of associated patterns; and it pairs the points of two
/// associated patterns (CContourCorrespondence) into the mask's point association map.
class CPatternAssociator
{
public:
    /// The two contours of a compared pair: one of the mask pattern, one of the other pattern.
    struct ContourPair
    {
        CContour *maskContour = nullptr;
        CContour *contour = nullptr;
    };

    /// Works on the document's active grade mask, with the size dissimilarity of the options
    /// ("MAX_SIZE_DISSIMILARITY"); a run without an active mask changes nothing. Must be called
    /// (or SetGradeMask) before any run.
    void SetDocument(IDocumentServices &document);
    /// The mask whose patterns are associated (not owned).
    void SetGradeMask(IGradeMask *mask) { m_pGradeMask = mask; }
    /// The size dissimilarity, percent, of the comparisons that the options govern (default 40).
    void SetMaxSizeDissimilarity(double percent) { m_dMaxSizeDissimilarity = percent; }

    /// Associates the patterns with the mask's patterns: multiple association (type 1) first
    /// pairs one-to-one, then adds the further partners within the multiple threshold. A
    /// pattern takes part when the method compares by position (1) or it is placed (a pattern
    /// that is not an input pattern counts as placed), unless the mask holds it. Always true.
    bool AssociatePatterns(const CPtrCollection<CPattern> &patterns,
                           const PatternAssociationParams &params);
    /// The cheapest pair of closed contours of the two patterns by position, and its cost;
    /// false when no pair can be compared.
    bool CompareClosedContours(CPattern &maskPattern, CPattern &pattern, ContourPair &pair,
                               double &cost) const;
    /// Associates the points of the mask pattern with those of the other pattern, contour pair
    /// by contour pair in increasing cost (by position, multiple) while the cost lies within the
    /// record's shape error: with the point correspondence (point association type 0) on closed
    /// contour pairs, or by shape context (type 1), where each point keeps only its cheapest
    /// pairing of the run and, on the patterns' outer contours, their mark points and the grade
    /// points on other contours are matched too. Points keep the partners they have. With
    /// onlyFormulaPoints only the mask points that some formula of the mask uses, and with the
    /// shape context only those of points, are associated. Always true.
    bool AssociatePatternPointsWith(CPattern &maskPattern, CPattern &pattern,
                                    const CPtrCollection<CBasePoint> &points,
                                    const PointAssociationParams &params);
    /// Whether the pattern's list of associated patterns is not empty.
    static bool HasAssociatedPatterns(CPattern &pattern);
    /// The pattern's closed contours of at least 20 by 20, with an outline, each unlike those
    /// already in the list (a contour whose extent lies within 1.0 of one listed, side by side,
    /// and whose area does too, is left out).
    static void CollectPatternContours(const CPattern &pattern, CPtrCollection<CContour> &contours);

private:
    void runPatternPass(const CPtrCollection<CPattern> &patterns,
                        const PatternAssociationParams &params);
    void associateContourPoints(CContour &maskContour, CContour &contour,
                                const CPtrCollection<CBasePoint> &points,
                                const PointAssociationParams &params);
    void associateClosedContours(CContour &maskContour, CContour &contour,
                                 const PointAssociationParams &params);
    void associateByShapeContext(CContour &maskContour, CContour &contour,
                                 const CPtrCollection<CBasePoint> &points,
                                 const PointAssociationParams &params);
    /// Accepts the pairing unless either point has one of lower cost in this run; then
    /// associates them and notes the cost for both.
    bool keepBestCost(CBasePoint *maskPoint, CBasePoint *point, double cost);
    /// Pairs each mask point (that has no partner and that a formula uses, when asked) with its
    /// best candidate, through keepBestCost; a candidate paired is taken out.
    void matchRemaining(const CShapeMatcher &matcher, const CPtrCollection<CBasePoint> &maskPoints,
                        CPtrCollection<CBasePoint> candidates,
                        const PointAssociationParams &params);
    /// Whether some formula of the mask uses the point.
    bool isFormulaPoint(const CBasePoint *point) const;
    /// The mask pattern's points that have partners on the other pattern, and those partners.
    void noteExistingPartners(const CPattern &maskPattern, const CPattern &pattern);

    IGradeMask *m_pGradeMask = nullptr;
    CPtrCollection<CBasePoint> m_oPartneredMaskPoints;
    CPtrCollection<CBasePoint> m_oPartnerPoints;
    // The lowest cost with which each point was paired in this run by shape context, and the
    // point it was paired with then.
    std::unordered_map<const CBasePoint *, double> m_oBestCost;
    std::unordered_map<const CBasePoint *, CBasePoint *> m_oPairedWith;
    double m_dMaxSizeDissimilarity = 40.0;
};
