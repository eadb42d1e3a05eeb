// Morvane program grading.
// How grading's reports name a formula.
#pragma once

#include <string>

class IBaseFormula;

/// The formula's display text with the labels of its input points; its parser text when the
/// display text is empty.
std::string formulaDisplayText(IBaseFormula *formula);
