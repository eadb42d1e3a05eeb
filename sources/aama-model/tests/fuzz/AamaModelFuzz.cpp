// Morvane AAMA grade model fuzz target.
// Loads arbitrary bytes as a pattern file, grades every point through the interfaces and saves.
#include "TemporaryFolder.h"
#include "sources/aama-model/AamaGradeModel.h"
#include "sources/grade-model/testing/FakeGradeData.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

// A folder of this process's own for the file read and the files saved, removed at exit.
const TemporaryFolder &workFolder()
{
    static const TemporaryFolder folder("morvane-aama-model-fuzz");
    return folder;
}

void gradeCurve(IGradeCurve &curve, const morvane::FakeGradeData &data)
{
    for (int table = -1; table < data.GetTableCount(); ++table) {
        for (int size = 0; size < data.GetSizeCount(table) || size == 0; ++size) {
            std::vector<DPOINT> shape;
            std::vector<int> gradeIndex;
            curve.GetShape({table, size}, &shape, &gradeIndex);
            int notches = 0;
            curve.GetNotchCount(notches);
            for (int n = -1; n <= notches; ++n) {
                DPOINT vector;
                float distance = 0.0f;
                int kind = 0;
                curve.GetNotchAt(n, {table, size}, vector, distance, kind);
            }
        }
    }
}

// Moves every grade point by a step per size, as the program stores graded positions.
void gradePattern(IGradePattern &pattern, const morvane::FakeGradeData &data)
{
    int points = 0;
    pattern.GetInternalPointCount(points);
    for (int p = 0; p < points; ++p) {
        IGradePoint &point = *pattern.GetInternalPointAt(p);
        DPOINT base;
        point.GetPosition({}, base);
        for (int table = 0; table < data.GetTableCount(); ++table) {
            for (int size = 0; size < data.GetSizeCount(table); ++size)
                point.SetPosition(table, size, base.x + size, base.y - table);
        }
    }
    int curves = 0;
    pattern.GetCurveCount(curves);
    for (int c = 0; c < curves; ++c)
        gradeCurve(*pattern.GetCurveAt(c), data);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *bytes, std::size_t size)
{
    const std::filesystem::path input = workFolder() / "input.dxf";
    std::ofstream(input, std::ios::binary)
        .write(reinterpret_cast<const char *>(bytes), static_cast<std::streamsize>(size));
    const std::filesystem::path target = workFolder() / "saved.dxf";
    CAamaGradeModel model([&](const morvane::SaveFileRequest &) { return target; });
    morvane::FakeGradeData data({{{"S", "M", "L"}, 1}, {{"R", "T"}, 0}});
    model.OnAttach(&data);
    if (model.Load(input.string()) != GM_NO_ERROR)
        return 0;
    model.BeginGrading();
    int patterns = 0;
    model.GetPatternCount(patterns);
    for (int p = 0; p < patterns; ++p)
        gradePattern(*model.GetPatternAt(p), data);
    model.EndGrading();
    model.Save();
    return 0;
}
