// Morvane formula library fuzz target.
// Loads arbitrary bytes as a grade mask file with formulas, quietly, then orders, checks and
// evaluates its formulas, removes one and a pattern with theirs, undoes it all and saves.
#include "TestFormulas.h"

#include "foundation/XmlArchive.h"
#include "foundation/XmlErrorReporter.h"
#include "model/GradeMask.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

// Every formula's texts, names, points and dependencies; the order, checks and working list.
static void exercise(CFormulaManager &manager)
{
    CPtrCollection<IBaseFormula> list;
    manager.CopyFormulas(list);
    for (IBaseFormula *formula : list) {
        std::string text;
        formula->GetDisplayText(text, true);
        formula->GetFormulaText();
        CNameArray names;
        formula->CollectVariableNames(names);
        if (!names.empty())
            formula->RenameVariable(names.front(), "renamed");
        CPtrCollection<CBasePoint> points;
        formula->CollectUsedPoints(points);
        int rank = 0;
        int total = 0;
        manager.GetFormulaRank(formula, rank, total);
    }
    CPtrCollection<IBaseFormula> cyclic;
    manager.ResetAll();
    manager.SortByDependency(list, cyclic);
    manager.CheckAllFormulas();
    CPtrCollection<IBaseFormula> order;
    manager.GetEvaluationOrder(order);
}

static void editAndUndo(CGradeMask &mask)
{
    CFormulaManager &manager = mask.GetFormulas();
    if (manager.GetFormulaCount() > 1)
        manager.MoveFormula(0, manager.GetFormulaCount() - 1);
    if (manager.GetFormulaCount() > 0)
        manager.RemoveFormulaAt(0);
    if (mask.GetPatternCount() > 0)
        mask.RemovePatternAt(0);
    CHistory *history = mask.GetHistory();
    for (int i = 0; i < 3; ++i)
        history->Undo();
    history->Redo();
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const testformulas::TestKinds kinds;
    GetXmlErrorReporter().SetQuiet(true);
    static const std::filesystem::path path =
        std::filesystem::temp_directory_path() /
        ("mask-formula-fuzzer-" + std::to_string(::getpid()) + ".msk");
    std::ofstream(path, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char *>(data), static_cast<std::streamsize>(size));
    CGradeMask mask;
    if (!mask.Load(path))
        return 0;
    exercise(mask.GetFormulas());
    CXmlArchive archive;
    archive.SaveObject(mask, "GradeMask");
    editAndUndo(mask);
    exercise(mask.GetFormulas());
    mask.Clear();
    return 0;
}
