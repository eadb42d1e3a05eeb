// Morvane editing commands.
// "EditPointRules" and "UpdatePointGrading": a grade point's rule set in one size, or dragged.
#include "app/commands/formulas/CmdPointGrading.h"

#include "app/commands/formulas/GradedPosition.h"
#include "app/documents/IDocumentServices.h"
#include "app/interaction/DisplayFlags.h"
#include "app/interaction/FocusManager.h"
#include "model/BasePoint.h"
#include "model/InputPoint.h"
#include "platform/brismond/IBrismond.h"
#include "platform/brismond/IMeasureTable.h"
#include "tasks/ICommandAttributes.h"

#include <cmath>

namespace {

constexpr double kSmallestRuleChange = 0.001;

/// The rule of the point in the size: its displacement from the base size, on the mask.
DPOINT ruleValue(IInputPoint &point, int table, int size)
{
    return point.GetAbsGradeShift(GradeSize{}, GradeSize{table, size});
}

const IMeasureTable *measureTable(IDocumentServices &document, int table)
{
    const IBrismond *tableSet = document.GetTableSet();
    if (tableSet == nullptr || table < 0 || table >= tableSet->GetTableCount())
        return nullptr;
    return tableSet->GetTableAt(table);
}

} // namespace

CCmdEditPointRules::CCmdEditPointRules()
{
    Create("EditPointRules");
    SetFlags(true, true, CMT_NO_MODIFY);
    SetToolTips(61583);
}

std::unique_ptr<ICommand> CCmdEditPointRules::Clone() const
{
    return std::make_unique<CCmdEditPointRules>(*this);
}

void CCmdEditPointRules::OnCreate()
{
    m_oEdit = {};
    m_oOldValue = {};
}

bool CCmdEditPointRules::OnExecute(void *data)
{
    const auto *edit = static_cast<const PointRuleEdit *>(data);
    if (edit == nullptr || edit->point == nullptr)
        return false;
    m_oEdit = *edit;
    m_oOldValue = ruleValue(*edit->point, edit->table, edit->size);
    if (std::hypot(edit->value.x - m_oOldValue.x, edit->value.y - m_oOldValue.y) <=
        kSmallestRuleChange)
        return false;
    setRule(edit->value);
    IDocumentServices *document = GetDocument();
    if (CDisplayFlags *flags = document != nullptr ? document->GetDisplayFlags() : nullptr)
        flags->SetShowGrading(true);
    return true;
}

void CCmdEditPointRules::OnUndo()
{
    setRule(m_oOldValue);
}

void CCmdEditPointRules::OnRedo()
{
    setRule(m_oEdit.value);
}

void CCmdEditPointRules::setRule(DPOINT value)
{
    const DPOINT now = ruleValue(*m_oEdit.point, m_oEdit.table, m_oEdit.size);
    m_oEdit.point->MoveGradePointAbs(GradeSize{m_oEdit.table, m_oEdit.size}, value.x - now.x,
                                     value.y - now.y);
}

CCmdUpdatePointGrading::CCmdUpdatePointGrading()
{
    Create("UpdatePointGrading");
    SetFlags(true, true, CMT_NO_MODIFY);
    SetToolTips(61520);
}

std::unique_ptr<ICommand> CCmdUpdatePointGrading::Clone() const
{
    return std::make_unique<CCmdUpdatePointGrading>(*this);
}

void CCmdUpdatePointGrading::OnCreate()
{
    m_pPoint = nullptr;
    m_nTable = -1;
    m_aChanges.clear();
}

bool CCmdUpdatePointGrading::OnExecute(void *data)
{
    IDocumentServices *document = GetDocument();
    CFocusManager *focus = GetFocusManager();
    CFocusObject *object = focus != nullptr ? focus->GetFocusObject() : nullptr;
    auto *point = object != nullptr ? dynamic_cast<CBasePoint *>(object->GetItem()) : nullptr;
    const auto *mouse = static_cast<const VIEW_MOUSE_PARAM *>(data);
    const DPOINT *position = mouse != nullptr ? &mouse->position : nullptr;
    if (point == nullptr || point->GetInputPoint() == nullptr || position == nullptr)
        return false;
    const morvane::GradeSizeKey dragged = object->GetSize();
    const IMeasureTable *table = measureTable(*document, dragged.table);
    if (table == nullptr || dragged.size < 0 || dragged.size >= table->GetSizeCount())
        return false;

    m_pPoint = point;
    m_nTable = dragged.table;
    object->SetPosition(*position);
    setPosition(dragged.size, *position);
    const int base = table->GetBaseSizeIndex();
    int modifyAll = 0;
    GetAttributes()->GetInteger("bModifyAllSizes", &modifyAll);
    if (modifyAll != 0 && dragged.size != base) {
        const DPOINT start = point->GetAbsPosition();
        const double steps = dragged.size - base;
        const DPOINT step{(position->x - start.x) / steps, (position->y - start.y) / steps};
        for (int size = 0; size < table->GetSizeCount(); ++size) {
            if (size != base && size != dragged.size)
                setPosition(size, {start.x + (size - base) * step.x, start.y + (size - base) * step.y});
        }
    }
    document->NotifyChanged0();
    return true;
}

void CCmdUpdatePointGrading::OnUndo()
{
    swapPositions();
}

void CCmdUpdatePointGrading::OnRedo()
{
    swapPositions();
}

void CCmdUpdatePointGrading::setPosition(int size, DPOINT position)
{
    m_aChanges.push_back({size, morvane::GetGradedPosition(*m_pPoint, m_nTable, size)});
    morvane::SetGradedPosition(*m_pPoint, m_nTable, size, position);
}

void CCmdUpdatePointGrading::swapPositions()
{
    for (SizeChange &change : m_aChanges) {
        const DPOINT now = morvane::GetGradedPosition(*m_pPoint, m_nTable, change.size);
        morvane::SetGradedPosition(*m_pPoint, m_nTable, change.size, change.position);
        change.position = now;
    }
    if (IDocumentServices *document = GetDocument())
        document->NotifyChanged0();
}
