// Morvane AAMA grade model tests.
// Writes every sample document and a description of it, for a check by an outside DXF library.
#include "AamaDxfSamples.h"
#include "foundation/TextFormat.h"
#include "sources/aama-model/AamaDxfWriter.h"
#include "sources/aama-model/AtomicFileSave.h"

#include <cstdio>
#include <exception>
#include <string>

using morvane::format;

namespace {

// The sample names are plain ASCII; quotes and backslashes are all that need escaping.
std::string jsonText(const std::string &text)
{
    std::string quoted = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\')
            quoted += '\\';
        quoted += c;
    }
    return quoted + "\"";
}

std::string jsonPoint(const AamaPiecePoint &point)
{
    return format("{\"kind\": %d, \"x\": %.6f, \"y\": %.6f, \"rule\": %d}", point.m_nKind,
                  point.m_dX, point.m_dY, point.m_nRuleNumber);
}

template <typename T, typename Write> std::string jsonList(const std::vector<T> &items, Write write)
{
    std::string list = "[";
    for (std::size_t i = 0; i < items.size(); ++i)
        list += (i ? ", " : "") + write(items[i]);
    return list + "]";
}

std::string jsonPiece(const AamaPiece &piece)
{
    const auto jsonLine = [](const AamaPieceLine &line) {
        return format("{\"kind\": %d, \"first\": %d, \"count\": %d}", line.m_nKind,
                      line.m_nFirstPoint, line.m_nPointCount);
    };
    return "{\"name\": " + jsonText(piece.m_sName) +
           ", \"boundary\": " + jsonList(piece.m_oBoundaryPoints, jsonPoint) +
           ", \"internal\": " + jsonList(piece.m_oInternalPoints, jsonPoint) +
           ", \"lines\": " + jsonList(piece.m_oLines, jsonLine) + "}";
}

std::string jsonDocument(const CAamaDxfDocument &document)
{
    return "{\"style\": " + jsonText(document.m_sStyleName) +
           ", \"table\": " + jsonText(document.m_sGradeRuleTable) +
           ", \"sample\": " + jsonText(document.m_sSampleSize) +
           ", \"date\": \"05-03-2024\", \"time\": \"14:07:09\", \"pieces\": " +
           jsonList(document.m_oPieces, jsonPiece) + "}\n";
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <folder>\n", argv[0]);
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    try {
        std::filesystem::create_directories(folder);
        for (const AamaDxfSample &sample : allSamples()) {
            WriteAamaDxf(sample.document, folder / (sample.name + ".dxf"), fixedClock);
            morvane::saveFileAtomically(folder / (sample.name + ".json"),
                                        jsonDocument(sample.document));
        }
    } catch (const std::exception &error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
    return 0;
}
