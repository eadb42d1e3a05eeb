// Morvane AAMA grade model.
// Patterns built from the pieces that the two pattern-file readers offer.
#pragma once

#include "sources/aama-model/AamaGradePattern.h"

#include <memory>

class IAAMAData;
class IJwcaAAMAData;

namespace morvane {

/// The pattern of a piece of an AAMA DXF file: its drill holes as internal points, its outline
/// as points of the kinds their flags give (with their notches), split into curves at the turn
/// points. A last outline vertex on the first one only closes the outline and is left out.
/// Every length of the file (positions, notch depths, what the piece draws) is multiplied by
/// millimetresPerUnit, so that the pattern is in millimetres.
std::unique_ptr<CAamaGradePattern> loadAamaPiece(const IAAMAData &data, int piece,
                                                 double millimetresPerUnit);

/// The pattern of a piece of a graded R12 file: its drill holes as internal points, each of its
/// lines as a curve of the line's type (every vertex a point, none skipped, no splitting), and
/// each straight internal line as a straight curve of its two ends, turn points without a rule.
/// Lengths are multiplied by millimetresPerUnit, as for an AAMA piece.
std::unique_ptr<CAamaGradePattern> loadJwcaPiece(const IJwcaAAMAData &data, int piece,
                                                 double millimetresPerUnit);

} // namespace morvane
