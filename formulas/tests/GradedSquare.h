// Morvane formula library tests.
// A graded input piece shown on a mask: the fixture of the measure and path formula tests.
#pragma once

#include "FakeGradeSource.h"
#include "model/GradeMask.h"
#include "model/IInputPatterns.h"
#include "model/InputPattern.h"

#include <memory>
#include <string>

namespace testformulas {

/// The formula's display text with the flag.
std::string displayOf(IBaseFormula &formula, bool flag);

/// A grade model's piece, a rectangle of grade points P1 (0, 0), P2 (40, 0), P3 (40, 30) and
/// P4 (0, 30) on one closed counter-clockwise curve, that grows with the size: in size (t, s)
/// P2 lies (s + 1) to the right and P3 (s + 1) to the right and up. Its input pattern is shown
/// on the mask, which has no region or formula yet.
class GradedSquare
{
public:
    GradedSquare();
    ~GradedSquare();
    GradedSquare(const GradedSquare &) = delete;
    GradedSquare &operator=(const GradedSquare &) = delete;

    /// The input point of Pn (n from 1).
    CBasePoint *point(int n) const;
    CInputPattern *pattern() const;

    testmodel::FakePattern source{"Front"};
    CEventHandler *handler = nullptr;
    std::unique_ptr<IInputPatterns> patterns;
    CGradeMask mask;
};

} // namespace testformulas
