// Morvane editing commands.
// Adding a grade region to the active mask: one group of the mask's history per region.
#include "app/commands/regions/CmdAddRegion.h"

#include "app/commands/CmdSetActiveItem.h"
#include "app/documents/EventRecords.h"
#include "app/documents/IDocumentServices.h"
#include "app/interaction/FocusManager.h"
#include "model/FormulaCopy.h"
#include "model/FormulaManager.h"
#include "model/GradeMask.h"
#include "model/GradeRegion.h"
#include "model/IBaseFormula.h"
#include "tasks/Task.h"
#include "tasks/TaskManager.h"
#include "tasks/UndoGroup.h"

namespace {

constexpr int kGradeRegionFormula = 0;

const MouseEventFields *mouseRecord(void *data)
{
    return static_cast<const MouseEventFields *>(data);
}

void truncateMainTaskRedo(ITask *task)
{
    CTaskManager *manager = task != nullptr ? task->GetTaskManager() : nullptr;
    CTask *mainTask = manager != nullptr ? manager->GetMainTask() : nullptr;
    CUndoGroup *history = mainTask != nullptr ? mainTask->GetUndoGroup() : nullptr;
    if (history != nullptr)
        history->TruncateRedo();
}

/// An open strip at the point, 200 wide and 100 high, turned to the direction in degrees.
void initStrip(IRegion &region, DPOINT at, double degrees)
{
    region.SetPosition(at);
    region.SetDirection(degrees, false);
    region.SetLeft90(-100);
    region.SetRight90(100);
    region.SetMaxHeight(100);
}

} // namespace

bool CCmdAddRegionBase::OnExecute(void *data)
{
    IGradeMask *mask = GetActiveMask();
    if (mask == nullptr)
        return false;
    std::unique_ptr<CGradeRegion> made = mask->MakeRegion();
    CGradeRegion *region = made.get();
    bool initialised = false;
    const bool recorded = RecordInHistory([&](IGradeMask &history) {
        if (!InitRegion(*region, data))
            return;
        initialised = true;
        truncateMainTaskRedo(GetTask());
        history.InsertGradeRegionAt(history.GetGradeRegionCount(), std::move(made));
    });
    if (!initialised)
        return false;
    std::unique_ptr<CFocusObject> active = CFocusObject::Create(region, CFocusObject::kRegion);
    CCmdSetActiveItem setActive;
    setActive.Execute(GetTask(), active.get());
    return recorded;
}

bool CCmdAddRegionBase::IsEnabled(void *)
{
    IDocumentServices *document = GetDocument();
    return document != nullptr && document->IsEditMode();
}

void CCmdAddRegionBase::Define(const char *name, bool repeat, uint32_t undoTextId)
{
    Create(name);
    SetFlags(true, repeat, CMT_MODIFY);
    SetToolTips(undoTextId);
}

void CCmdAddRegionBase::AddNewFormula(IRegion &region)
{
    GetActiveMask()->GetFormulaManager()->AddNewRegionFormula(kGradeRegionFormula,
                                                              GetCurrentTableObject(), &region);
}

CCmdAddNullRegion::CCmdAddNullRegion()
{
    Define("AddNullRegion", true, 0xEFA4);
}

std::unique_ptr<ICommand> CCmdAddNullRegion::Clone() const
{
    return std::make_unique<CCmdAddNullRegion>(*this);
}

bool CCmdAddNullRegion::InitRegion(IRegion &region, void *)
{
    const CFocusManager *focus = GetFocusManager();
    if (focus == nullptr)
        return false;
    region.SetPosition(focus->GetFocusPosition());
    region.SetLeft90(-1);
    region.SetRight90(1);
    region.SetMaxHeight(1);
    region.SetLimLeft90(true);
    region.SetLimRight90(true);
    region.SetLimMaxHeight(true);
    AddNewFormula(region);
    return true;
}

CCmdAddRegionH::CCmdAddRegionH()
{
    Define("AddRegionH", true, 0xEF9E);
}

