// Morvane benchmarks.
// A style of 100 pieces loaded, graded over 12 sizes and saved through the AAMA grade model,
// beside writing the same bytes with plain fwrite of text formatted beforehand, and beside
// writing them as safely as a save does (a temporary file flushed to disk, then renamed), and
// beside the least a load and a save do: splitting the style into group pairs, converting every
// real, and writing the saved bytes with plain fwrite.
#include "AamaDxfSamples.h"
#include "ComparingReporter.h"
#include "DxfGroupSplit.h"
#include "sources/aama-model/AamaDxfWriter.h"
#include "sources/aama-model/AamaGradeModel.h"
#include "sources/aama-model/AtomicFileSave.h"
#include "sources/grade-model/testing/FakeGradeData.h"

#include <benchmark/benchmark.h>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

namespace {

constexpr int kPieceCount = 100;
constexpr int kSizeCount = 12;
constexpr int kSampleSize = 5;

// A piece: a rounded outline of 240 points, a rule point every sixth and two notches, two
// drill holes and a grain line.
AamaPiece stylePiece(int index)
{
    AamaPiece piece;
    piece.m_sName = "STYLE_PIECE_" + std::to_string(index);
    constexpr int kOutlinePoints = 240;
    for (int i = 0; i < kOutlinePoints; ++i) {
        const double turn = 2.0 * M_PI * i / kOutlinePoints;
        AamaPiecePoint point;
        point.m_nKind = morvane::kAamaCurvePointKind;
        point.m_dX = 150.0 * std::cos(turn) + 3.0 * index;
        point.m_dY = 420.0 * std::sin(turn) - index;
        if (i % 6 == 0) {
            point.m_nKind = morvane::kAamaTurnPointKind;
            point.m_nRuleNumber = i / 6 + 1;
        } else if (i == 61 || i == 181) {
            point.m_nKind = morvane::kAamaNotchPointKind;
            point.m_dDirectionX = point.m_dX * 0.98;
            point.m_dDirectionY = point.m_dY * 0.98;
        }
        piece.m_oBoundaryPoints.push_back(point);
    }
    piece.m_oLines.push_back({2, 0, morvane::kAamaDrillHoleLineKind});
    for (int i = 0; i < 2; ++i) {
        AamaPiecePoint hole;
        hole.m_nKind = morvane::kAamaDrillHolePointKind;
        hole.m_dX = 40.0 * i - 20.0;
        hole.m_dY = 30.0;
        hole.m_nRuleNumber = 200 + i;
        piece.m_oInternalPoints.push_back(hole);
    }
    piece.m_oLines.push_back({2, 2, 16});
    piece.m_oInternalPoints.push_back({0, 0.0, -300.0, 0.0, 0.0, -1});
    piece.m_oInternalPoints.push_back({0, 0.0, 300.0, 0.0, 0.0, -1});
    return piece;
}

std::vector<std::string> sizeNames()
{
    std::vector<std::string> names;
    for (int i = 0; i < kSizeCount; ++i)
        names.push_back(std::to_string(32 + 2 * i));
    return names;
}

std::string readWholeFile(const fs::path &path)
{
    std::ifstream file(path, std::ios::binary);
    std::ostringstream content;
    content << file.rdbuf();
    return content.str();
}

// The generated style in a folder of its own, and the files a save writes beside it; removed at
// exit.
class StyleFolder
{
public:
    StyleFolder()
        : m_folder(fs::temp_directory_path() /
                   ("morvane-style-bench-" + std::to_string(getpid())))
    {
        fs::create_directories(m_folder);
        CAamaDxfDocument document;
        document.m_sStyleName = "STYLE";
        document.m_sSampleSize = "42";
        for (int i = 0; i < kPieceCount; ++i)
            document.m_oPieces.push_back(stylePiece(i));
        WriteAamaDxf(document, style());
    }
    ~StyleFolder()
    {
        std::error_code ignored;
        fs::remove_all(m_folder, ignored);
    }
    StyleFolder(const StyleFolder &) = delete;
    StyleFolder &operator=(const StyleFolder &) = delete;

