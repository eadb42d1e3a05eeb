// Morvane AAMA DXF reader tests.
// Small DXF texts built from groups, and the fixture files of the tests.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>

class IAAMAData;

using DxfGroups = std::initializer_list<std::pair<int, std::string_view>>;

/// The groups as DXF text: each code right-aligned in three characters, each line ending
/// with lineEnd.
std::string dxfText(DxfGroups groups, std::string_view lineEnd = "\n");

/// A file of one piece, "P", whose block holds blockText, with "Sample Size: M" as header.
std::string onePieceFile(std::string_view blockText);
std::string onePieceFile(DxfGroups blockGroups);

/// The path of a fixture file in tests/data.
std::string fixturePath(std::string_view name);

/// The bytes of a fixture file in tests/data.
std::string fixtureText(std::string_view name);

/// Every value the data gives, one per line, to compare two loads of the same pieces.
std::string describe(const IAAMAData &data);
