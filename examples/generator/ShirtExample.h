// Morvane examples.
// The shirt example: a style, its sizes, a grade mask with formulas, a workspace and a context,
// all made by the program's own code.
#pragma once

#include <filesystem>
#include <string>

namespace example {

/// The files of the shirt example, by name in its folder.
inline constexpr const char *kStyleFile = "shirt.dxf";
inline constexpr const char *kTableSetFile = "shirt.mst";
inline constexpr const char *kMaskFile = "shirt.msk";
inline constexpr const char *kWorkspaceFile = "default.mvw";
inline constexpr const char *kContextFile = "default.mvc";
/// The options the example is shown with, for a configuration folder of its own.
inline constexpr const char *kOptionsFile = "MORVANE.INI";

/// Writes the style "SHIRT" as AAMA DXF, sample size M, stamped 05-03-2024 14:07:09: the pieces
/// of the AAMA model's test style at ten times their size, in millimetres:
/// - FRONT, outline (0, 0) rule 1, (100, 0) on a curve, (200, 0) rule 2, a notch at (200, 100)
///   6 deep pointing left, (100, 120) rule 3, (0, 100) on a curve; a drill hole (50, 50) rule 4;
/// - BACK, outline (300, 0) rule 5, (400, 0), (400, 100) rule 6, (300, 100).
void writeShirtStyle(const std::filesystem::path &file);

/// Writes the measurement table set: the table "Women" of the sizes 34 to 44, base 38, with
/// "waist" 660 to 810 (measured in size 38) and "hip" 880 to 1080, evenly.
void writeShirtSizes(const std::filesystem::path &file);

/// Writes the grade mask made from the style's pieces as they lie, with its formulas: FRONT's
/// second point graded like its first, which moves by ("waist/40", "%INC(0.5)"); BACK's first
/// point by ("1.25", "-0.75"); and a grade region across both pieces, from (-10, 90) to
/// (410, 130) running up, graded by "hip/80". Throws std::runtime_error naming the file and the
/// reason when the style cannot be read or the mask written.
void writeShirtMask(const std::filesystem::path &style, const std::filesystem::path &file);

/// Writes the workspace that opens the example: the style as an AAMA model, the table set and
/// the mask, each by its name in the example's folder.
void writeShirtWorkspace(const std::filesystem::path &file);

/// Writes the context that places the style's pieces on the mask where they lie and ties each
/// point of the mask to the style's point of the same place.
void writeShirtContext(const std::filesystem::path &style, const std::filesystem::path &file);

/// Writes the options that show the example graded at once: "AUTO_RECALC" on, so that the
/// grading is recalculated and shown once the example is open. Throws std::runtime_error naming
/// the file when it cannot be written.
void writeShirtOptions(const std::filesystem::path &file);

/// Writes the whole example into folder (which is made when missing).
void writeShirtExample(const std::filesystem::path &folder);

} // namespace example
