// Morvane program grading tests.
// The test fixture of the grading tests: the square piece on its mask for each test.
#pragma once

#include "SquareOnMask.h"

#include <gtest/gtest.h>

namespace testgrading {

class GradingFixture : public ::testing::Test, public SquareOnMask
{
};

} // namespace testgrading
