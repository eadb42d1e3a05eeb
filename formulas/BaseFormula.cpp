// Morvane formula library.
// The base of every grading formula: parameters, index points, resolved points, change
// tracking, copying and storage.
#include "formulas/BaseFormula.h"

#include "formulas/FormulaText.h"
#include "model/BasePoint.h"
#include "model/FormulaManager.h"
#include "model/GradeMask.h"
#include "model/MaskPoint.h"

using namespace morvane;

static const CRuntimeClass kBaseFormulaClass("CBaseFormula", nullptr, CMvItem::GetThisClass());

const CRuntimeClass *CBaseFormula::GetThisClass()
{
    return &kBaseFormulaClass;
}

CBaseFormula::CBaseFormula()
{
    SetHandlerId(kModelHandlerId | kSourceKind, this);
    AddClassCollectionAttribute(&m_oIndexPoints, "IndexPoints", "IndexPoint",
                                CIndexPoint::GetThisClass(), XmlNaming::None, XmlPresence::WhenSet);
    AddClassCollectionAttribute(&m_oStrParams, "Parameters", "Param", CStrParam::GetThisClass(),
                                XmlNaming::None, XmlPresence::WhenSet);
    AddIntAttribute(&m_eTableRelativeType, "TableRelativeType", XmlPresence::WhenSet);
}

CBaseFormula::~CBaseFormula() = default;

int CBaseFormula::GetAttachKind() const
{
    if (GetRegion() != nullptr)
        return FORMULA_ATTACH_REGION;
    if (GetPattern() != nullptr)
        return FORMULA_ATTACH_PATTERN;
    return FORMULA_ATTACH_NONE;
}

void CBaseFormula::SetOwner(IGradeMask *owner)
{
    m_pOwner = owner;
    OnOwnerChanged();
}

CFormulaManager *CBaseFormula::GetOwnerManager() const
{
    if (m_pOwner == nullptr)
        return nullptr;
    return dynamic_cast<CFormulaManager *>(m_pOwner->GetFormulaManager());
}

IUserFormulaConfig *CBaseFormula::GetUserConfig() const
{
    return m_pOwner != nullptr ? m_pOwner->GetUserFormulaConfig() : nullptr;
}

int CBaseFormula::SetTableRelativeType(int value)
{
    m_eTableRelativeType = value;
    return value;
}

void CBaseFormula::TakeOverFrom(IBaseFormula *) {}

bool CBaseFormula::RelinkFrom(IBaseFormula *, IBaseFormula *)
{
    return false;
}

void CBaseFormula::UpdateFromVersion2115to2116() {}

void CBaseFormula::CollectReferencedObjects(CPtrCollection<CObject> &) {}

void CBaseFormula::OnIndexPointsChanged(IBaseFormula *) {}

bool CBaseFormula::UsesPoint(const CBasePoint *)
{
    return false;
}

bool CBaseFormula::IsIndexedPoint(const CBasePoint *) const
{
    return false;
}

std::string CBaseFormula::GetFormulaName()
{
    return {};
}

int CBaseFormula::OnInvalidate()
{
    return 0;
}

int CBaseFormula::GetResolvedCount() const
{
    return 0;
}

void CBaseFormula::Recalculate() {}

void CBaseFormula::OnOwnerChanged() {}

void CBaseFormula::OnResolvedChanged(int) {}

// Parameters.

CStrParam *CBaseFormula::GetParam(int n)
{
    while (GetParamCount() <= n)
        m_oStrParams.AddOwned(std::make_unique<CStrParam>());
    return m_oStrParams.GetAt(n);
}

std::string CBaseFormula::GetParamText(int n)
{
    const std::string text = trimBlanks(GetParam(n)->GetValue());
    return text.empty() ? "0" : text;
}

std::string CBaseFormula::GetStoredParamText(int n) const
{
    return n < GetParamCount() ? trimBlanks(m_oStrParams.GetAt(n)->GetValue()) : std::string();
}

bool CBaseFormula::SetParamText(int n, const std::string &text)
{
    IUserFormulaConfig *config = GetUserConfig();
    if (config == nullptr)
        return false;
    CStrParam *param = GetParam(n);
    std::string normalised;
    if (!config->ConvertUserValue(text, param->IsExpression(), normalised))
        return false;
    param->SetValue(normalised);
    return true;
}

std::string CBaseFormula::FormatParamText(int n, bool forDisplay)
{
    const std::string text = trimBlanks(GetParam(n)->GetValue());
    IUserFormulaConfig *config = GetUserConfig();
    if (config == nullptr)
        return text;
    return config->GetExpressionValue(text, forDisplay, GetParam(n)->IsExpression());
}

