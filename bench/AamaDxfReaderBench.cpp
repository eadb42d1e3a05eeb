// Morvane benchmarks.
// Reading a generated AAMA DXF file of about 10 MB, beside a bare loop that only splits the same
// file into group-code pairs and converts every real value it meets. Both are repeated in random
// interleaving and compared by their medians.
#include "ComparingReporter.h"
#include "DxfGroupSplit.h"
#include "sources/aama-model/AamaDxfWriter.h"
#include "sources/aama-reader/AAMAData.h"

#include <benchmark/benchmark.h>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

// A piece of a typical size: an outline of 400 points with a rule point every eighth and four
// notches, three drill holes, a grain line and a curved internal line.
AamaPiece generatedPiece(int index)
{
    AamaPiece piece;
    piece.m_sName = "PIECE_" + std::to_string(index);
    for (int i = 0; i < 400; ++i) {
        const double angle = 2.0 * M_PI * i / 400.0;
        AamaPiecePoint point;
        point.m_dX = 300.0 * std::cos(angle) + index;
        point.m_dY = 200.0 * std::sin(angle);
        point.m_nKind = morvane::kAamaCurvePointKind;
        if (i % 8 == 0) {
            point.m_nKind = morvane::kAamaTurnPointKind;
            point.m_nRuleNumber = i / 8 + 1;
        } else if (i % 100 == 50) {
            point.m_nKind = morvane::kAamaNotchPointKind;
            point.m_dDirectionX = point.m_dX * 0.99;
            point.m_dDirectionY = point.m_dY * 0.99;
        }
        piece.m_oBoundaryPoints.push_back(point);
    }
    const auto addLine = [&piece](int kind, int count, double y) {
        piece.m_oLines.push_back({count, static_cast<int>(piece.m_oInternalPoints.size()), kind});
        for (int i = 0; i < count; ++i) {
            AamaPiecePoint point;
            point.m_nKind =
                kind == morvane::kAamaDrillHoleLineKind ? morvane::kAamaDrillHolePointKind : 0;
            point.m_dX = -100.0 + 20.0 * i;
            point.m_dY = y + std::sin(i);
            point.m_nRuleNumber = kind == morvane::kAamaDrillHoleLineKind ? 100 + i : -1;
            piece.m_oInternalPoints.push_back(point);
        }
    };
    addLine(morvane::kAamaDrillHoleLineKind, 3, 0.0);
    addLine(16, 2, 50.0);
    addLine(40, 10, -50.0);
    return piece;
}

// The generated file, written the first time a benchmark asks for it and removed at exit.
class GeneratedFile
{
public:
    GeneratedFile()
        : m_path(fs::temp_directory_path() /
                 ("morvane-aama-bench-" + std::to_string(getpid()) + ".dxf"))
    {
        CAamaDxfDocument document;
        document.m_sStyleName = "BENCH";
        document.m_sSampleSize = "M";
        for (int i = 0; i < 230; ++i)
            document.m_oPieces.push_back(generatedPiece(i));
        WriteAamaDxf(document, m_path);
    }

    ~GeneratedFile()
    {
        std::error_code ignored;
        fs::remove(m_path, ignored);
    }

    GeneratedFile(const GeneratedFile &) = delete;
    GeneratedFile &operator=(const GeneratedFile &) = delete;

    const fs::path &path() const { return m_path; }

private:
    fs::path m_path;
};

const fs::path &generatedFile()
{
    static const GeneratedFile file;
    return file.path();
}

std::string readWholeFile(const fs::path &path)
{
    std::ifstream file(path, std::ios::binary);
    std::string content(fs::file_size(path), '\0');
    file.read(content.data(), static_cast<std::streamsize>(content.size()));
    return content;
}

// The least any reader does: read the file and split it into lines, pairing each code line,
// read as a number, with its value line, and convert every real value.
void BM_SplitIntoGroupPairsConvertingReals(benchmark::State &state)
{
    const fs::path &path = generatedFile();
    for (auto _ : state) {
        const std::string content = readWholeFile(path);
        const DxfGroupSplitSums sums = splitIntoGroupPairsConvertingReals(content);
        benchmark::DoNotOptimize(sums);
    }
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(fs::file_size(path)));
}
BENCHMARK(BM_SplitIntoGroupPairsConvertingReals)->Unit(benchmark::kMillisecond);

void BM_AamaDataLoad(benchmark::State &state)
{
    const fs::path &path = generatedFile();
    for (auto _ : state) {
        AAMAData file;
        if (!file.Load(path))
            state.SkipWithError("the generated file did not load");
        benchmark::DoNotOptimize(file.GetIAAMADataItf()->GetPieceCount());
    }
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(fs::file_size(path)));
}
BENCHMARK(BM_AamaDataLoad)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    std::vector<char *> arguments = withSteadyRepetitions(argc, argv);
    int argumentCount = static_cast<int>(arguments.size()) - 1;
    benchmark::Initialize(&argumentCount, arguments.data());
    ComparingReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.printRatio("BM_AamaDataLoad", "BM_SplitIntoGroupPairsConvertingReals");
    benchmark::Shutdown();
    return 0;
}
