// Morvane AAMA DXF reader fuzz target.
// Loads arbitrary bytes as an AAMA DXF file and reads every value it offers.
#include "sources/aama-reader/AAMAData.h"
#include "sources/dxf-groups/DxfCodePage.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace {

void readAll(const IAAMAData &data)
{
    data.GetUnits();
    // The file's texts shown in the code page it names, and typed text written in it.
    const morvane::DxfCodePage codePage(data.GetCodePage());
    codePage.fromUtf8(codePage.toUtf8(data.GetStyleName()));
    for (int piece = -1; piece <= data.GetPieceCount(); ++piece) {
        codePage.toUtf8(data.GetPieceName(piece));
        data.HasPieceName(piece);
        data.GetPieceQuantity(piece);
        data.GetNotchesOffOutline(piece);
        for (int line = -2; line <= data.GetInternalLineCount(piece); ++line) {
            for (int v = -1; v <= data.GetVertexCount(piece, line); ++v) {
                int flags = 0;
                int rule = 0;
                double notch[2] = {};
                data.GetVertex(piece, line, v, flags, rule, notch);
            }
        }
        for (int h = -1; h <= data.GetDrillHoleCount(piece); ++h) {
            int rule = 0;
            data.GetDrillHole(piece, h, rule);
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *bytes, std::size_t size)
{
    AAMAData file;
    file.LoadText(std::string_view(reinterpret_cast<const char *>(bytes), size));
    readAll(*file.GetIAAMADataItf());
    return 0;
}
