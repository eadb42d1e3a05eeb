// Morvane program grading.
// The sizes one grading pass works on: a grade table, its size count and its base size.
#pragma once

#include "sources/grade-model/GradeSize.h"

/// The sizes of one grade table of the measurement table set.
struct GradingSizes
{
    int table = 0;
    int count = 0;
    /// The base (sample) size; never graded.
    int base = -1;

    GradeSize key(int size) const { return {table, size}; }
};
