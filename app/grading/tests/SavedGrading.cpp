// Morvane program grading tests.
// Reads a graded style back from the AAMA DXF and RUL files it was saved as.
#include "SavedGrading.h"

#include "RulFileRules.h"
#include "SourcePath.h"
#include "foundation/TextFormat.h"
#include "sources/aama-reader/AAMAData.h"
#include "sources/aama-reader/IAAMAData.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <gtest/gtest.h>
#include <map>
#include <set>
#include <sstream>

namespace fs = std::filesystem;

namespace testgrading {

namespace {

/// A point of the saved file that carries a rule: where it lies and its rule's name.
struct RulePlace
{
    DPOINT position;
    std::string rule;
};

std::vector<RulePlace> readRulePlaces(const IAAMAData &data)
{
    std::vector<RulePlace> places;
    for (int piece = 0; piece < data.GetPieceCount(); ++piece) {
        for (int v = 0; v < data.GetVertexCount(piece, -1); ++v) {
            int flags = 0;
            int rule = -1;
            double notch[2] = {0, 0};
            const morvane::AamaPosition at = data.GetVertex(piece, -1, v, flags, rule, notch);
            if (rule >= 0)
                places.push_back({{at.x, at.y}, std::to_string(rule)});
        }
        for (int h = 0; h < data.GetDrillHoleCount(piece); ++h) {
            int rule = -1;
            const morvane::AamaPosition at = data.GetDrillHole(piece, h, rule);
            if (rule >= 0)
                places.push_back({{at.x, at.y}, std::to_string(rule)});
        }
    }
    return places;
}

std::string describePlace(const std::string &rule, double x, double y)
{
    return rule + " " + morvane::format("%.3f %.3f", x, y);
}

/// The rule labels of the DXF file as ezdxf reads them, each "<rule> <x> <y>".
std::set<std::string> readRuleLabelsWithEzdxf(const fs::path &dxf, const fs::path &listing)
{
    const std::string command = "/usr/bin/python3 '" +
                                sourcePath("app/grading/tests/list_rule_labels.py").string() +
                                "' '" + dxf.string() + "' > '" + listing.string() + "'";
    EXPECT_EQ(std::system(command.c_str()), 0) << command;
    std::set<std::string> labels;
    std::ifstream file(listing);
    std::string rule;
    double x = 0;
    double y = 0;
    file.imbue(std::locale::classic());
    while (file >> rule >> x >> y)
        labels.insert(describePlace(rule, x, y));
    return labels;
}

} // namespace

void expectSavedGrading(const fs::path &folder, int sizeCount,
                        const std::vector<ExpectedGrading> &expected)
{
    expectSavedStyle(folder / "graded.dxf", sizeCount, expected);
}

void expectSavedStyle(const fs::path &dxfFile, int sizeCount,
                      const std::vector<ExpectedGrading> &expected)
{
    const fs::path folder = dxfFile.parent_path();
    AAMAData data;
    ASSERT_TRUE(data.Load(dxfFile)) << data.GetLoadError();
    const std::vector<RulePlace> places = readRulePlaces(*data.GetIAAMADataItf());
    std::set<std::string> described;
    for (const RulePlace &place : places)
        described.insert(describePlace(place.rule, place.position.x, place.position.y));
    EXPECT_EQ(readRuleLabelsWithEzdxf(dxfFile, folder / "labels.txt"), described);
    const auto rules = readRulRules(fs::path(dxfFile).replace_extension(".RUL"));
    std::set<std::string> matched;
    for (const RulePlace &place : places) {
        Increment increment = [](int) { return DPOINT{0, 0}; };
        for (const auto &[position, graded] : expected) {
            if (std::hypot(position.x - place.position.x, position.y - place.position.y) < 1e-3) {
                increment = graded;
                matched.insert(place.rule);
            }
        }
        SCOPED_TRACE("rule " + place.rule);
        ASSERT_EQ(rules.count(place.rule), 1u);
        const std::vector<DPOINT> &deltas = rules.at(place.rule);
        ASSERT_EQ(deltas.size(), static_cast<std::size_t>(sizeCount));
        for (int s = 0; s < sizeCount; ++s) {
            SCOPED_TRACE("size " + std::to_string(s));
            EXPECT_NEAR(deltas[s].x, increment(s).x, 0.006);
            EXPECT_NEAR(deltas[s].y, increment(s).y, 0.006);
        }
    }
    EXPECT_EQ(matched.size(), expected.size());
}

} // namespace testgrading
