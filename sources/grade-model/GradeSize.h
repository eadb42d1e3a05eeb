// Morvane grade-model interfaces.
// The key of one size: a grade-rule table and a size within it.
#pragma once

/// A size as grade models see it: the index of a grade-rule table (in the order of the grade
/// tables of IGradeData) and the index of a size in that table, both from 0. A negative value in
/// either field means the base size, to which no grade rule applies. Passed by value.
struct GradeSize
{
    int table = -1;
    int size = -1;

    /// True when either index is negative: the base (sample) size.
    bool IsBaseSize() const { return table < 0 || size < 0; }
};
