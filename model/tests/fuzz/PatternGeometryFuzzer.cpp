// Morvane model library fuzz target.
// Loads arbitrary bytes as a stored pattern, quietly, then builds and measures its contours.
#include "../PatternFixtures.h"
#include "foundation/XmlArchive.h"
#include "foundation/XmlErrorReporter.h"
#include "model/GradeSize.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

// Every question the program asks of a built pattern, for the base size and one other.
static void measure(testmodel::TestPattern &pattern)
{
    CSimpleGradeSize size;
    size.Create(0, 2);
    for (int i = 0; i < pattern.GetContourCount(); ++i) {
        const CContour *contour = pattern.GetContourAt(i);
        contour->GetClosedArea();
        contour->IsClockwise();
        std::vector<DPOINT> points;
        CPtrCollection<CBasePoint> basePoints;
        contour->GetOutContour(&points, &basePoints, nullptr, &size, true, true, true);
        contour->GetOutContour(&basePoints, false, false);
        for (CBasePoint *point : basePoints)
            contour->GetTurnAngle(point);
    }
    for (int i = 0; i < pattern.GetPolylineCount(); ++i) {
        const CPolyline *line = pattern.GetPatternPolylineAt(i);
        line->GetName();
        line->GetLength(&size);
        for (int k = 0; k < line->GetPointCount(); ++k) {
            line->GetVector(line->GetBasePointAt(k), true, &size);
            line->GetExtendVector(line->GetBasePointAt(k), false);
            line->GetDistance(line->GetBasePointAt(k), true);
        }
    }
    pattern.GetAbsRect(nullptr);
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    GetXmlErrorReporter().SetQuiet(true);
    const std::string_view text(reinterpret_cast<const char *>(data), size);
    testmodel::TestPattern pattern;
    CXmlArchive archive;
    if (!archive.LoadFromText(text, "fuzz input"))
        return 0;
    std::string root;
    std::string version;
    archive.SelectRoot("Version", root, version);
    if (archive.LoadObject(pattern, root) != 0)
        return 0;
    measure(pattern);
    pattern.BuildContours();
    measure(pattern);
    return 0;
}
