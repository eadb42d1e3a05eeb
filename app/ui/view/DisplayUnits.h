// Morvane main window, view and interaction.
// Lengths shown and typed in the unit the user chose ("USER_UNITS"); the model keeps millimetres.
#pragma once

#include <string>

/// The label of the current display unit: "[mm]", "[cm]" or "[inch]".
std::string GetDisplayUnitLabel();

/// A value typed in the display unit, in millimetres.
double ConvertFromDisplayUnits(double value);

/// Millimetres in the display unit, and the format to show it with: two decimals, or for the
/// inch units a fraction over a fixed denominator (4, 8, 16, 32, 64 or 100).
double ConvertToDisplayUnits(double millimetres, int &decimals, bool &fraction, int &denominator);

/// The text of a value in the display unit: "12.50" with decimals, "3", "1/4" or "3 1/4" as a
/// fraction (the fraction is not reduced). Always with "." as the decimal point.
std::string FormatLength(double value, int decimals, bool fraction, int denominator);
