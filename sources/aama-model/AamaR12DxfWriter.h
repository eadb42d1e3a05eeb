// Morvane AAMA grade model.
// Writes a graded R12 DXF file: one block per pattern and size, with the shapes in that size.
#pragma once

#include "sources/aama-model/LocalClock.h"

#include <filesystem>

class CAamaGradeModel;
class IGradeData;

namespace morvane {
class DxfText;
}

/// Writes the graded result of a model read from a file with a master size as an R12 DXF file
/// ("AC1009"): one BLOCK "P%04d_%02d" per pattern and size of grade table 0 (pattern-major),
/// each with the piece texts, a closed POLYLINE per curve with its shape in that size, a LINE per
/// straight curve at its base position, a POINT per internal point in that size and a POINT per
/// notch off the outline in that size; then the header texts (stamped with the clock) and one
/// INSERT per block. Every polyline, vertex, line and point carries a comment (group 999) with
/// its line kind, point class, notch and rule number; a notch (on the vertex of the curve that
/// holds it, so once where two curves meet) also its depth (38) and angle (50). A point without a
/// rule has no point class. A curve with no points in a size is left out of that block. A model
/// without grade tables gives HEADER, TABLES and EOF only.
///
/// The file is in the model's units ("UNITS: METRIC" or "ENGLISH") and code page: the header
/// names the code page the style's file named, the names of the style keep their bytes, and the
/// size names are written in that code page. Lines end with CR LF; reals are written "%.3f" in
/// every process locale alike.
class CAamaR12DxfWriter
{
public:
    /// Writes model (not owned; it must outlive the writer).
    explicit CAamaR12DxfWriter(CAamaGradeModel &model,
                               morvane::LocalClock clock = morvane::currentLocalTime);
    virtual ~CAamaR12DxfWriter() = default;

    /// Writes the file at path through a temporary file beside it: a failure leaves any earlier
    /// file at path as it was and throws morvane::FileSaveError. Taking the shapes stores the
    /// interpolated positions of mark points, as GetShape does.
    void Write(const std::filesystem::path &path);

private:
    void WriteBlocks(morvane::DxfText &dxf, const IGradeData &data);
    void WriteEntities(morvane::DxfText &dxf, const IGradeData &data);

    CAamaGradeModel *m_pModel;
    morvane::LocalClock m_fnClock;
};
