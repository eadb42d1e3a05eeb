// Morvane program grading tests.
// A T-shirt style as another pattern system exports it, generated: four pieces, seven sizes.
#include "GeneratedTShirt.h"

#include <fstream>
#include <string>
#include <vector>

namespace testgrading {

namespace {

AamaPiecePoint rulePoint(double x, double y, int rule, int kind = morvane::kAamaTurnPointKind)
{
    AamaPiecePoint point;
    point.m_nKind = kind;
    point.m_dX = x;
    point.m_dY = y;
    point.m_nRuleNumber = rule;
    return point;
}

AamaPiecePoint curvePoint(double x, double y)
{
    return rulePoint(x, y, -1, morvane::kAamaCurvePointKind);
}

AamaPiece piece(const std::string &name, std::vector<AamaPiecePoint> boundary)
{
    AamaPiece made;
    made.m_sName = name;
    made.m_oBoundaryPoints = std::move(boundary);
    return made;
}

AamaPiece sleeve()
{
    AamaPiece made = piece("SLEEVE", {rulePoint(30, 0, 21), rulePoint(330, 0, 22),
                                      rulePoint(360, 400, 23), curvePoint(270, 520),
                                      rulePoint(180, 560, 24, morvane::kAamaCurvePointKind),
                                      curvePoint(90, 520), rulePoint(0, 400, 25)});
    made.m_oInternalPoints = {rulePoint(180, 250, 26, morvane::kAamaDrillHolePointKind)};
    made.m_oLines = {{1, 0, morvane::kAamaDrillHoleLineKind}};
    return made;
}

void writeMeasurement(std::ofstream &file, const std::string &name, const std::vector<int> &values)
{
    static const char *const kSizes[] = {"XS", "S", "M", "L", "XL", "2XL", "3XL"};
    file << "\t\t<Measurement Name=\"" << name
         << "\" Comment=\"\" Length1=\"0\" Length2=\"0\" Length3=\"0\">\n";
    for (std::size_t s = 0; s < values.size(); ++s)
        file << "\t\t\t<Value Size=\"" << kSizes[s] << "\">" << values[s] << "</Value>\n";
    file << "\t\t</Measurement>\n";
}

} // namespace

CAamaDxfDocument tShirtStyle()
{
    CAamaDxfDocument document;
    document.m_sStyleName = "TSHIRT";
    document.m_sGradeRuleTable = "TSHIRT";
    document.m_sSampleSize = "M";
    document.m_oPieces = {
        piece("FRONT", {rulePoint(-240, 0, 1), rulePoint(240, 0, 2), rulePoint(240, 420, 3),
                        rulePoint(160, 600, 4), rulePoint(60, 620, 5), rulePoint(-60, 620, 6),
                        rulePoint(-160, 600, 7), rulePoint(-240, 420, 8)}),
        piece("BACK", {rulePoint(-240, 0, 11), rulePoint(240, 0, 12), rulePoint(240, 420, 13),
                       rulePoint(160, 620, 14), rulePoint(70, 640, 15), rulePoint(-70, 640, 16),
                       rulePoint(-160, 620, 17), rulePoint(-240, 420, 18)}),
        sleeve(),
        piece("NECKBAND", {rulePoint(0, 0, 31), rulePoint(500, 0, 32), rulePoint(500, 40, 33),
                           rulePoint(0, 40, 34)}),
    };
    return document;
}

void writeTShirtSizes(const std::filesystem::path &path)
{
    std::ofstream file(path, std::ios::binary);
    file << "<?xml version=\"1.0\"?>\n<MeasurementTableSet Version=\"1\">\n"
         << "\t<Table Name=\"Unisex\" Kind=\"0\" SizeNaming=\"1\" BaseSize=\"2\">\n";
    for (const char *size : {"XS", "S", "M", "L", "XL", "2XL", "3XL"})
        file << "\t\t<Size Name=\"" << size << "\" />\n";
    writeMeasurement(file, "chest", {880, 920, 960, 1000, 1060, 1120, 1190});
    writeMeasurement(file, "length", {680, 690, 700, 710, 725, 740, 755});
    file << "\t</Table>\n</MeasurementTableSet>\n";
}

} // namespace testgrading
