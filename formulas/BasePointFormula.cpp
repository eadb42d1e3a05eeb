// Morvane formula library.
// The base of every point formula: the graded mask point, its apply types, the resolution of
// its reference points to input points, and the copies bound to the associated input points.
#include "formulas/BasePointFormula.h"

#include "formulas/FormulaText.h"
#include "model/FormulaMessageList.h"
#include "model/GradeMask.h"
#include "model/MaskPoint.h"

using namespace morvane;

static const CRuntimeClass kBasePointFormulaClass("CBasePointFormula", nullptr,
                                                  CBaseFormula::GetThisClass());

const CRuntimeClass *CBasePointFormula::GetThisClass()
{
    return &kBasePointFormulaClass;
}

CBasePointFormula::CBasePointFormula()
{
    AddPtrAttribute(&m_pBasePoint, "Point", "BasePoint");
    AddBoolAttribute(&m_bIncrement, "Increment", XmlPresence::ReadOnly);
    AddIntAttribute(&m_eApplyType, "ApplyType", XmlPresence::ReadOnly);
    AddIntAttribute(&m_eApplyTypeX, "ApplyTypeX", XmlPresence::Optional);
    AddIntAttribute(&m_eApplyTypeY, "ApplyTypeY", XmlPresence::Optional);
}

void CBasePointFormula::SetPointCount(int count)
{
    SetRequiredIndexCount(count);
    m_nResolvedCount = count;
}

IGradePlace *CBasePointFormula::GetBasePointPlace()
{
    return m_pBasePoint;
}

bool CBasePointFormula::IsIndexedPoint(const CBasePoint *point) const
{
    CPtrCollection<CBasePoint> points;
    CBaseFormula::CollectIndexPoints(points);
    return point != nullptr && points.Find(point) >= 0;
}

void CBasePointFormula::CollectIndexPoints(CPtrCollection<CBasePoint> &list) const
{
    CBaseFormula::CollectIndexPoints(list);
    list.Add(m_pBasePoint);
}

void CBasePointFormula::DoCollectPoints(CPtrCollection<CBasePoint> &list)
{
    if (m_pBoundPoint != nullptr && list.Find(m_pBoundPoint) < 0)
        list.Add(m_pBoundPoint);
}

void CBasePointFormula::CopyFrom(const CBaseFormula &other)
{
    CBaseFormula::CopyFrom(other);
    if (const auto *point = dynamic_cast<const CBasePointFormula *>(&other)) {
        // The resolved count follows the required count the base copy took: a like point with a
        // second point reads two points in its copies too.
        m_nResolvedCount = point->m_nResolvedCount;
        m_eApplyTypeX = point->m_eApplyTypeX;
        m_eApplyTypeY = point->m_eApplyTypeY;
    }
}

void CBasePointFormula::ConvertApplyType()
{
    const int value = m_bIncrement ? APPLY_INCREMENT : APPLY_DRIVEN;
    switch (m_eApplyType) {
    case 0:
        m_eApplyTypeX = value;
        m_eApplyTypeY = value;
        return;
    case 1:
        m_eApplyTypeX = value;
        m_eApplyTypeY = APPLY_NONE;
        return;
    case 2:
        m_eApplyTypeX = APPLY_NONE;
        m_eApplyTypeY = value;
        return;
    }
}

std::string CBasePointFormula::GetPointAddress() const
{
    if (m_pBoundPoint == nullptr)
        return {};
    return FormatPointAddress(m_pBoundPoint->GetFormatName());
}

std::string CBasePointFormula::ReferenceLabel(int i, bool maskLabels)
{
    return GetLabelOrUnknown(maskLabels ? GetIndexPoint(i) : GetResolvedPoint(i));
}

bool CBasePointFormula::CanWriteLine()
{
    if (m_pBoundPoint == nullptr)
        return false;
    for (int i = 0; i < m_nResolvedCount; ++i) {
        if (GetResolvedPoint(i) == nullptr)
            return false;
    }
    return true;
}

bool CBasePointFormula::IsResolvedPoint(const CBasePoint *point, int i)
{
    return point != nullptr && GetResolvedPoint(i) == point;
}

