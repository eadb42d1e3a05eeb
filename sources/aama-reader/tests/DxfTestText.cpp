// Morvane AAMA DXF reader tests.
// Small DXF texts built from groups, and the fixture files of the tests.
#include "DxfTestText.h"

#include "sources/aama-reader/IAAMAData.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

std::string dxfText(DxfGroups groups, std::string_view lineEnd)
{
    std::string text;
    for (const auto &[code, value] : groups) {
        char codeLine[16];
        std::snprintf(codeLine, sizeof codeLine, "%3d", code);
        text.append(codeLine).append(lineEnd).append(value).append(lineEnd);
    }
    return text;
}

std::string onePieceFile(DxfGroups blockGroups)
{
    return onePieceFile(dxfText(blockGroups));
}

std::string onePieceFile(std::string_view blockText)
{
    return dxfText({{0, "SECTION"}, {2, "BLOCKS"}, {0, "BLOCK"}, {2, "P"}}) +
           std::string(blockText) +
           dxfText({{0, "ENDBLK"},
                    {0, "ENDSEC"},
                    {0, "SECTION"},
                    {2, "ENTITIES"},
                    {0, "INSERT"},
                    {2, "P"},
                    {0, "TEXT"},
                    {1, "Sample Size: M"},
                    {0, "ENDSEC"},
                    {0, "EOF"}});
}

std::string fixturePath(std::string_view name)
{
    const char *root = std::getenv("MORVANE_SOURCE_DIR");
    EXPECT_NE(root, nullptr) << "MORVANE_SOURCE_DIR is not set";
    return std::string(root ? root : ".") + "/sources/aama-reader/tests/data/" + std::string(name);
}

std::string fixtureText(std::string_view name)
{
    std::ifstream file(fixturePath(name), std::ios::binary);
    EXPECT_TRUE(file) << "missing fixture " << name;
    std::ostringstream content;
    content << file.rdbuf();
    return content.str();
}

// Test output only: the values go through iostream, which is fine for a comparison in one
// process.
std::string describe(const IAAMAData &data)
{
    std::ostringstream out;
    out << "style " << data.GetStyleName() << "\nsample " << data.GetSampleSize() << "\ntable "
        << data.GetGradeRuleTable() << "\nauthor " << data.GetAuthor() << "\ndate "
        << data.GetCreationDate() << ' ' << data.GetCreationTime() << "\nunits " << data.GetUnits()
        << '\n';
    for (int piece = 0; piece < data.GetPieceCount(); ++piece) {
        out << "piece " << data.GetPieceName(piece) << '|' << data.GetPieceSize(piece) << '|'
            << data.GetPieceQuantity(piece) << '|' << data.GetPieceCategory(piece) << '|'
            << data.GetPieceAnnotation(piece) << '\n';
        for (int line = -1; line < data.GetInternalLineCount(piece); ++line) {
            for (int v = 0; v < data.GetVertexCount(piece, line); ++v) {
                int flags = 0;
                int rule = 0;
                double notch[2] = {};
                const auto position = data.GetVertex(piece, line, v, flags, rule, notch);
                out << "  line " << line << " vertex " << position.x << ',' << position.y
                    << " flags " << flags << " rule " << rule << " notch " << notch[0] << ','
                    << notch[1] << '\n';
            }
        }
        for (int h = 0; h < data.GetDrillHoleCount(piece); ++h) {
            int rule = 0;
            const auto position = data.GetDrillHole(piece, h, rule);
            out << "  hole " << position.x << ',' << position.y << " rule " << rule << '\n';
        }
    }
    return out.str();
}
