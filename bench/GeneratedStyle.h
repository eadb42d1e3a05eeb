// Morvane benchmarks.
// A generated style of 30 pieces of 200 outline points (every fifth a rule point) and a table
// set of 12 sizes, written to files in a temporary folder for the benchmarks that load them.
#pragma once

#include "AamaDxfSamples.h"
#include "TemporaryFolder.h"
#include "platform/brismond/IMeasureTable.h"
#include "platform/brismond/IMeasurement.h"
#include "platform/brismond/TableSetFactory.h"
#include "sources/aama-model/AamaDxfWriter.h"

#include <cmath>
#include <filesystem>
#include <string>
#include <vector>

namespace benchstyle {

namespace fs = std::filesystem;

constexpr int kPieceCount = 30;
constexpr int kPointCount = 200;
constexpr int kRuleSpacing = 5;
constexpr int kRulePointCount = kPointCount / kRuleSpacing;
constexpr int kSizeCount = 12;
constexpr int kBaseSize = 5;

// A piece: a rounded outline of 200 curve points, every fifth a turn point with a rule.
inline AamaPiece stylePiece(int index)
{
    AamaPiece piece;
    piece.m_sName = "PIECE_" + std::to_string(index);
    for (int i = 0; i < kPointCount; ++i) {
        const double turn = 2.0 * M_PI * i / kPointCount;
        AamaPiecePoint point;
        point.m_nKind = morvane::kAamaCurvePointKind;
        point.m_dX = 150.0 * std::cos(turn) + 400.0 * index;
        point.m_dY = 420.0 * std::sin(turn);
        if (i % kRuleSpacing == 0) {
            point.m_nKind = morvane::kAamaTurnPointKind;
            point.m_nRuleNumber = index * kPointCount + i + 1;
        }
        piece.m_oBoundaryPoints.push_back(point);
    }
    return piece;
}

inline CAamaDxfDocument generatedStyle()
{
    CAamaDxfDocument document;
    document.m_sStyleName = "STYLE";
    document.m_sSampleSize = "42";
    for (int i = 0; i < kPieceCount; ++i)
        document.m_oPieces.push_back(stylePiece(i));
    return document;
}

// The generated style and table set in a folder of their own, and the files a save writes
// beside them; removed at exit.
class StyleFolder
{
public:
    StyleFolder()
    {
        WriteAamaDxf(generatedStyle(), style());
        writeTableSet();
    }

    fs::path style() const { return m_folder / "style.dxf"; }
    fs::path tableSet() const { return m_folder / "sizes.mst"; }
    fs::path graded() const { return m_folder / "graded.dxf"; }

private:
    // Twelve sizes, the sixth the base, with a waist that grows by 30 a size.
    void writeTableSet() const
    {
        CEventHandler *handler = nullptr;
        auto set = CTableSetFactory::Make("Sizes", handler);
        set->InsertTable(0, 0, "Sizes", -1);
        IMeasureTable *table = set->GetTableAt(0);
        std::vector<std::string> names;
        for (int s = 0; s < kSizeCount; ++s)
            names.push_back(std::to_string(32 + 2 * s));
        table->InsertSizesAt(names, 0, -1, kBaseSize);
        IMeasurement *waist =
            table->GetMeasurementAt(table->InsertMeasurement("waist", 0, 0, 0, -1));
        for (int s = 0; s < kSizeCount; ++s)
            waist->SetValue(s, 600.0 + 30.0 * s, false);
        set->Save(tableSet());
    }

    TemporaryFolder m_folder{"morvane-bench-style"};
};

inline const StyleFolder &styleFolder()
{
    static const StyleFolder folder;
    return folder;
}

} // namespace benchstyle
