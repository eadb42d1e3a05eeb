// Morvane program grading.
// The search, size by size, for the end movement of a chain that its own solution asks for.
#include "app/grading/ChainSearch.h"

#include <cmath>

namespace {

constexpr int kMaxSteps = 100;
constexpr double kFirstStep = 2.0;
constexpr double kTolerance = 0.1;

bool sameSign(double a, double b)
{
    return (a < 0) == (b < 0);
}

bool growsAwayFromZero(double before, double after)
{
    return (before > 0 && after > before) || (before < 0 && after < before);
}

} // namespace

int SearchChainEnd(double start, const ChainResidual &residual)
{
    double low = start;
    double lowResidual = 0;
    if (const int code = residual(low, lowResidual))
        return code;
    double high = low;
    double step = kFirstStep;
    bool turned = false;
    for (int i = 0; i < kMaxSteps; ++i) {
        high += step;
        double highResidual = 0;
        if (const int code = residual(high, highResidual))
            return code;
        if (!sameSign(lowResidual, highResidual))
            break;
        if (!turned && growsAwayFromZero(lowResidual, highResidual)) {
            step = -step;
            turned = true;
        }
    }
    for (int i = 0; i < kMaxSteps; ++i) {
        const double middle = (low + high) * 0.5;
        double middleResidual = 0;
        if (const int code = residual(middle, middleResidual))
            return code;
        if (sameSign(middleResidual, lowResidual)) {
            low = middle;
            lowResidual = middleResidual;
        } else {
            high = middle;
        }
        if (std::fabs(middleResidual) < kTolerance)
            break;
    }
    return 0;
}
