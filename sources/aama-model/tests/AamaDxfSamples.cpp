// Morvane AAMA grade model tests.
// The documents and gradings that the tests write.
#include "AamaDxfSamples.h"

#include "sources/aama-model/AamaGradeModel.h"

#include <cmath>

namespace {

AamaPiecePoint point(int kind, double x, double y, int rule = -1)
{
    AamaPiecePoint result;
    result.m_nKind = kind;
    result.m_dX = x;
    result.m_dY = y;
    result.m_nRuleNumber = rule;
    return result;
}

AamaPiecePoint notch(double x, double y, double directionX, double directionY, int rule = -1)
{
    AamaPiecePoint result = point(morvane::kAamaNotchPointKind, x, y, rule);
    result.m_dDirectionX = directionX;
    result.m_dDirectionY = directionY;
    return result;
}

AamaPieceLine line(int kind, int first, int count)
{
    AamaPieceLine result;
    result.m_nKind = kind;
    result.m_nFirstPoint = first;
    result.m_nPointCount = count;
    return result;
}

// A piece with its drill holes as the AAMA grade model writes them: one line item over all.
AamaPiece pieceWithDrillHoles(std::string name, std::vector<AamaPiecePoint> boundary,
                              std::vector<AamaPiecePoint> holes)
{
    AamaPiece piece;
    piece.m_sName = std::move(name);
    piece.m_oBoundaryPoints = std::move(boundary);
    if (!holes.empty()) {
        piece.m_oLines.push_back(
            line(morvane::kAamaDrillHoleLineKind, 0, static_cast<int>(holes.size())));
    }
    piece.m_oInternalPoints = std::move(holes);
    return piece;
}

} // namespace

std::tm fixedClock()
{
    std::tm time{};
    time.tm_year = 2024 - 1900;
    time.tm_mon = 2;
    time.tm_mday = 5;
    time.tm_hour = 14;
    time.tm_min = 7;
    time.tm_sec = 9;
    return time;
}

CAamaDxfDocument onePieceDocument()
{
    AamaPiece piece;
    piece.m_sName = "FRONT";
    piece.m_oBoundaryPoints = {
        point(morvane::kAamaTurnPointKind, 0.0, 0.0, 0),
        notch(10.0, 10.0, 10.0, 12.0),
        point(morvane::kAamaCurvePointKind, 20.0, 0.0, 1),
    };
    piece.m_oInternalPoints = {
        point(morvane::kAamaDrillHolePointKind, 5.0, 2.0, 2),
        point(0, 2.0, 1.0),
        point(0, 4.0, 1.0),
        point(0, 6.0, 1.0),
        point(0, 3.0, 6.0),
        point(0, 7.25, 6.5, 3),
    };
    piece.m_oLines = {
        line(morvane::kAamaDrillHoleLineKind, 0, 1),
        line(16, 1, 3),
        line(0, 0, 1),
        line(40, 4, 2),
    };
    CAamaDxfDocument document;
    document.m_sStyleName = "SHIRT";
    document.m_sGradeRuleTable = "SHIRT";
    document.m_sSampleSize = "M";
    document.m_oPieces.push_back(piece);
    return document;
}

CAamaDxfDocument noPieceDocument()
{
    CAamaDxfDocument document;
    document.m_sStyleName = "EMPTY";
    return document;
}

CAamaDxfDocument twoPieceDocument()
{
    using namespace morvane;
    CAamaDxfDocument document;
    document.m_sStyleName = "BLOUSE";
    document.m_sGradeRuleTable = "BLOUSE";
    document.m_sSampleSize = "38";
    document.m_oPieces.push_back(pieceWithDrillHoles(
        "FRONT",
        {point(kAamaTurnPointKind, 0.0, 0.0, 1), point(kAamaCurvePointKind, 12.5, -0.75),
         point(kAamaTurnPointKind, 25.0, 0.0, 2), notch(25.0, 15.0, 23.0, 15.0),
         point(kAamaCurvePointKind, 24.0, 30.0, 3), point(kAamaTurnPointKind, 0.0, 32.125, 4)},
        {point(kAamaDrillHolePointKind, 8.0, 10.0, 5),
         point(kAamaDrillHolePointKind, 16.0, 10.0, 6)}));
    document.m_oPieces.push_back(pieceWithDrillHoles(
        "BACK",
        {point(kAamaTurnPointKind, 0.0, 0.0, 7), notch(-10.0, -5.0, -10.0, -6.5, 8),
         point(kAamaTurnPointKind, -20.0, 0.0, 9), point(kAamaCurvePointKind, -10.0, 20.0)},
        {}));
    return document;
}

CAamaDxfDocument largeDocument()
{
    using namespace morvane;
    std::vector<AamaPiecePoint> boundary;
    for (int i = 0; i < 1500; ++i) {
        const double angle = 2.0 * M_PI * i / 1500.0;
        const bool isRulePoint = i % 10 == 0;
        boundary.push_back(point(isRulePoint ? kAamaTurnPointKind : kAamaCurvePointKind,
                                 500.0 * std::cos(angle), 500.0 * std::sin(angle),
                                 isRulePoint ? 70000 + i : -1));
    }
    std::vector<AamaPiecePoint> holes;
    for (int i = 0; i < 600; ++i)
        holes.push_back(point(kAamaDrillHolePointKind, -300.0 + i, 7.0, 100000 + i));
    AamaPiece piece = pieceWithDrillHoles("BIG", boundary, holes);
    for (int i = 0; i < 70; ++i) {
        piece.m_oLines.push_back(line(16, static_cast<int>(piece.m_oInternalPoints.size()), 2));
        piece.m_oInternalPoints.push_back(point(0, -100.0 + 2 * i, -50.0));
        piece.m_oInternalPoints.push_back(point(0, -100.0 + 2 * i, 50.0));
    }
    CAamaDxfDocument document;
    document.m_sStyleName = "LARGE";
    document.m_sSampleSize = "M";
    document.m_oPieces.push_back(piece);
    return document;
}

std::vector<AamaDxfSample> allSamples()
{
    return {{"one-piece", onePieceDocument()},
            {"no-piece", noPieceDocument()},
            {"two-pieces", twoPieceDocument()},
            {"large", largeDocument()}};
}

void gradeEveryPoint(CAamaGradeModel &model, const IGradeData &data)
{
    int patternCount = 0;
    model.GetPatternCount(patternCount);
    int n = 0;
    for (int p = 0; p < patternCount; ++p) {
        CAamaGradePattern &pattern = *model.GetPatternAt(p);
        int pointCount = 0;
        pattern.GetInternalPointCount(pointCount);
        for (int i = 0; i < pointCount; ++i) {
            CAamaGradePoint &point = *pattern.GetInternalPointAt(i);
            const DPOINT base = point.GetBasePosition();
            ++n;
            for (int s = 0; s < data.GetSizeCount(0); ++s) {
                const int steps = s - data.GetSampleSize(0);
                point.SetPosition(0, s, base.x + steps * n * 0.5, base.y + steps * n * 0.25);
            }
            point.SetPosition(1, 1, base.x, base.y + 1.5 * n);
        }
    }
}
