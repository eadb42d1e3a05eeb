// Morvane formula library tests.
// Input pieces shaped like the mask's square, shown on a mask that holds the square: the fixture
// of the tests of formulas over several input patterns.
#pragma once

#include "FakeGradeSource.h"
#include "model/GradeMask.h"
#include "model/IInputPatterns.h"

#include <initializer_list>
#include <memory>
#include <vector>

namespace testformulas {

/// One input piece per name, each a square like the mask's "Front" (0,0), (40,0), (40,40),
/// (0,40), with a fifth point (20,0) on its first edge when asked for; all shown on a mask that
/// holds "Front" (testmodel::placeSquare), every piece flagged.
class InputSquares
{
public:
    InputSquares(std::initializer_list<const char *> names, bool withMidPoint);
    ~InputSquares();
    InputSquares(const InputSquares &) = delete;
    InputSquares &operator=(const InputSquares &) = delete;

    /// Point i of input pattern pattern.
    CBasePoint *inputPoint(int pattern, int i) const;
    /// Associates point i of the mask's square with point i of every input pattern.
    void associateEverywhere(int i);

    std::vector<std::unique_ptr<testmodel::FakePattern>> sources;
    CEventHandler *patternsHandler = nullptr;
    std::unique_ptr<IInputPatterns> patterns;
    CEventHandler *maskHandler = nullptr;
    std::unique_ptr<IGradeMask> maskItf;
    CGradeMask *mask = nullptr;
    CMaskPattern *square = nullptr;
};

} // namespace testformulas
