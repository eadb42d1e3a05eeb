// Nerrith point-correspondence library.
// How much two outlines differ, and which vertex of one answers a vertex of the other.
#pragma once

#include "platform/nerrith/OutlineFit.h"

#include <vector>

class CPolyCompute;

/// Compares a mask outline with an input outline and pairs their vertices.
///
/// Method: Procrustes alignment of arc-length resamplings. Both outlines are resampled at 64
/// points spread evenly along their length; the input is fitted onto the mask by the rotation,
/// uniform scale and translation that minimise the sum of squared distances between matching
/// samples (the closed-form two-dimensional Procrustes solution), trying every sample as the
/// start of a closed input (walked the way the mask turns) and refining the best start between
/// samples; an open input is tried from either end. The dissimilarity is the root mean square
/// distance after the fit divided by the mask's radius of gyration: it does not depend on where
/// the outlines lie, how they are turned, how large they are or at which vertex they start, so
/// a piece graded to another size differs from its base size only by the change of its
/// proportions, far less than from a piece of another shape. Sizes are compared by the caller.
///
/// Vertices are paired on the fitted outlines: a candidate must lie within the shift, corner
/// and tangent tolerances (see FindCorrespondingPoint).
class CPolyComputeHelper
{
public:
    /// Neither outline is owned; both must outlive the helper and stay unchanged while it works.
    CPolyComputeHelper(CPolyCompute *mask, CPolyCompute *input);
    virtual ~CPolyComputeHelper();

    /// The largest shift along the outline, as a fraction of the mask's perimeter (default 0.05).
    void SetMaxShiftError(double fraction) { m_dMaxShiftError = fraction; }
    /// The weight of the shift in a pairing's value (default 0.5).
    void SetShiftFactor(double factor) { m_dShiftFactor = factor; }
    /// The largest difference of turn at a pair of vertices, radians (default 60 degrees).
    void SetMaxCornerAngleError(double radians) { m_dMaxCornerAngleError = radians; }
    /// The largest difference of direction at a pair of vertices after the fit, radians
    /// (default 45 degrees).
    void SetMaxTangentAngleError(double radians) { m_dMaxTangentAngleError = radians; }
    /// The weight of the turn difference in a pairing's value (default 0.5).
    void SetCornerAngleFactor(double factor) { m_dCornerAngleFactor = factor; }

    /// Fits the input onto the mask: closed outlines as closed, otherwise as open curves.
    void FindOptimumPosition();
    /// After FindOptimumPosition: the length along the input outline, from its vertex 0, of
    /// the point that falls on the mask's vertex 0.
    double GetShift() const { return m_oAlignment.shift; }
    /// The dissimilarity after FindOptimumPosition (fitting first when it has not run): 0 for
    /// similar outlines, above 0.15 for clearly different ones; 1e10 when either outline has
    /// fewer than two vertices or no length.
    double GetOptimalValue();
    /// The dissimilarity of the two outlines read as open curves from their vertex 0, either
    /// way round; 1e10 as above.
    double GetCurveDistance() const;

    /// The input vertex that answers mask vertex maskVertex, after FindOptimumPosition; -1 when
    /// none qualifies. Candidates are the input vertices from low to high, walked the way the
    /// fit runs along the input (on a closed input low == high means all of it; an open input
    /// takes the vertices between the two, inclusive). A candidate carries kPointFlag, not
    /// kTakenFlag, is not associated, and lies within the tolerances:
    /// - shift: the difference of the two vertices' places along their outlines, as fractions
    ///   of the perimeters, measured from linkedVertex and its partner linkedPartner when both
    ///   are given (not negative), else from the fitted start;
    /// - corner: the difference of their turns;
    /// - tangent: the difference of their directions on the fitted outlines.
    /// value receives the candidate's weighted errors (shift factor times shift over its
    /// tolerance plus corner factor times corner over its tolerance); the lowest wins, the first
    /// of equals. A mask vertex out of range gives -1.
    int FindCorrespondingPoint(int maskVertex, int linkedVertex, int linkedPartner, int low,
                               int high, double &value);

private:
    bool bothClosed() const;
    /// The place of an input vertex along the fitted input, as a fraction of its perimeter
    /// counted from the point on the mask's vertex 0, in the mask's direction.
    double fittedPlace(int inputVertex) const;
    double maskPlace(int maskVertex) const;
    /// The difference of two places along an outline, brought into [-0.5, 0.5) on a closed one.
    double placeDifference(double a, double b) const;
    bool isCandidate(int inputVertex) const;
    /// The candidates from low to high in the fit's direction.
    std::vector<int> candidates(int low, int high) const;
    /// The weighted errors of pairing the two vertices; negative when a tolerance is exceeded.
    double pairingValue(int maskVertex, int inputVertex, int linkedVertex, int linkedPartner) const;

    CPolyCompute *m_pMask;
    CPolyCompute *m_pInput;
    nerrith::Alignment m_oAlignment;
    bool m_bAligned = false;
    double m_dMaxShiftError = 0.05;
    double m_dShiftFactor = 0.5;
    double m_dMaxCornerAngleError;
    double m_dMaxTangentAngleError;
    double m_dCornerAngleFactor = 0.5;
};