    fs::path style() const { return m_folder / "style.dxf"; }
    fs::path graded() const { return m_folder / "graded.dxf"; }
    fs::path gradedRules() const { return m_folder / "graded.RUL"; }

private:
    fs::path m_folder;
};

const StyleFolder &styleFolder()
{
    static const StyleFolder folder;
    return folder;
}

// Loads the style, grades it and saves it; the number of patterns graded.
int loadGradeAndSave(const StyleFolder &folder, morvane::FakeGradeData &data)
{
    CAamaGradeModel model([&folder](const morvane::SaveFileRequest &) { return folder.graded(); },
                          fixedClock);
    if (model.Load(folder.style().string()) != GM_NO_ERROR)
        return 0;
    model.OnAttach(&data);
    model.BeginGrading();
    gradeEveryPoint(model, data);
    model.EndGrading();
    if (model.Save() != GM_NO_ERROR)
        return 0;
    int patternCount = 0;
    model.GetPatternCount(patternCount);
    return patternCount;
}

void aamaLoadGradeSave(benchmark::State &state)
{
    const StyleFolder &folder = styleFolder();
    morvane::FakeGradeData data({{sizeNames(), kSampleSize}});
    for (auto _ : state) {
        if (loadGradeAndSave(folder, data) != kPieceCount)
            state.SkipWithError("the style did not load, grade and save");
    }
}

bool writeWithFwrite(const fs::path &path, const std::string &text)
{
    std::FILE *file = std::fopen(path.c_str(), "wb");
    if (file == nullptr)
        return false;
    const bool written = std::fwrite(text.data(), 1, text.size(), file) == text.size();
    return std::fclose(file) == 0 && written;
}

// The files' bytes as the style's save writes them.
struct SavedFiles
{
    std::string dxf;
    std::string rules;
};

std::optional<SavedFiles> savedFiles(const StyleFolder &folder)
{
    morvane::FakeGradeData data({{sizeNames(), kSampleSize}});
    if (loadGradeAndSave(folder, data) != kPieceCount)
        return std::nullopt;
    return SavedFiles{readWholeFile(folder.graded()), readWholeFile(folder.gradedRules())};
}

// Writes both files with plain fwrite; whether both were written.
bool writeWithFwrite(const StyleFolder &folder, const SavedFiles &files)
{
    return writeWithFwrite(folder.graded(), files.dxf) &&
           writeWithFwrite(folder.gradedRules(), files.rules);
}

// Runs the benchmark's loop with the saved files' bytes, which one load, grade and save gives.
template <typename WriteFiles>
void runWithSavedFiles(benchmark::State &state, WriteFiles writeFiles)
{
    const StyleFolder &folder = styleFolder();
    const std::optional<SavedFiles> files = savedFiles(folder);
    if (!files) {
        state.SkipWithError("the style did not load, grade and save");
        return;
    }
    for (auto _ : state)
        writeFiles(folder, *files);
    state.counters["bytes"] = static_cast<double>(files->dxf.size() + files->rules.size());
}

// The least a save does: the files' bytes, formatted beforehand, written with fwrite.
void plainFwrite(benchmark::State &state)
{
    runWithSavedFiles(state, [&state](const StyleFolder &folder, const SavedFiles &files) {
        if (!writeWithFwrite(folder, files))
            state.SkipWithError("the files could not be written");
    });
}

// The least a load and a save do: the style read and split into group pairs with every real
// converted, and the saved bytes, formatted beforehand, written with fwrite.
void splitAndFwrite(benchmark::State &state)
{
    runWithSavedFiles(state, [&state](const StyleFolder &folder, const SavedFiles &files) {
        const std::string style = readWholeFile(folder.style());
        benchmark::DoNotOptimize(splitIntoGroupPairsConvertingReals(style));
        if (!writeWithFwrite(folder, files))
            state.SkipWithError("the files could not be written");
    });
}

// The least a safe save does: the same bytes through a temporary file, flushed to disk and
// renamed over the old file, as the model saves them.
void safeWrite(benchmark::State &state)
{
    runWithSavedFiles(state, [&state](const StyleFolder &folder, const SavedFiles &files) {
        try {
            morvane::saveFileAtomically(folder.graded(), files.dxf);
            morvane::saveFileAtomically(folder.gradedRules(), files.rules);
        } catch (const morvane::FileSaveError &error) {
            state.SkipWithError(error.what());
        }
    });
}

BENCHMARK(aamaLoadGradeSave)->Unit(benchmark::kMillisecond);
BENCHMARK(plainFwrite)->Unit(benchmark::kMillisecond);
BENCHMARK(safeWrite)->Unit(benchmark::kMillisecond);
BENCHMARK(splitAndFwrite)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    std::vector<char *> arguments = withSteadyRepetitions(argc, argv);
    int argumentCount = static_cast<int>(arguments.size()) - 1;
    benchmark::Initialize(&argumentCount, arguments.data());
    std::printf("style: %d pieces graded over %d sizes, read from %ju bytes\n", kPieceCount,
                kSizeCount, static_cast<uintmax_t>(fs::file_size(styleFolder().style())));
    ComparingReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.printRatio("aamaLoadGradeSave", "plainFwrite");
    reporter.printRatio("aamaLoadGradeSave", "safeWrite");
    reporter.printRatio("aamaLoadGradeSave", "splitAndFwrite");
    reporter.printRatio("splitAndFwrite", "plainFwrite");
    benchmark::Shutdown();
    return 0;
}
