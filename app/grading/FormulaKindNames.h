// Morvane program grading.
// The names of the formula kinds, as string ids of the language library and their texts.
#pragma once

#include <string_view>

class IBaseFormula;

/// The string id that names the formula's kind, by its type number (and for the global path
/// formulas by whether a region owns it); 0 for the kinds without a name (0, 1, 5, 6, 13, 14, 17,
/// 33 and above) and for the point-to-point measure, whose interpolation data is not built yet.
int formulaKindStringId(IBaseFormula &formula);

/// The program's text of a string id used for formula names and owners; empty for 0 and for ids
/// it does not know.
std::string_view formulaKindText(int stringId);

/// The string id of the owner label of a formula that the mask itself owns.
inline constexpr int kMaskOwnerStringId = 61278;
