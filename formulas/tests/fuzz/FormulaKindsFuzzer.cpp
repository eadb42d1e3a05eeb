// Morvane formula library fuzz target.
// Loads arbitrary bytes as a grade mask file over a graded input piece, quietly, then asks every
// measure and path formula for its values, paths, texts and checks, undoes a removal and saves.
#include "GradedSquare.h"
#include "foundation/XmlArchive.h"
#include "foundation/XmlErrorReporter.h"
#include "model/FormulaMessageList.h"
#include "model/GradePath.h"
#include "model/IMeasureFormula.h"
#include "model/IPathFormula.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

// The values in three sizes, the path and its texts, and whether it uses each input point.
static void ask(IBaseFormula &formula, testformulas::GradedSquare &square)
{
    if (IMeasureFormula *measure = formula.AsMeasureFormula()) {
        for (const int size : {-1, 0, 3})
            measure->GetValue(size < 0 ? -1 : 0, size);
    }
    if (IPathFormula *path = formula.AsPathFormula()) {
        path->GetPath()->GetPathLength(nullptr);
        path->GetPathText();
    }
    for (int n = 1; n <= 4; ++n)
        formula.UsesPoint(square.point(n));
    testformulas::displayOf(formula, true);
    testformulas::displayOf(formula, false);
    formula.GetFormulaText();
    CFormulaMessageList messages;
    formula.Validate(&messages, nullptr);
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    GetXmlErrorReporter().SetQuiet(true);
    static const std::filesystem::path path =
        std::filesystem::temp_directory_path() /
        ("formula-kinds-fuzzer-" + std::to_string(::getpid()) + ".msk");
    std::ofstream(path, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char *>(data), static_cast<std::streamsize>(size));
    testformulas::GradedSquare square;
    if (!square.mask.Load(path))
        return 0;
    CFormulaManager &manager = square.mask.GetFormulas();
    for (int i = 0; i < manager.GetFormulaCount(); ++i)
        ask(*manager.GetFormulaAt(i), square);
    if (square.mask.GetGradeRegionCount() > 0)
        square.mask.RemoveGradeRegionAt(0);
    square.mask.GetHistory()->Undo();
    for (int i = 0; i < manager.GetFormulaCount(); ++i)
        ask(*manager.GetFormulaAt(i), square);
    CXmlArchive archive;
    archive.SaveObject(square.mask, "GradeMask");
    return 0;
}
