// Nerrith point-correspondence library.
// The rigid fit of one outline onto another over arc-length samples (private to the library).
#pragma once

class CPolyCompute;

namespace nerrith {

/// The dissimilarity of two outlines that cannot be compared (too few vertices, no length).
constexpr double kIncomparable = 1e10;

/// How an input outline lies on a mask outline after the best fit.
struct Alignment
{
    /// The length along the input outline, from its vertex 0, of the point that falls on the
    /// mask's vertex 0.
    double shift = 0.0;
    /// The input is walked against its own direction (the two outlines turn opposite ways, or
    /// an open input runs from its end).
    bool reversed = false;
    /// The turn, in radians, that brings the input's directions onto the mask's.
    double rotation = 0.0;
    /// The root mean square distance between matching samples after the fit, divided by the
    /// mask samples' radius of gyration: 0 for similar outlines, dimensionless, the same
    /// wherever the outlines lie, however they are turned and whatever their size;
    /// kIncomparable when the outlines cannot be compared.
    double error = kIncomparable;
};

/// Closed outlines: the input is walked the way the mask turns, from the start that fits best
/// (every sample start tried, then the best refined between its neighbours), turned, scaled and
/// moved onto the mask (least squares).
Alignment alignClosed(const CPolyCompute &mask, const CPolyCompute &input);

/// Open outlines (a closed one is read from its vertex 0 round to it again): start on start or
/// start on end, whichever fits better, turned, scaled and moved onto the mask.
Alignment alignOpen(const CPolyCompute &mask, const CPolyCompute &input);

} // namespace nerrith
