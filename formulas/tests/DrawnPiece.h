// Morvane formula library tests.
// An input piece drawn from a list of corners, shown on a mask: the fixture of the dart and
// lapel tests.
#pragma once

#include "FakeGradeSource.h"
#include "model/GradeMask.h"
#include "model/IInputPatterns.h"

#include <memory>
#include <vector>

namespace testformulas {

/// A grade model's piece whose grade points P1, P2, ... lie at the given corners, joined in
/// order into one closed curve; its input pattern is shown on the mask.
class DrawnPiece
{
public:
    explicit DrawnPiece(const std::vector<DPOINT> &corners);
    ~DrawnPiece();
    DrawnPiece(const DrawnPiece &) = delete;
    DrawnPiece &operator=(const DrawnPiece &) = delete;

    /// The input point Pn (n from 1).
    CBasePoint *point(int n) const;

    testmodel::FakePattern source{"Front"};
    CEventHandler *handler = nullptr;
    std::unique_ptr<IInputPatterns> patterns;
    CGradeMask mask;
};

} // namespace testformulas