bool CBasePointFormula::IsAmongResolvedPoints(const CBasePoint *point, int count)
{
    for (int i = 0; i < count; ++i) {
        if (IsResolvedPoint(point, i))
            return true;
    }
    return false;
}

std::string CBasePointFormula::DisplayTextOfReferences(int count, bool maskLabels,
                                                       const std::string &separator)
{
    std::string text = GetDisplayName() + "(";
    for (int i = 0; i < count; ++i)
        text += (i > 0 ? separator : std::string()) + ReferenceLabel(i, maskLabels);
    return text + ")";
}

void CBasePointFormula::AddFormulaText(std::vector<std::string> &texts)
{
    if (CanWriteLine())
        CBaseFormula::AddFormulaText(texts);
}

bool CBasePointFormula::CheckIndexPoints(CFormulaMessageList *reporter)
{
    if (!CBaseFormula::CheckIndexPoints(reporter))
        return false;
    if (m_eApplyTypeX != APPLY_NONE || m_eApplyTypeY != APPLY_NONE)
        return true;
    return Refuse(reporter, FM_NOTHING_TO_GRADE, {});
}

bool CBasePointFormula::Validate(CFormulaMessageList *reporter, IFormulaTextChecker *checker)
{
    if (!CBaseFormula::Validate(reporter, checker))
        return false;
    if (m_pBoundPoint == nullptr && m_pBasePoint != nullptr)
        return Refuse(reporter, FM_POINT_WITHOUT_RULE, m_pBasePoint->GetFormatName());
    if (m_pBoundPoint == nullptr)
        return Refuse(reporter, FM_POINT_NOT_NUMBERED, "#0");
    const IGradeMask *mask = GetOwner();
    if (mask != nullptr && mask->IsInReadOnlyRegion(m_pBoundPoint))
        return Refuse(reporter, FM_READ_ONLY_REGION, m_pBoundPoint->GetFormatName());
    return true;
}

static CPtrCollection<CBasePoint> inputAssociationsOf(CBasePoint *point)
{
    CPtrCollection<CBasePoint> associations;
    if (IMaskPoint *maskPoint = point != nullptr ? point->GetMaskPoint() : nullptr)
        maskPoint->AppendInputAssociations(associations);
    return associations;
}

// The formula in the mask takes the first input point associated with the index point.
CBasePoint *CBasePointFormula::ResolveInMask(CBasePoint *indexPoint) const
{
    return inputAssociationsOf(indexPoint).GetFirst();
}

// A bound copy prefers the associated input point on the bound point's pattern.
CBasePoint *CBasePointFormula::ResolveForBoundPattern(CBasePoint *indexPoint) const
{
    const CPtrCollection<CBasePoint> associations = inputAssociationsOf(indexPoint);
    const CPattern *boundPattern = m_pBoundPoint != nullptr ? m_pBoundPoint->GetParent() : nullptr;
    for (CBasePoint *point : associations) {
        if (boundPattern != nullptr && point->GetParent() == boundPattern)
            return point;
    }
    return associations.GetFirst();
}

void CBasePointFormula::Recalculate()
{
    const bool inMask = GetRefreshSource() == this;
    for (int i = 0; i < GetRequiredIndexCount(); ++i) {
        CBasePoint *indexPoint = GetIndexPoint(i);
        SetResolved(i, inMask ? ResolveInMask(indexPoint) : ResolveForBoundPattern(indexPoint));
    }
    if (inMask)
        m_pBoundPoint = nullptr;
}

void CBasePointFormula::Update()
{
    Recalculate();
    CPtrCollection<CBasePoint> associations = inputAssociationsOf(m_pBasePoint);
    if (associations.GetCount() == 0)
        associations.Add(nullptr);
    for (CBasePoint *inputPoint : associations) {
        std::unique_ptr<IBaseFormula> copy = FindManagedCounterpartOf();
        if (copy == nullptr)
            return;
        auto *bound = dynamic_cast<CBasePointFormula *>(copy->GetBaseFormula());
        bound->SetBoundPoint(inputPoint);
        if (RefreshThroughRuntimeCopy(std::move(copy)) == nullptr)
            continue;
        bound->Invalidate();
        bound->UpdateIfNeeded();
    }
}
