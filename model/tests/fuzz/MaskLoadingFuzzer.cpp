// Morvane model library fuzz target.
// Loads arbitrary bytes as a grade mask file, quietly, then tests its regions, edits, undoes and
// saves the mask.
#include "foundation/XmlArchive.h"
#include "foundation/XmlErrorReporter.h"
#include "model/GradeMask.h"
#include "model/MaskContour.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

// Every rule of every contour, and every line's shape.
static void measure(CGradeMask &mask)
{
    for (int i = 0; i < mask.GetPatternCount(); ++i) {
        CMaskPattern *pattern = mask.GetMaskPatternAt(i);
        pattern->GetAbsRect(nullptr);
        for (int k = 0; k < pattern->GetContourCount(); ++k) {
            auto *contour = static_cast<CMaskContour *>(pattern->GetContourAt(k));
            CPtrCollection<CBasePoint> points;
            contour->GetOutContour(&points, false, false);
            for (CBasePoint *point : points)
                contour->GetAssRule(point)->DependsOn(point->GetMaskPoint());
        }
        std::vector<DPOINT> shape;
        for (int k = 0; k < pattern->GetPolylineCount(); ++k)
            pattern->GetPatternPolylineAt(k)->GetShape(nullptr, shape, nullptr);
    }
}

// Every region against the mask's points, a view and each of its edges.
static void testRegions(CGradeMask &mask)
{
    const CDRect view(-100, -100, 100, 100);
    for (int i = 0; i < mask.GetGradeRegionCount(); ++i) {
        CGradeRegion *region = mask.GetGradeRegionAt(i);
        std::vector<DPOINT> clipped;
        region->ClipToRect(view, clipped);
        for (int edge = 0; edge < 4; ++edge) {
            DPOINT from;
            DPOINT to;
            region->GetClippedEdge(view, edge, from, to);
        }
        for (int k = 0; k < mask.GetPatternCount(); ++k) {
            const CMaskPattern *pattern = mask.GetMaskPatternAt(k);
            for (int p = 0; p < pattern->GetBasePointCount(); ++p)
                mask.IsInReadOnlyRegion(pattern->GetBasePointAt(p));
        }
    }
}

// Removes the first region, deletes a line and a point of the first pattern, removes the
// pattern, and undoes it all.
static void edit(CGradeMask &mask)
{
    if (mask.GetGradeRegionCount() > 0)
        mask.RemoveGradeRegionAt(0);
    if (mask.GetPatternCount() > 0) {
        CMaskPattern *pattern = mask.GetMaskPatternAt(0);
        if (pattern->GetPolylineCount() > 0)
            pattern->DeletePolyline(0);
        if (pattern->GetBasePointCount() > 0)
            pattern->DeleteBasePoint(0);
        mask.RemovePatternAt(0);
    }
    CHistory *history = mask.GetHistory();
    for (int i = 0; i < 4; ++i)
        history->Undo();
    history->Redo();
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    GetXmlErrorReporter().SetQuiet(true);
    static const std::filesystem::path path =
        std::filesystem::temp_directory_path() /
        ("mask-loading-fuzzer-" + std::to_string(::getpid()) + ".msk");
    std::ofstream(path, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char *>(data), static_cast<std::streamsize>(size));
    CGradeMask mask;
    if (!mask.Load(path))
        return 0;
    measure(mask);
    testRegions(mask);
    CXmlArchive archive;
    archive.SaveObject(mask, "GradeMask");
    edit(mask);
    measure(mask);
    mask.ClearPatterns();
    mask.Clear();
    return 0;
}
