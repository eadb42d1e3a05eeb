// Morvane Brismond table-set library.
// The contents of a "*.mst" file as plain data, and reading and writing them.
#pragma once

#include <array>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace brismond {

struct MstSize
{
    std::string name;
    int number = 0;
};

struct MstMeasurement
{
    std::string name;
    std::string comment;
    std::array<double, 3> lengths{};
    /// Index into the table's sizes; -1 when none.
    int ownSize = -1;
    /// One value per size of the table, in size order.
    std::vector<double> values;
};

struct MstTable
{
    std::string name;
    int kind = 0;
    int sizeNaming = 1;
    /// Index into sizes; -1 exactly when there are no sizes.
    int baseSize = -1;
    std::vector<MstSize> sizes;
    std::vector<MstMeasurement> measurements;
};

struct MstContents
{
    std::string imageFileName;
    std::string imageDirectory;
    std::vector<MstTable> tables;
};

/// The version that files are written with and the only one read.
inline constexpr std::string_view kMstVersion = "1";
/// Limits beyond which a file is refused rather than loaded.
inline constexpr int kMaxTables = 1000;
inline constexpr int kMaxSizes = 1000;
inline constexpr int kMaxMeasurements = 10000;

/// A file that cannot be read, or whose contents are refused; what() names the file and why.
class MstFileError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

/// Reads and checks a file; throws MstFileError.
MstContents readMstFile(const std::filesystem::path &path);
/// Reads and checks text; sourceName stands for the file name in messages. Throws MstFileError.
MstContents readMstText(std::string_view text, std::string_view sourceName);

/// The text of the file for contents; throws MstFileError (naming sourceName) for contents that
/// could not be read back: names that are empty or repeated within their table.
std::string writeMstText(const MstContents &contents, std::string_view sourceName);
/// Writes the file through a temporary file renamed over it; throws MstFileError.
void writeMstFile(const std::filesystem::path &path, const MstContents &contents);

} // namespace brismond