std::string CBaseFormula::GetDisplayName()
{
    IUserFormulaConfig *config = GetUserConfig();
    return config != nullptr ? config->getFormulaDisplayName(this) : std::string();
}

// Index points and resolved points.

CBasePoint *CBaseFormula::GetIndexPoint(int index) const
{
    for (const CIndexPoint *record : m_oIndexPoints) {
        if (record->GetIndex() == index)
            return record->GetPoint();
    }
    return nullptr;
}

std::vector<int> CBaseFormula::GetIndexPointIndexes() const
{
    std::vector<int> indexes;
    for (const CIndexPoint *record : m_oIndexPoints)
        indexes.push_back(record->GetIndex());
    return indexes;
}

int CBaseFormula::SetIndexPoint(int index, CBasePoint *point)
{
    if (GetIndexPoint(index) == point)
        return m_bChanged ? 1 : 0;
    int found = -1;
    for (int i = 0; i < m_oIndexPoints.GetCount() && found < 0; ++i) {
        if (m_oIndexPoints.GetAt(i)->GetIndex() == index)
            found = i;
    }
    if (found < 0) {
        auto record = std::make_unique<CIndexPoint>();
        record->Create(index, point);
        m_oIndexPoints.AddOwned(std::move(record));
    } else if (point != nullptr) {
        m_oIndexPoints.GetAt(found)->SetPoint(point);
    } else {
        m_oIndexPoints.DeleteAt(found);
        const int kind = GetAttachKind();
        if (kind != FORMULA_ATTACH_PATTERN && kind != FORMULA_ATTACH_POINT)
            SetResolved(index, nullptr);
    }
    return Invalidate();
}

void CBaseFormula::CollectIndexPoints(CPtrCollection<CBasePoint> &list) const
{
    for (int i = 0; i < GetIndexPointCount(); ++i) {
        if (CBasePoint *point = GetIndexPoint(i))
            list.Add(point);
    }
}

bool CBaseFormula::HasIndexPoint(const CBasePoint *point) const
{
    CPtrCollection<CBasePoint> points;
    CollectIndexPoints(points);
    return points.Find(point) >= 0;
}

bool CBaseFormula::UsesAnyPointOf(const CPtrCollection<CBasePoint> &list) const
{
    for (const CIndexPoint *record : m_oIndexPoints) {
        if (list.Find(record->GetPoint()) >= 0)
            return true;
    }
    return false;
}

void CBaseFormula::SetResolved(int index, CBasePoint *rule)
{
    if (index < 0)
        return;
    const auto found = m_oResolved.find(index);
    const CBasePoint *current = found != m_oResolved.end() ? found->second : nullptr;
    if (current == rule)
        return;
    if (rule == nullptr)
        m_oResolved.erase(found);
    else
        m_oResolved[index] = rule;
    OnResolvedChanged(index);
}

void CBaseFormula::SetResolvedForPoint(const CBasePoint *point, CBasePoint *rule)
{
    for (const CIndexPoint *record : m_oIndexPoints) {
        if (record->GetPoint() == point)
            SetResolved(record->GetIndex(), rule);
    }
}

CBasePoint *CBaseFormula::GetResolvedPoint(int position)
{
    UpdateIfNeeded();
    return PeekResolvedPoint(position);
}

CBasePoint *CBaseFormula::PeekResolvedPoint(int position) const
{
    const auto found = m_oResolved.find(position);
    return found != m_oResolved.end() ? found->second : nullptr;
}

int CBaseFormula::CollectResolvedPoints(CPtrCollection<CBasePoint> &list)
{
    return CollectResolvedPointsFrom(list, 0);
}

int CBaseFormula::CollectResolvedPointsFrom(CPtrCollection<CBasePoint> &list, int first)
{
    // The count may change with the update.
    UpdateIfNeeded();
    for (int position = first; position < GetResolvedCount(); ++position) {
        CBasePoint *point = GetResolvedPoint(position);
        if (point != nullptr && list.Find(point) < 0)
            list.Add(point);
    }
    return list.GetCount();
}

// Points.

void CBaseFormula::CollectPoints(CPtrCollection<CBasePoint> &list)
{
    DoCollectPoints(list);
}

void CBaseFormula::CollectAllPoints(CPtrCollection<CBasePoint> &list)
{
    if (CBasePoint *base = GetBasePoint()) {
        if (IMaskPoint *maskPoint = base->GetMaskPoint()) {
            CPtrCollection<CBasePoint> associated;
            maskPoint->AppendAssociations(associated);
            for (CBasePoint *point : associated) {
                if (list.Find(point) < 0)
                    list.Add(point);
            }
        }
    }
    CollectPoints(list);
    CollectResolvedPoints(list);
}

