// Morvane AAMA grade model.
// Writes a document of pieces as an AAMA DXF file.
#pragma once

#include "sources/aama-model/AamaDxfDocument.h"
#include "sources/aama-model/LocalClock.h"

#include <filesystem>

/// Writes the document as an AAMA DXF file at path: a fixed HEADER, the AAMA layer table, one
/// BLOCK per piece (closed boundary, point entities with their "# n" rule labels, internal
/// lines, what else the piece draws, piece texts) and an ENTITIES section that inserts every block and carries the header
/// texts, stamped with the clock's date and time. Lines end with CR LF; coordinates are written
/// "%.3f" in every process locale.
///
/// The file is written beside path and renamed over it, so a failure leaves any earlier file at
/// path as it was. Throws morvane::FileSaveError when the file cannot be created, written or
/// renamed, and std::invalid_argument, writing nothing, when a written line item of a piece has
/// no points or reaches past the piece's internal points.
void WriteAamaDxf(const CAamaDxfDocument &document, const std::filesystem::path &path,
                  const morvane::LocalClock &clock = morvane::currentLocalTime);
