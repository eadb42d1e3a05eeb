// Morvane program grading tests.
// Reads a graded style back from the AAMA DXF and RUL files it was saved as.
#pragma once

#include "foundation/DPoint.h"

#include <filesystem>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace testgrading {

/// What the formulas make of one point in size s, worked out by hand.
using Increment = std::function<DPOINT(int size)>;

/// A point of the saved file and how it moves.
using ExpectedGrading = std::pair<DPOINT, Increment>;

/// Reads folder/graded.dxf and folder/graded.RUL back: every point with a rule moves in each of
/// the sizeCount sizes by the increment of the expected point that lies where it lies (within
/// 0.001), or by nothing when none does; each expected point is one of them; ezdxf, a DXF
/// library written elsewhere, finds the same rule labels at the same places.
void expectSavedGrading(const std::filesystem::path &folder, int sizeCount,
                        const std::vector<ExpectedGrading> &expected);
/// The same of the style saved as dxfFile and the RUL file beside it (its extension ".RUL").
void expectSavedStyle(const std::filesystem::path &dxfFile, int sizeCount,
                      const std::vector<ExpectedGrading> &expected);

} // namespace testgrading
