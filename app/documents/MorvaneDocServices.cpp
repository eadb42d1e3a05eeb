// Morvane program documents.
// The main document's services that pass on to the active grade mask or to its own parts.
#include "app/documents/MorvaneDoc.h"

#include "app/documents/IPointArea.h"
#include "model/BasePoint.h"
#include "model/GradeMask.h"
#include "model/IInputPatterns.h"
#include "model/InputPattern.h"

void CMorvaneDoc::AddFocusType(int type)
{
    if (CGradeMaskDoc *mask = ActiveMask())
        mask->AddFocusType(static_cast<uint32_t>(type));
}

void CMorvaneDoc::ClearFocusTypes()
{
    if (CGradeMaskDoc *mask = ActiveMask())
        mask->ClearFocusTypes();
}

bool CMorvaneDoc::IsFocusType(int type)
{
    const CGradeMaskDoc *mask = ActiveMask();
    return mask != nullptr && mask->IsFocusType(static_cast<uint32_t>(type));
}

void CMorvaneDoc::ClearItemList()
{
    if (CGradeMaskDoc *mask = ActiveMask())
        mask->ClearItemList();
}

void CMorvaneDoc::AddItem(CObject *item)
{
    std::unique_ptr<CObject> owned(item);
    if (CGradeMaskDoc *mask = ActiveMask())
        mask->AddItem(std::move(owned));
}

int CMorvaneDoc::GetItemCount()
{
    const CGradeMaskDoc *mask = ActiveMask();
    return mask != nullptr ? mask->GetItemCount() : 0;
}

CObject *CMorvaneDoc::GetItemAt(int index)
{
    const CGradeMaskDoc *mask = ActiveMask();
    return mask != nullptr ? mask->GetItemAt(index) : nullptr;
}

void CMorvaneDoc::RemoveItemAt(int index)
{
    if (CGradeMaskDoc *mask = ActiveMask())
        mask->RemoveItemAt(index);
}

CTaskManager *CMorvaneDoc::GetTaskManager()
{
    CGradeMaskDoc *mask = ActiveMask();
    return mask != nullptr ? mask->GetTaskManager() : GetWorkspaceTaskManager();
}

CGradePathEditor *CMorvaneDoc::GetGradePathEditor()
{
    CGradeMaskDoc *mask = ActiveMask();
    return mask != nullptr ? mask->GetGradePathEditor() : nullptr;
}

CMeasureLine *CMorvaneDoc::GetMeasureLine()
{
    CGradeMaskDoc *mask = ActiveMask();
    return mask != nullptr ? mask->GetMeasureLine() : nullptr;
}

CInteractionModes *CMorvaneDoc::GetInteractionModes()
{
    CGradeMaskDoc *mask = ActiveMask();
    return mask != nullptr ? mask->GetInteractionModes() : nullptr;
}

CFocusManager *CMorvaneDoc::GetFocusManager()
{
    CGradeMaskDoc *mask = ActiveMask();
    return mask != nullptr ? mask->GetFocusManager() : nullptr;
}

IMaskDocumentAccess *CMorvaneDoc::GetActiveMaskDocument()
{
    return ActiveMask();
}

CRotationPivot *CMorvaneDoc::GetRotationPivot()
{
    CGradeMaskDoc *mask = ActiveMask();
    return mask != nullptr ? mask->GetRotationPivot() : nullptr;
}

IGradePlaceList *CMorvaneDoc::GetHighlightedItem()
{
    const CGradeMaskDoc *mask = ActiveMask();
    return mask != nullptr ? mask->GetHighlightedItem() : nullptr;
}

int CMorvaneDoc::GetColourIndex(const IBaseFormula *formula)
{
    const CGradeMaskDoc *mask = ActiveMask();
    return mask != nullptr ? mask->GetColourIndex(formula) : -1;
}

void CMorvaneDoc::CollectPointEntries(CPtrCollection<IBaseFormula> &out)
{
    out.RemoveAll();
    if (const CPattern *pattern = GetActivePattern())
        out.Append(m_oGrading.GetRuntimeFormulasOf(pattern));
}

int CMorvaneDoc::GetFocusPolylineCount()
{
    const CGradeMaskDoc *mask = ActiveMask();
    return mask != nullptr ? mask->GetFocusPolylineCount() : 0;
}

CFocusObject *CMorvaneDoc::GetFocusPolylineAt(int index)
{
    const CGradeMaskDoc *mask = ActiveMask();
    return mask != nullptr ? mask->GetFocusPolylineAt(index) : nullptr;
}

CPattern *CMorvaneDoc::GetActivePattern()
{
    CFocusManager *focus = GetFocusManager();
    return focus != nullptr ? focus->GetActiveObject()->GetPattern() : nullptr;
}

CMorvaneWorkspace *CMorvaneDoc::GetWorkspace()
{
    return &m_oWorkspace;
}

CTaskManager *CMorvaneDoc::GetWorkspaceTaskManager()
{
    return &m_oWorkspaceTasks;
}

IPatternAssociationMap *CMorvaneDoc::GetPatternAssociationMap()
{
    IGradeMask *mask = GetActiveGradeMask();
    return mask != nullptr ? mask->GetPatternAssociationMap() : nullptr;
}

IPointAssociationMap *CMorvaneDoc::GetPointAssociationMap()
{
    IGradeMask *mask = GetActiveGradeMask();
    return mask != nullptr ? mask->GetPointAssociationMap() : nullptr;
}

IGradeMask *CMorvaneDoc::GetActiveGradeMask()
{
    CGradeMaskDoc *mask = ActiveMask();
    return mask != nullptr ? mask->GetGradeMask() : nullptr;
}

CGradeSizeSelection *CMorvaneDoc::GetSizeSelection()
{
    return &m_oMeasureTableDoc.GetSizeSelection();
}

IBrismond *CMorvaneDoc::GetTableSet()
{
    return m_oMeasureTableDoc.GetTableSet();
}

void CMorvaneDoc::CollectPointsInArea(const CObject *area, CPtrCollection<CBasePoint> &out)
{
    const auto *points = dynamic_cast<const IPointArea *>(area);
    if (points == nullptr)
        return;
    const IGradeMask *mask = GetActiveGradeMask();
    const bool withExcluded = points->GetMode() == IPointArea::kWithExcludedPoints;
    for (int p = 0; p < m_pInputPatterns->GetPatternCount(); ++p) {
        CInputPattern *pattern = m_pInputPatterns->GetPatternAt(p);
        if (!pattern->IsFlagged())
            continue;
        for (int i = 0; i < pattern->GetBasePointCount(); ++i) {
            CBasePoint *point = pattern->GetBasePointAt(i);
            const DPOINT position = point->GetAbsPosition();
            if (!points->ContainsPoint(position))
                continue;
            const bool excluded = !withExcluded && mask != nullptr &&
                                  mask->IsInExcludeRegion(position);
            if (!excluded && out.Find(point) < 0)
                out.Add(point);
        }
    }
}
