// Morvane second DXF reader fuzz target.
// Loads arbitrary bytes as a graded R12 DXF file and reads every value it offers.
#include "platform/fallowby/JWCAData.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace {

void readLines(const IJwcaAAMAData &data, int piece)
{
    for (int line = -1; line <= data.GetLineCount(piece); ++line) {
        data.GetLineType(piece, line);
        for (int v = -1; v <= data.GetVertexCount(piece, line); ++v) {
            int flags = 0;
            int rule = 0;
            double notch[2] = {};
            data.GetVertex(piece, line, v, flags, rule, notch);
            data.GetVertexExtraValue(piece, line, v);
            data.GetVertexNotchValue(piece, line, v);
        }
    }
    for (int line = -1; line <= data.GetInternalLineCount(piece); ++line) {
        DPOINT start;
        DPOINT end;
        data.GetInternalLine(piece, line, start, end);
        data.GetInternalLineKind(piece, line);
        data.GetInternalLineType(piece, line);
    }
}

void readAll(const IJwcaAAMAData &data)
{
    data.GetStyleName();
    data.GetSampleSize();
    data.GetUnits();
    data.GetCodePage();
    for (int piece = -1; piece <= data.GetPieceCount(); ++piece) {
        data.GetPieceName(piece);
        data.GetPieceSize(piece);
        readLines(data, piece);
        for (int h = -1; h <= data.GetDrillHoleCount(piece); ++h) {
            int rule = 0;
            data.GetDrillHole(piece, h, rule);
        }
        for (int n = -1; n <= data.GetNotchOffOutlineCount(piece); ++n) {
            int rule = 0;
            double notch[2] = {};
            double angle = 0.0;
            data.GetNotchOffOutline(piece, n, rule, notch, angle);
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *bytes, std::size_t size)
{
    JWCAData file;
    file.LoadText(std::string_view(reinterpret_cast<const char *>(bytes), size));
    readAll(*file.GetIAAMADataItf());
    return 0;
}
