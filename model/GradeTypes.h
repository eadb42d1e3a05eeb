// Morvane model library.
// The kinds of points and lines of a pattern.
#pragma once

#include <cstdint>

/// The grade type of a point. Any other value is kept and stored unchanged; it is labelled like
/// a grade point and enters a pattern's grade-point list, but the searches that look for grade
/// points (nearest, next and previous grade point, numbering) test for GRADE_POINT_GRADE only.
enum GRADE_POINT_TYPE : int32_t {
    GRADE_POINT_INTERMEDIATE = 0, ///< an ordinary point, labelled "I%d"
    GRADE_POINT_GRADE = 1,        ///< a grade point, labelled "P%d"
};

/// The kind of a polyline, as its source gives it. The model stores and copies it and saves it
/// ("LineType"), but acts on no value of it.
enum GRADE_LINE_TYPE : int32_t {};
