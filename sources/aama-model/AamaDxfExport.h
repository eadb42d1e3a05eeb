// Morvane AAMA grade model.
// The patterns of an AAMA grade model as the document of an AAMA DXF file, with its rule labels.
#pragma once

#include "sources/aama-model/AamaDxfDocument.h"
#include "sources/aama-model/RulFileWriter.h"

#include <string>
#include <vector>

class CAamaGradeModel;

namespace morvane {

/// An AAMA DXF document and the points it labels with rule numbers, in writing order: the point
/// labelled n is rulePoints[n - 1], whose name is n in decimal.
struct AamaDxfExport
{
    CAamaDxfDocument document;
    std::vector<RulRulePoint> rulePoints;
};

/// The model's patterns as an AAMA DXF document named gradeRuleTable, with the model's name,
/// sample size and code page, every text in the file's bytes. Each pattern's outline is the points of its curves, each curve's last point
/// left out (it starts the next curve or closes the outline), at their base positions, each of
/// its own kind: a turn point, a curve point, or a notch with its direction point (base position
/// plus notch vector). Its internal points form one line of drill holes; what else it draws, its
/// notches off the outline and its piece values go as they were read. Every written point with a rule number is labelled 1,
/// 2, 3 ... across the whole model. The units are those of the file read, and every length is
/// given in them.
AamaDxfExport buildAamaDxfExport(CAamaGradeModel &model, const std::string &gradeRuleTable);

} // namespace morvane
