// Morvane AAMA grade model tests.
// The documents and gradings that the tests write, shared with the independent check.
#pragma once

#include "sources/aama-model/AamaDxfDocument.h"

#include <ctime>
#include <string>
#include <vector>

class CAamaGradeModel;
class IGradeData;

/// 5 March 2024, 14:07:09.
std::tm fixedClock();

/// One piece of three boundary points (a rule point with rule 0, a notch from (10, 10) to
/// (10, 12), a curve point), a drill hole, a grain line of three points, a line item of kind 0
/// and an internal line of two points.
CAamaDxfDocument onePieceDocument();

/// No pieces, and empty table name and sample size.
CAamaDxfDocument noPieceDocument();

/// Two pieces filled as the AAMA grade model fills them: outlines of rule, curve and notch
/// points, and drill holes.
CAamaDxfDocument twoPieceDocument();

/// One piece beyond any small fixed capacity: 1500 boundary points, 740 internal points on 71
/// lines, rule numbers above 65535.
CAamaDxfDocument largeDocument();

struct AamaDxfSample
{
    std::string name;
    CAamaDxfDocument document;
};

/// Every document above with a file name stem for it.
std::vector<AamaDxfSample> allSamples();

/// Moves every grade point of the model in every size of the first two tables of data: the n-th
/// grade point (from 1, over all patterns) by (s - sample) * (n / 2, n / 4) in size s of table 0
/// and by (0, 1.5 n) in size 1 of table 1.
void gradeEveryPoint(CAamaGradeModel &model, const IGradeData &data);
