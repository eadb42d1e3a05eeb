// Morvane interactive tasks.
// Function commands of the dart and lapel tools: the formula made of the points picked.
#include "app/taskdefs/FormulaFunctionCommands.h"

#include "app/commands/DocCommand.h"
#include "app/documents/EventRecords.h"
#include "app/documents/IDocumentServices.h"
#include "app/interaction/FocusObject.h"
#include "app/taskdefs/InlineCommand.h"
#include "app/taskdefs/TaskDocument.h"
#include "foundation/PtrCollection.h"
#include "formulas/ComplexDartFormula.h"
#include "model/BasePoint.h"
#include "model/FormulaManager.h"
#include "model/GradeMask.h"
#include "model/GradePath.h"

#include <memory>
#include <optional>
#include <vector>

namespace morvane {

namespace {

constexpr int kComplexDartType = 26;
constexpr int kLapelType = 4;
constexpr int kDartPointCount = 3;
constexpr int kLapelPointCount = 6;

/// The points of the item list when it holds exactly count entries, each a point of the same
/// pattern; nothing otherwise.
std::optional<std::vector<CBasePoint *>> pickedPoints(IDocumentServices &services, int count)
{
    if (services.GetItemCount() != count)
        return std::nullopt;
    std::vector<CBasePoint *> points;
    for (int i = 0; i < count; ++i) {
        const auto *entry = dynamic_cast<const CFocusObject *>(services.GetItemAt(i));
        auto *point = entry != nullptr && entry->GetType() == CFocusObject::kPoint
                          ? dynamic_cast<CBasePoint *>(entry->GetItem())
                          : nullptr;
        if (point == nullptr || point->GetParent() == nullptr ||
            (!points.empty() && point->GetParent() != points.front()->GetParent()))
            return std::nullopt;
        points.push_back(point);
    }
    return points;
}

/// A formula of the type on the pattern of the points, each point its index point in order;
/// null when the mask makes none.
std::unique_ptr<IBaseFormula> makeOnPoints(IDocumentServices &services, int type,
                                           const std::vector<CBasePoint *> &points)
{
    IGradeMask *mask = services.GetActiveGradeMask();
    if (mask == nullptr)
        return nullptr;
    std::unique_ptr<IBaseFormula> formula = mask->GetFormulaManager()->MakePatternFormula(
        type, CDocCommand::GetCurrentTableObject(services), points.front()->GetParent());
    for (size_t i = 0; formula != nullptr && i < points.size(); ++i)
        formula->SetIndexPoint(static_cast<int>(i), points[i]);
    return formula;
}

/// "AddFormula" with the formula, then "EditBaseFormula" on it.
bool addAndEdit(ITask *task, std::unique_ptr<IBaseFormula> formula)
{
    if (formula == nullptr || !runRegisteredCommand(task, "AddFormula", formula.get()))
        return false;
    EditFormulaRecord edit{formula.release(), -1};
    runRegisteredCommand(task, "EditBaseFormula", &edit);
    return true;
}

} // namespace

bool AddDartFormula(ITask *task, void *)
{
    IDocumentServices *services = documentServices(task);
    const auto points = services != nullptr ? pickedPoints(*services, kDartPointCount) : std::nullopt;
    if (!points)
        return false;
    std::unique_ptr<IBaseFormula> formula = makeOnPoints(*services, kComplexDartType, *points);
    if (auto *dart = dynamic_cast<CComplexDartFormula *>(formula.get())) {
        if (CBasePoint *closing = FindDartPathMiddlePoint((*points)[0], (*points)[1], (*points)[2]))
            dart->SetClosedDartPoint(closing);
    }
    return addAndEdit(task, std::move(formula));
}

bool AddLapelFormula(ITask *task, void *)
{
    IDocumentServices *services = documentServices(task);
    const auto points = services != nullptr ? pickedPoints(*services, kLapelPointCount) : std::nullopt;
    if (!points)
        return false;
    return addAndEdit(task, makeOnPoints(*services, kLapelType, *points));
}

CBasePoint *FindDartPathMiddlePoint(CBasePoint *first, CBasePoint *middle, CBasePoint *last)
{
    COwningCollection<IGradePath> paths;
    CGradePath::AppendPaths(first, last, paths);
    if (paths.GetCount() == 0)
        return nullptr;
    IGradePath *path = paths.GetAt(0);
    if (paths.GetCount() > 1 &&
        path->GetPathLength(nullptr) > paths.GetAt(paths.GetCount() - 1)->GetPathLength(nullptr))
        path = paths.GetAt(paths.GetCount() - 1);
    std::vector<PATTERNDPOINT> places;
    path->GetPoints(places, nullptr);
    if (places.size() != 3 || places[1].pattern == nullptr || places[1].pointIndex < 0)
        return nullptr;
    CBasePoint *found = places[1].pattern->GetBasePointAt(places[1].pointIndex);
    return found != middle ? found : nullptr;
}

} // namespace morvane
