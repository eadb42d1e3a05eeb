// Morvane program grading tests.
// A T-shirt style as another pattern system exports it, generated: four pieces, seven sizes.
#pragma once

#include "sources/aama-model/AamaDxfDocument.h"

#include <filesystem>

namespace testgrading {

/// The T-shirt's pieces in millimetres, base size "M", every corner a rule point:
/// - FRONT, drawn whole: hem (-240, 0) and (240, 0), underarms (240, 420) and (-240, 420),
///   shoulders (160, 600) and (-160, 600), neck points (60, 620) and (-60, 620);
/// - BACK: hem (-240, 0) and (240, 0), underarms (240, 420) and (-240, 420), shoulders
///   (160, 620) and (-160, 620), neck points (70, 640) and (-70, 640);
/// - SLEEVE: hem (30, 0) and (330, 0), underarms (360, 400) and (0, 400), the cap curving over
///   (270, 520), its top (180, 560) (a rule point on the curve) and (90, 520); a drill hole with
///   a rule at (180, 250);
/// - NECKBAND: (0, 0), (500, 0), (500, 40), (0, 40).
/// Rule numbers: FRONT 1 to 8, BACK 11 to 18, SLEEVE 21 to 26 (26 the drill hole), NECKBAND
/// 31 to 34, each piece's boundary in the order above.
CAamaDxfDocument tShirtStyle();

/// Writes the measurement table set of the T-shirt: one table of seven sizes XS to 3XL, base M,
/// with uneven steps: "chest" 880, 920, 960, 1000, 1060, 1120, 1190 and "length" 680, 690, 700,
/// 710, 725, 740, 755.
void writeTShirtSizes(const std::filesystem::path &path);

} // namespace testgrading
