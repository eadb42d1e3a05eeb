// Morvane editing commands.
// "AddPointPath", "UpdatePointPath" and "UpdatePathGrading": the grade path of the path tools
// made a path formula, followed by the pointer, and dragged in one size.
#include "app/commands/formulas/CmdGradePath.h"

#include "app/commands/formulas/GradedPosition.h"
#include "app/documents/EventRecords.h"
#include "app/documents/GradeModelKind.h"
#include "app/documents/IDocumentServices.h"
#include "app/documents/WaitCursor.h"
#include "app/grading/PathGrading.h"
#include "app/interaction/FocusManager.h"
#include "app/interaction/GradePathEditor.h"
#include "formulas/PathPatternFormula.h"
#include "model/BasePoint.h"
#include "model/FormulaManager.h"
#include "model/GradeSize.h"
#include "model/IMeasureFormula.h"
#include "model/MaskPattern.h"
#include "model/MaskPoint.h"

#include <algorithm>
#include <optional>

namespace {

constexpr int kPathFormulaType = 2;

CGradePathEditor *pathEditor(IDocumentServices *document)
{
    return document != nullptr ? document->GetGradePathEditor() : nullptr;
}

/// The focus object when it is a grade point of a pattern.
CFocusObject *focusedPoint(CFocusManager *focus)
{
    CFocusObject *object = focus != nullptr ? focus->GetFocusObject() : nullptr;
    if (object == nullptr || object->GetType() != CFocusObject::kPoint ||
        dynamic_cast<CBasePoint *>(object->GetItem()) == nullptr)
        return nullptr;
    return object;
}

} // namespace

CCmdAddPointPath::CCmdAddPointPath()
{
    Create("AddPointPath");
    SetFlags(true, true, CMT_MODIFY);
    SetToolTips(61388);
}

std::unique_ptr<ICommand> CCmdAddPointPath::Clone() const
{
    return std::make_unique<CCmdAddPointPath>(*this);
}

bool CCmdAddPointPath::OnExecute(void *)
{
    CGradePathEditor *editor = pathEditor(GetDocument());
    CFormulaManager *manager = GetFormulaManager();
    auto *pattern = editor != nullptr ? dynamic_cast<CMaskPattern *>(editor->GetPattern()) : nullptr;
    if (manager == nullptr || pattern == nullptr || editor->GetStartIndex() < 0 ||
        editor->GetEndIndex() < 0)
        return false;
    auto *first = dynamic_cast<CMaskPoint *>(pattern->GetBasePointAt(editor->GetStartIndex()));
    auto *last = dynamic_cast<CMaskPoint *>(pattern->GetBasePointAt(editor->GetEndIndex()));
    std::unique_ptr<IBaseFormula> made =
        manager->MakePatternFormula(kPathFormulaType, GetCurrentTableObject(), pattern);
    auto *path = dynamic_cast<CPathPatternFormula *>(made.get());
    if (path == nullptr || first == nullptr || last == nullptr)
        return false;
    path->SetReverse(editor->GetDirection());
    path->SetFirstPoint(first);
    path->SetLastPoint(last);
    path->SetVarName(manager->MakeUniqueName("m"));
    return AppendFormula(std::move(made));
}

bool CCmdAddPointPath::IsEnabled(void *)
{
    return true;
}

CCmdUpdatePointPath::CCmdUpdatePointPath()
{
    Create("UpdatePointPath");
    SetFlags(false, true, CMT_NO_MODIFY);
}

std::unique_ptr<ICommand> CCmdUpdatePointPath::Clone() const
{
    return std::make_unique<CCmdUpdatePointPath>(*this);
}

bool CCmdUpdatePointPath::OnExecute(void *)
{
    CGradePathEditor *editor = pathEditor(GetDocument());
    const CFocusObject *point = focusedPoint(GetFocusManager());
    if (editor != nullptr && point != nullptr)
        editor->ExtendPath({point->GetLineIndex(), point->GetPointIndex()});
    return true;
}

CCmdUpdatePathGrading::CCmdUpdatePathGrading()
{
    Create("UpdatePathGrading");
    SetFlags(true, true, CMT_NO_MODIFY);
}

std::unique_ptr<ICommand> CCmdUpdatePathGrading::Clone() const
{
    return std::make_unique<CCmdUpdatePathGrading>(*this);
}

void CCmdUpdatePathGrading::OnCreate()
{
    m_aPoints.clear();
    m_aPositions.clear();
    m_nTable = -1;
    m_nSize = -1;
}

bool CCmdUpdatePathGrading::OnExecute(void *data)
{
    IDocumentServices *document = GetDocument();
    CGradePathEditor *editor = pathEditor(document);
    CFocusObject *focus = focusedPoint(GetFocusManager());
    const auto *mouse = static_cast<const VIEW_MOUSE_PARAM *>(data);
    const DPOINT *position = mouse != nullptr ? &mouse->position : nullptr;
    if (editor == nullptr || focus == nullptr || position == nullptr || focus->GetSize().isBase())
        return false;
    std::optional<WaitCursor<IDocumentServices>> wait;
    if (document->GetGradeModelKind() == GMK_MODEL_FILES)
        wait.emplace(*document);
    m_nTable = focus->GetSize().table;
    m_nSize = focus->GetSize().size;
    CSimpleGradeSize size;
    size.Create(m_nTable, m_nSize);
    std::vector<PATTERNDPOINT> placesOnPath;
    editor->GetGradePath().GetPoints(placesOnPath, &size);

    std::vector<PathEntry> path;
    int moved = -1;
    for (const PATTERNDPOINT &place : placesOnPath) {
        CBasePoint *point = place.pointIndex >= 0 && place.pattern != nullptr
                                ? place.pattern->GetBasePointAt(place.pointIndex)
                                : nullptr;
        if (point != nullptr) {
            m_aPoints.push_back(point);
            m_aPositions.push_back(morvane::GetGradedPosition(*point, m_nTable, m_nSize));
            if (point == focus->GetItem())
                moved = static_cast<int>(path.size());
        }
        path.push_back({point, place.position});
    }
    if (moved > 0 && moved < static_cast<int>(path.size()) - 1) {
        const DPOINT from = path[static_cast<size_t>(moved)].position;
        ApplyPathGrading(path, moved, position->x - from.x, position->y - from.y,
                         GradeSize{m_nTable, m_nSize});
        document->NotifyChanged0();
    }
    focus->SetPosition(*position);
    return true;
}

void CCmdUpdatePathGrading::OnUndo()
{
    swapPositions();
}

void CCmdUpdatePathGrading::OnRedo()
{
    swapPositions();
}

void CCmdUpdatePathGrading::swapPositions()
{
    for (size_t i = 0; i < m_aPoints.size(); ++i) {
        const DPOINT now = morvane::GetGradedPosition(*m_aPoints[i], m_nTable, m_nSize);
        morvane::SetGradedPosition(*m_aPoints[i], m_nTable, m_nSize, m_aPositions[i]);
        m_aPositions[i] = now;
    }
    if (IDocumentServices *document = GetDocument())
        document->NotifyChanged0();
}
