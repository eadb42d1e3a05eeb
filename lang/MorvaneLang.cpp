// Morvane language resources.
// The English texts of the program, the language library loaded when no other language is asked
// for. A text keeps its id for good; new texts take new ids.
#include "lang/LanguageTables.h"

#include <iterator>

namespace {

constexpr LanguageString kStrings[] = {
    {57344, "Morvane"},
    // The idle tool's prompts, by what lies under the pointer.
    {61210, "Mask centre: drag it to move it"},
    {61211, "Grade region: click to select it, drag to move or turn it"},
    {61212, "Pattern: click to select it, drag to move or turn it"},
    {61213, "Pivot point: drag it to move the point the selection turns about"},
    // The image files of a measurement table set, for its file dialog.
    {61222, "Images"},
    {61223, "Directory sets"},
    // Grade masks and input patterns: file types, messages and questions.
    {61246, "Grade mask files"},
    {61247, "Mask"},
    {61248, "The grade mask %1 is open already."},
    // Why the graded style could not be saved, by the grade model's error code.
    {61250, "The file to save the graded style to does not exist."},
    {61251, "The graded style is damaged and cannot be saved."},
    {61252, "The graded style was made by another version and cannot be saved."},
    {61253, "The disk is full: the graded style was not saved."},
    {61254, "The graded style may not be written there."},
    {61255, "The graded style could not be written."},
    {61256, "There is not enough memory to save the graded style."},
    {61257, "The graded style could not be saved: an internal error occurred."},
    {61404, "Undo activating a mask"},
    {61405, "Activate a mask"},
    {61430, "The grade mask %1 could not be loaded:\n%2"},
    {61431, "The input patterns of %1 could not be loaded:\n%2"},
    {61432, "The grade mask could not be saved to %1:\n%2"},
    {61433, "The grade mask %1 has changes that are not saved. Save them?"},
    {61444, "Load input patterns"},
    {61445, "AAMA files"},
    {61446, "Model files"},
    // Measurement table sets: messages, file types, titles and status texts.
    {61473, "Choose the measurement image"},
    {61474, "The measurement table set %1 could not be loaded:\n%2"},
    {61475, "The measurement table set %1 has changes that are not saved. Save them?"},
    {61476, "The measurement table set could not be saved to %1:\n%2"},
    {61482, "Measurement table sets"},
    {61483, "Choose the folder of the measurement image %1"},
    {61500, "Loading the input patterns..."},
    {61501, "Loading the grade mask..."},
    {61502, "Loading the measurement table set..."},
    {61518, "All files"},
    {61526, "Undo choosing the measurement image"},
    {61527, "Choose the measurement image"},
    {62001, "Options"},
};

constexpr LanguageDialogText kDialogs[] = {
    // The directories page of the options.
    {106, 0, "Directories"},
    {106, 4061, "Mask files"},
    {106, 4030, "Images"},
    {106, 4031, "Input patterns"},
    {106, 4032, "Measurement table sets"},
    {106, 4033, "Measurement images"},
    {106, 4062, "Browse..."},
    {106, 4063, "Browse..."},
    {106, 4064, "Browse..."},
    {106, 4065, "Browse..."},
    {106, 4066, "Browse..."},
    {106, 1225, "Use the mask folder for all"},
    {106, 1223, "Save directory set..."},
    {106, 1224, "Load directory set..."},
    // The colours page.
    {108, 0, "Colours"},
    {108, 4001, "Work area background"},
    {108, 4002, "Region background"},
    {108, 40014, "Region background, second level"},
    {108, 40015, "Region background, third level"},
    {108, 12041, "Region background, deeper levels"},
    {108, 4051, "Excluding regions"},
    {108, 4052, "Regions of their own only"},
    {108, 4019, "Show region backgrounds"},
    {108, 4004, "Formula directions"},
    {108, 4021, "Show formula directions"},
    {108, 4003, "Region borders"},
    {108, 4020, "Show region borders"},
    {108, 4022, "Region base lines"},
    {108, 4023, "Show region base lines"},
    {108, 4006, "Pattern lines"},
    {108, 4007, "Pattern markers"},
    {108, 4008, "Notches"},
    {108, 1150, "Focus point of a pattern"},
    {108, 4067, "Selected parts"},
    {108, 4005, "Selected objects"},
    {108, 12042, "Show grade points"},
    {108, 4014, "Mask patterns"},
    {108, 4009, "Base sizes"},
    {108, 4010, "Disabled sizes"},
    {108, 4011, "Measure names"},
    {108, 4012, "Measure comments"},
    // The general page.
    {4020, 0, "General"},
    {4020, 4054, "Grade-mask store file"},
    {4020, 4055, "Browse..."},
    {4020, 1122, "Grade points proportionally"},
    {4020, 1123, "Points of single polylines"},
    {4020, 12055, "Interpolate mark points"},
    {4020, 12056, "Interpolate internal line points"},
    {4020, 1199, "Look for mask files in the input folder"},
    {4020, 1201, "Look for table set files in the input folder"},
    {4020, 12043, "Last directory set file"},
    {4020, 4048,
     "Display unit\nMillimetres\nCentimetres\nInches in quarters\nInches in eighths\n"
     "Inches in sixteenths\nInches in thirty-seconds\nInches in sixty-fourths\n"
     "Inches in hundredths"},
    // The associations page.
    {4029, 0, "Associations"},
    {4029, 1073, "Shift match [mm]"},
    {4029, 12044, "Shift factor"},
    {4029, 12045, "Tangent angle match [deg]"},
    {4029, 1074, "Corner angle match [deg]"},
    {4029, 12046, "Corner factor"},
    {4029, 12047, "Local match area [%]"},
    {4029, 1163, "Largest size dissimilarity [%]"},
    {4029, 1075, "Show the point association dialog"},
    {4029, 1080, "Match notches with notches"},
    {4029, 1082, "Local conversion"},
    {4029, 1212, "Point association\nPoint correspondence\nShape context"},
    {4029, 1216, "Show the pattern association dialog"},
    {4029, 1217, "Pattern association\nOne to one\nMultiple"},
    {4029, 1218, "Largest shape error [%]"},
    {4029, 12008, "Largest shape error, multiple [%]"},
    // The favourites page.
    {4031, 0, "Favourites"},
    {4031, 4015, "Separate tables"},
    {4031, 4016, "Relative measurement values"},
    {4031, 4017, "Recalculate automatically"},
    {4031, 4027, "Repeat interactive tools"},
    {4031, 4028, "Repeat adding regions"},
    {4031, 1227, "Repeat moving the view"},
    {4031, 1226, "Repeat zooming to a rectangle"},
    {4031, 1124, "Open the last workspace at start"},
    {4031, 1125, "Apply the last context at start"},
    {4031, 1128, "Start in edit mode"},
    {4031, 1149, "Start with move mode"},
    {4031, 4025, "Show grading of the selection only"},
};

} // namespace

extern "C" const LanguageString *morvane_language_strings(size_t *count)
{
    *count = std::size(kStrings);
    return kStrings;
}

extern "C" const LanguageDialogText *morvane_language_dialogs(size_t *count)
{
    *count = std::size(kDialogs);
    return kDialogs;
}
