// Nerrith point-correspondence library.
// The rigid fit of one outline onto another over arc-length samples (private to the library).
#include "platform/nerrith/OutlineFit.h"

#include "platform/nerrith/PolyCompute.h"

#include <algorithm>
#include <cmath>
#include <vector>

using namespace nerrith;

namespace {

/// Samples spread evenly along each outline.
constexpr int kSampleCount = 64;

/// Samples moved so that their centroid lies at the origin, with their sum of squared lengths.
struct CentredSamples
{
    std::vector<DPOINT> points;
    double squaredSum = 0.0;
};

/// The best turn and scale of one centred sample set onto another, index by index.
struct Fit
{
    double rotation = 0.0;
    double residual = 0.0; // sum of squared distances after the turn and scale
};

} // namespace

static CentredSamples centred(std::vector<DPOINT> points)
{
    DPOINT centre{};
    for (const DPOINT &p : points) {
        centre.x += p.x;
        centre.y += p.y;
    }
    const auto count = static_cast<double>(points.size());
    centre = {centre.x / count, centre.y / count};
    CentredSamples samples;
    for (DPOINT &p : points) {
        p = {p.x - centre.x, p.y - centre.y};
        samples.squaredSum += p.x * p.x + p.y * p.y;
    }
    samples.points = std::move(points);
    return samples;
}

// Samples from the arc length start on, one step apart (negative steps walk backward).
static std::vector<DPOINT> sample(const CPolyCompute &outline, double start, double step, int count)
{
    std::vector<DPOINT> points;
    points.reserve(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i)
        points.push_back(outline.GetPointAt(start + step * i));
    return points;
}

// Least squares: the turn and uniform scale that bring input sample (i + offset) mod n onto
// mask sample i.
static Fit fit(const CentredSamples &mask, const CentredSamples &input, size_t offset)
{
    const size_t count = mask.points.size();
    double along = 0.0;
    double across = 0.0;
    for (size_t i = 0; i < count; ++i) {
        const DPOINT &m = mask.points[i];
        const DPOINT &c = input.points[(i + offset) % count];
        along += m.x * c.x + m.y * c.y;
        across += c.x * m.y - c.y * m.x;
    }
    if (input.squaredSum <= 0.0)
        return {0.0, mask.squaredSum};
    return {std::atan2(across, along),
            mask.squaredSum - (along * along + across * across) / input.squaredSum};
}

static double normalisedError(const CentredSamples &mask, const CentredSamples &input,
                              double residual)
{
    const auto count = static_cast<double>(mask.points.size());
    const double gyration = std::sqrt(mask.squaredSum / count);
    const double rms = std::sqrt(std::max(residual, 0.0) / count);
    if (gyration > 0.0)
        return rms / gyration;
    return std::sqrt(input.squaredSum / count) > 0.0 ? kIncomparable : 0.0;
}

static bool comparable(const CPolyCompute &outline)
{
    return outline.GetPointsCount() >= 2 && outline.GetPerimeter() > 0.0;
}

// The offset, between -1 and 1 around the middle one, at the vertex of the parabola through
// three residuals one offset apart; 0 when they do not bend upwards.
static double parabolaVertex(double before, double at, double after)
{
    const double bend = before - 2.0 * at + after;
    if (bend <= 0.0)
        return 0.0;
    return std::clamp(0.5 * (before - after) / bend, -1.0, 1.0);
}

Alignment nerrith::alignClosed(const CPolyCompute &mask, const CPolyCompute &input)
{
    if (!comparable(mask) || !comparable(input))
        return {};
    const CentredSamples maskSamples = centred(mask.GetEvenSamples(kSampleCount, false));
    Alignment best;
    best.reversed = (mask.GetSignedArea() < 0.0) != (input.GetSignedArea() < 0.0);
    const double step = (best.reversed ? -1.0 : 1.0) * input.GetPerimeter() / kSampleCount;
    const CentredSamples inputSamples = centred(input.GetEvenSamples(kSampleCount, best.reversed));

    std::vector<Fit> fits;
    fits.reserve(kSampleCount);
    int bestOffset = 0;
    for (int offset = 0; offset < kSampleCount; ++offset) {
        fits.push_back(fit(maskSamples, inputSamples, static_cast<size_t>(offset)));
        if (fits.back().residual < fits[static_cast<size_t>(bestOffset)].residual)
            bestOffset = offset;
    }
    const Fit &atBest = fits[static_cast<size_t>(bestOffset)];
    double bestResidual = atBest.residual;
    best.shift = step * bestOffset;
    best.rotation = atBest.rotation;
    // The best start lies between the neighbouring samples: try the parabola's vertex.
    const double between = parabolaVertex(
        fits[static_cast<size_t>((bestOffset + kSampleCount - 1) % kSampleCount)].residual,
        atBest.residual, fits[static_cast<size_t>((bestOffset + 1) % kSampleCount)].residual);
    if (between != 0.0) {
        const double start = step * (bestOffset + between);
        const Fit refined = fit(maskSamples, centred(sample(input, start, step, kSampleCount)), 0);
        if (refined.residual < bestResidual) {
            bestResidual = refined.residual;
            best.shift = start;
            best.rotation = refined.rotation;
        }
    }
    best.shift = std::fmod(best.shift, input.GetPerimeter());
    if (best.shift < 0.0)
        best.shift += input.GetPerimeter();
    best.error = normalisedError(maskSamples, inputSamples, bestResidual);
    return best;
}

// Samples of the outline read as an open curve; a closed one runs from its vertex 0 round to
// it again.
static std::vector<DPOINT> openSamples(const CPolyCompute &outline, bool backward)
{
    if (!outline.IsClosed())
        return outline.GetEvenSamples(kSampleCount, backward);
    std::vector<DPOINT> points = outline.GetEvenSamples(kSampleCount - 1, backward);
    points.push_back(points.front());
    return points;
}

Alignment nerrith::alignOpen(const CPolyCompute &mask, const CPolyCompute &input)
{
    if (!comparable(mask) || !comparable(input))
        return {};
    const CentredSamples maskSamples = centred(openSamples(mask, false));
    Alignment best;
    for (bool reversed : {false, true}) {
        const CentredSamples inputSamples = centred(openSamples(input, reversed));
        const Fit found = fit(maskSamples, inputSamples, 0);
        const double error = normalisedError(maskSamples, inputSamples, found.residual);
        if (error < best.error)
            best = {reversed ? input.GetPerimeter() : 0.0, reversed, found.rotation, error};
    }
    return best;
}
