// Morvane AAMA grade model tests.
// Writes every sample document, and the files that saved models write, each with a description
// of what it should hold, for a check by an outside DXF library.
#include "AamaDxfSamples.h"
#include "foundation/NameCompare.h"
#include "foundation/TextFormat.h"
#include "sources/aama-model/AamaDxfExport.h"
#include "sources/aama-model/AamaDxfWriter.h"
#include "sources/aama-model/AamaGradeModel.h"
#include "sources/aama-model/AamaR12DxfWriter.h"
#include "sources/aama-model/AtomicFileSave.h"
#include "sources/dxf-groups/DxfCodePage.h"
#include "sources/grade-model/testing/FakeGradeData.h"

#include <cmath>
#include <cstdio>
#include <exception>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

using morvane::format;

namespace {

// A text as the hexadecimal digits of its bytes: the texts of a file are in its code page, not
// always UTF-8, and the check compares bytes.
std::string jsonText(const std::string &text)
{
    std::string digits = "\"";
    for (const char c : text)
        digits += format("%02x", static_cast<unsigned char>(c));
    return digits + "\"";
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

std::string jsonDrawingItem(const morvane::AamaDrawingItem &item)
{
    using Kind = morvane::AamaDrawingItem::Kind;
    const char *type = item.kind == Kind::Polyline ? "POLYLINE"
                       : item.kind == Kind::Line   ? "LINE"
                                                   : "TEXT";
    return format("{\"type\": \"%s\", \"layer\": \"%d\", \"count\": %zu, \"text\": ", type,
                  item.layer, item.points.size()) +
           jsonText(item.text) + "}";
}

// A notch point with its depth, where the file writes it.
std::string jsonNotch(const AamaPiecePoint &point)
{
    return format("{\"x\": %.6f, \"y\": %.6f, \"depth\": %.6f}", point.m_dX, point.m_dY,
                  std::hypot(point.m_dDirectionX - point.m_dX, point.m_dDirectionY - point.m_dY));
}

std::vector<AamaPiecePoint> notchesOf(const AamaPiece &piece)
{
    std::vector<AamaPiecePoint> notches;
    for (const AamaPiecePoint &point : piece.m_oBoundaryPoints) {
        if (point.m_nKind == morvane::kAamaNotchPointKind)
            notches.push_back(point);
    }
    for (const AamaLooseNotch &notch : piece.m_oLooseNotches)
        notches.push_back(notch.m_oPoint);
    return notches;
}

std::string jsonPiece(const AamaPiece &piece)
{
    const auto jsonLine = [](const AamaPieceLine &line) {
        return format("{\"kind\": %d, \"first\": %d, \"count\": %d}", line.m_nKind,
                      line.m_nFirstPoint, line.m_nPointCount);
    };
    const auto jsonLoose = [](const AamaLooseNotch &notch) { return jsonPoint(notch.m_oPoint); };
    return "{\"name\": " + jsonText(piece.m_sName) +
           ", \"has_name_text\": " + (piece.m_bHasNameText ? "true" : "false") +
           ", \"notches\": " + jsonList(notchesOf(piece), jsonNotch) +
           ", \"loose\": " + jsonList(piece.m_oLooseNotches, jsonLoose) +
           ", \"boundary\": " + jsonList(piece.m_oBoundaryPoints, jsonPoint) +
           ", \"internal\": " + jsonList(piece.m_oInternalPoints, jsonPoint) +
           ", \"lines\": " + jsonList(piece.m_oLines, jsonLine) +
           ", \"drawing\": " + jsonList(piece.m_oDrawing, jsonDrawingItem) + "}";
}

std::string jsonDocument(const CAamaDxfDocument &document)
{
    return "{\"style\": " + jsonText(document.m_sStyleName) +
           ", \"table\": " + jsonText(document.m_sGradeRuleTable) +
           ", \"sample\": " + jsonText(document.m_sSampleSize) +
           ", \"units\": " + jsonText(document.m_sUnits) +
           ", \"codepage\": " + jsonText(document.m_sCodePage) +
           ", \"date\": \"05-03-2024\", \"time\": \"14:07:09\", \"pieces\": " +
           jsonList(document.m_oPieces, jsonPiece) + "}\n";
}

std::string jsonR12Block(CAamaGradePattern &pattern, int i, int j, const std::string &size)
{
    std::vector<int> vertexCounts;
    int lines = 0;
    int curveCount = 0;
    pattern.GetCurveCount(curveCount);
    for (int c = 0; c < curveCount; ++c) {
        const CAamaGradeCurve &curve = *pattern.GetCurveAt(c);
        if (curve.IsStraightLine())
            ++lines;
        else if (curve.GetPointCount() > 0)
            vertexCounts.push_back(curve.GetPointCount());
    }
    int points = static_cast<int>(pattern.GetNotchesOffOutline().size());
    int internalCount = 0;
    pattern.GetInternalPointCount(internalCount);
    for (int p = 0; p < internalCount; ++p)
        points += pattern.GetInternalPointAt(p)->GetKind() == morvane::kAamaInternalPoint ? 1 : 0;
    return format("{\"name\": \"P%04d_%02d\", \"piece\": ", i + 1, j + 1) +
           jsonText(pattern.GetPatternName()) + ", \"size\": " + jsonText(size) +
           ", \"polylines\": " +
           jsonList(vertexCounts, [](int count) { return format("%d", count); }) +
           format(", \"lines\": %d, \"points\": %d}", lines, points);
}

// What a graded R12 file of the model must hold: per block (pattern and size, pattern-major)
// the vertex counts of its polylines and the numbers of its lines and points; the names in the
// bytes of the style's code page.
std::string jsonR12Description(CAamaGradeModel &model, const IGradeData *data)
{
    const morvane::DxfCodePage codePage = model.GetTextCodePage();
    std::vector<std::string> sizes;
    for (int j = 0; data != nullptr && data->GetTableCount() > 0 && j < data->GetSizeCount(0); ++j)
        sizes.push_back(codePage.fromUtf8(data->GetSizeName(0, j)));
    const bool hasTables = data != nullptr && data->GetTableCount() > 0;
    std::vector<std::string> blocks;
    int patternCount = 0;
    model.GetPatternCount(patternCount);
    for (int i = 0; i < patternCount && hasTables; ++i) {
        CAamaGradePattern &pattern = *model.GetPatternAt(i);
        for (int j = 0; j < static_cast<int>(sizes.size()); ++j)
            blocks.push_back(jsonR12Block(pattern, i, j, sizes[static_cast<std::size_t>(j)]));
    }
    return "{\"design\": " + jsonText(model.GetStyleName()) +
           ", \"tables\": " + (hasTables ? "true" : "false") +
           ", \"units\": \"" + (model.IsInInches() ? "ENGLISH" : "METRIC") + "\"" +
           ", \"codepage\": " + jsonText(model.GetCodePage()) + ", \"master\": " +
           jsonText(hasTables ? codePage.fromUtf8(data->GetSizeName(0, data->GetSampleSize(0)))
                              : std::string()) +
           ", \"date\": \"2024/03/05 14:07\", \"blocks\": " +
           jsonList(blocks, [](const std::string &block) { return block; }) + "}\n";
}

// The files with the traits of other pattern systems, each saved as "trait-<stem>", and as graded
// R12 "trait-r12-<stem>".
constexpr const char *kTraitFixtures[] = {
    "split-reversed.dxf",     "copy-before-points.dxf",  "labels-off-turn-points.dxf",
    "hole-rule-by-position.dxf", "edge-notch.dxf",       "notch-without-angle.dxf",
    "sample-size-keys.dxf",   "inches.dxf",              "internal-lines.dxf",
    "seam-notches.dxf",       "korean-code-page.dxf",    "korean-no-code-page.dxf",
    "western-code-page.dxf",  "chinese-code-page.dxf",   "utf8-names.dxf",
    "slash-names.dxf",        "unnamed-pieces.dxf",      "inch-seam-style.dxf",
};

void writeModelSamples(const std::filesystem::path &folder, const std::filesystem::path &fixtures,
                       const std::filesystem::path &traitFixtures)
{
    morvane::FakeGradeData sizes({{{"S", "M", "L"}, 1}});
    // The fixture loaded, graded against data and saved as name in folder.
    const auto savedModel = [&](const char *fixture, IGradeData *data, const std::string &name) {
        const std::filesystem::path target = folder / (name + ".dxf");
        auto model = std::make_unique<CAamaGradeModel>(
            [target](const morvane::SaveFileRequest &) { return target; }, fixedClock);
        if (model->Load(fixtures / fixture) != GM_NO_ERROR)
            throw std::runtime_error(std::string("cannot load ") + fixture);
        model->OnAttach(data);
        model->BeginGrading();
        if (data != nullptr)
            gradeEveryPoint(*model, *data);
        if (model->Save() != GM_NO_ERROR)
            throw std::runtime_error("cannot save " + target.string());
        return model;
    };

    auto shirt = savedModel("three-sizes.dxf", &sizes, "model-shirt");
    morvane::saveFileAtomically(
        folder / "model-shirt.json",
        jsonDocument(morvane::buildAamaDxfExport(*shirt, "MODEL-SHIRT").document));
    for (const char *fixture : kTraitFixtures) {
        const std::string name = "trait-" + std::filesystem::path(fixture).stem().string();
        auto model = savedModel((traitFixtures / fixture).c_str(), &sizes, name);
        morvane::saveFileAtomically(
            folder / (name + ".json"),
            jsonDocument(morvane::buildAamaDxfExport(*model, morvane::toUpperAscii(name)).document));
        const std::string r12 = "trait-r12-" + std::filesystem::path(fixture).stem().string();
        CAamaR12DxfWriter(*model, fixedClock).Write(folder / (r12 + ".dxf"));
        morvane::saveFileAtomically(folder / (r12 + ".json"), jsonR12Description(*model, &sizes));
    }

    const struct
    {
        const char *fixture;
        IGradeData *data;
        const char *name;
    } r12Samples[] = {{"master-size.dxf", &sizes, "model-skirt"},
                      {"empty-line.dxf", &sizes, "model-yoke"},
                      {"numbered-pieces.dxf", &sizes, "model-numbered"},
                      {"master-size.dxf", nullptr, "model-no-tables"}};
    for (const auto &sample : r12Samples) {
        auto model = savedModel(sample.fixture, sample.data, sample.name);
        morvane::saveFileAtomically(folder / (std::string(sample.name) + ".json"),
                                    jsonR12Description(*model, sample.data));
    }
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s <folder> <fixture folder> <trait fixture folder>\n",
                     argv[0]);
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
        writeModelSamples(folder, argv[2], argv[3]);
    } catch (const std::exception &error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
    return 0;
}