std::unique_ptr<ICommand> CCmdAddRegionH::Clone() const
{
    return std::make_unique<CCmdAddRegionH>(*this);
}

bool CCmdAddRegionH::InitRegion(IRegion &region, void *data)
{
    const MouseEventFields *mouse = mouseRecord(data);
    if (mouse == nullptr)
        return false;
    const bool above = mouse->position.y >= GetActiveMask()->GetCenter().y;
    initStrip(region, mouse->position, above ? 90.0 : -90.0);
    AddNewFormula(region);
    return true;
}

CCmdAddRegionV::CCmdAddRegionV()
{
    Define("AddRegionV", true, 0xEFA0);
}

std::unique_ptr<ICommand> CCmdAddRegionV::Clone() const
{
    return std::make_unique<CCmdAddRegionV>(*this);
}

bool CCmdAddRegionV::InitRegion(IRegion &region, void *data)
{
    const MouseEventFields *mouse = mouseRecord(data);
    if (mouse == nullptr)
        return false;
    const bool right = mouse->position.x >= GetActiveMask()->GetCenter().x;
    initStrip(region, mouse->position, right ? 0.0 : 180.0);
    AddNewFormula(region);
    return true;
}

CCmdAddSlopeRegion::CCmdAddSlopeRegion()
{
    Define("AddSlopeRegion", true, 0xEFA2);
}

std::unique_ptr<ICommand> CCmdAddSlopeRegion::Clone() const
{
    return std::make_unique<CCmdAddSlopeRegion>(*this);
}

bool CCmdAddSlopeRegion::InitRegion(IRegion &region, void *data)
{
    const MouseEventFields *mouse = mouseRecord(data);
    if (mouse == nullptr)
        return false;
    region.SetPosition(mouse->position);
    region.SetLeft90(-50);
    region.SetRight90(50);
    region.SetMaxHeight(100);
    region.SetLimLeft90(true);
    region.SetLimRight90(true);
    region.SetLimMaxHeight(false);
    AddNewFormula(region);
    return true;
}

CCmdDuplicateRegion::CCmdDuplicateRegion()
{
    Define("DuplicateRegion", true, 0xEFCE);
}

std::unique_ptr<ICommand> CCmdDuplicateRegion::Clone() const
{
    return std::make_unique<CCmdDuplicateRegion>(*this);
}

bool CCmdDuplicateRegion::IsEnabled(void *data)
{
    return data != nullptr && CCmdAddRegionBase::IsEnabled(data);
}

bool CCmdDuplicateRegion::InitRegion(IRegion &region, void *data)
{
    const auto *source = static_cast<const IRegion *>(data);
    if (source == nullptr)
        return false;
    const DPOINT at = source->GetPosition();
    region.SetPosition({at.x + 10, at.y + 10});
    region.SetDirection(source->GetDirection(true), true);
    region.SetLeft90(source->GetLeft90());
    region.SetLimLeft90(source->GetLimLeft90());
    region.SetRight90(source->GetRight90());
    region.SetLimRight90(source->GetLimRight90());
    region.SetMaxHeight(source->GetMaxHeight());
    region.SetLimMaxHeight(source->GetLimMaxHeight());
    IFormulaManager &formulas = *GetActiveMask()->GetFormulaManager();
    IBaseFormula *formula = formulas.FindRegionFormula(source);
    if (formula == nullptr)
        return true;
    std::unique_ptr<IBaseFormula> copy =
        formulas.MakeRegionFormula(formula->GetFormulaType(), GetCurrentTableObject(), &region);
    auto *copyState = dynamic_cast<IFormulaCopy *>(copy.get());
    auto *sourceState = dynamic_cast<IFormulaCopy *>(formula);
    if (copyState == nullptr || sourceState == nullptr)
        return false;
    copyState->Assign(sourceState);
    formulas.InsertFormulaAt(formulas.GetFormulaCount(), std::move(copy));
    return true;
}