void CBaseFormula::CollectUsedPoints(CPtrCollection<CBasePoint> &list)
{
    list.RemoveAll();
    CPtrCollection<CBasePoint> all;
    CollectAllPoints(all);
    for (CBasePoint *point : all) {
        if (UsesPoint(point))
            list.Add(point);
    }
}

bool CBaseFormula::HasPoint(const CBasePoint *point)
{
    if (point == nullptr || m_bCollecting)
        return false;
    m_bCollecting = true;
    CPtrCollection<CBasePoint> points;
    DoCollectPoints(points);
    m_bCollecting = false;
    return points.Find(point) >= 0;
}

// Change tracking.

int CBaseFormula::Invalidate()
{
    if (m_bChanged)
        return 1;
    m_bChanged = true;
    SendBeforeChange(kChangedProperty);
    SendAfterChange(kChangedProperty);
    return OnInvalidate();
}

int CBaseFormula::UpdateIfNeeded()
{
    if (m_bUpdating)
        return 1;
    if (!m_bChanged)
        return 0;
    m_bUpdating = true;
    m_bChanged = false;
    LockEvents();
    Recalculate();
    const int locks = UnlockEvents();
    m_bUpdating = false;
    return locks;
}

void CBaseFormula::Update()
{
    const int kind = GetAttachKind();
    if (kind == FORMULA_ATTACH_PATTERN || kind == FORMULA_ATTACH_POINT) {
        for (int i = 0; i < m_nRequiredIndexCount; ++i) {
            const CBasePoint *point = GetIndexPoint(i);
            SetResolved(i, point != nullptr ? point->GetAssociatedPoint() : nullptr);
        }
    }
    RefreshThrough(this);
}

void CBaseFormula::RefreshThrough(CBaseFormula *formula)
{
    formula->m_pRefreshSource = this;
    UpdateIfNeeded();
    if (CFormulaManager *manager = GetOwnerManager())
        manager->AddExtraItem(formula);
}

CBaseFormula *CBaseFormula::RefreshThroughRuntimeCopy(std::unique_ptr<IBaseFormula> copy)
{
    CBaseFormula *formula = copy->GetBaseFormula();
    formula->m_pRefreshSource = this;
    UpdateIfNeeded();
    CFormulaManager *manager = GetOwnerManager();
    if (manager == nullptr || manager->AddRuntimeItem(std::move(copy)) == nullptr)
        return nullptr;
    return formula;
}

// Copy.

void CBaseFormula::CopyFrom(const CBaseFormula &other)
{
    m_nRequiredIndexCount = other.m_nRequiredIndexCount;
    m_eTableRelativeType = other.m_eTableRelativeType;
    m_oIndexPoints.RemoveAll();
    for (const CIndexPoint *record : other.m_oIndexPoints) {
        auto copy = std::make_unique<CIndexPoint>();
        copy->Create(record->GetIndex(), record->GetPoint());
        m_oIndexPoints.AddOwned(std::move(copy));
    }
    m_oResolved = other.m_oResolved;
    m_oStrParams.RemoveAll();
    for (const CStrParam *param : other.m_oStrParams) {
        auto copy = std::make_unique<CStrParam>();
        copy->SetValue(param->GetValue());
        copy->SetType(param->GetType());
        m_oStrParams.AddOwned(std::move(copy));
    }
}

void CBaseFormula::Assign(IFormulaCopy *other)
{
    SendBeforeChange(-1);
    auto *source = dynamic_cast<CBaseFormula *>(other);
    if (source != nullptr && source->GetFormulaType() == GetFormulaType() &&
        source->GetAttachKind() == GetAttachKind())
        CopyFrom(*source);
    m_bChanged = true;
    SendAfterChange(-1);
}

std::unique_ptr<IBaseFormula> CBaseFormula::FindManagedCounterpartOf()
{
    const FormulaTarget target{GetRegion(), GetPattern(), GetBasePoint()};
    std::unique_ptr<IBaseFormula> copy;
    if (CFormulaManager *manager = GetOwnerManager())
        copy = manager->CloneOfKind(*this);
    else
        copy = CFormulaFactory::Make(static_cast<FORMULA_ATTACH_KIND>(GetAttachKind()),
                                     GetFormulaType(), m_pContext, target);
    if (copy != nullptr)
        copy->GetBaseFormula()->Assign(this);
    return copy;
}

std::unique_ptr<IFormulaCopy> CBaseFormula::FindManagedCounterpart()
{
    std::unique_ptr<IBaseFormula> copy = FindManagedCounterpartOf();
    if (copy == nullptr)
        return nullptr;
    return std::unique_ptr<IFormulaCopy>(copy.release()->GetBaseFormula());
}
