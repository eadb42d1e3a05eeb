// Morvane model library.
// The link from a global proportional-distance formula to one path formula, and their list.
#include "model/GradePathProperty.h"

#include "model/GradeMask.h"
#include "model/GradePath.h"
#include "model/IBaseFormula.h"
#include "model/IMeasureFormula.h"
#include "model/IPathFormula.h"

using namespace morvane;

static const CRuntimeClass kGradePathPropertyClass("CGradePathProperty",
                                                   &CreateObjectOf<CGradePathProperty>,
                                                   CMvItem::GetThisClass());

const CRuntimeClass *CGradePathProperty::GetThisClass()
{
    return &kGradePathPropertyClass;
}

CGradePathProperty::CGradePathProperty()
{
    AddPtrAttribute(&m_pGradeFormula, "PathFormula", "GradeFormula");
}

void CGradePathProperty::Create(IBaseFormula *owner, IBaseFormula *pathFormula)
{
    m_pOwner = owner;
    m_pGradeFormula = pathFormula;
}

void CGradePathProperty::CopyFrom(const CGradePathProperty &other)
{
    m_pGradeFormula = other.m_pGradeFormula;
    m_bFirstOption = other.m_bFirstOption;
    m_bSecondOption = other.m_bSecondOption;
    m_bStartGraded = other.m_bStartGraded;
    m_bEndGraded = other.m_bEndGraded;
}

std::string CGradePathProperty::GetText() const
{
    if (m_pGradeFormula == nullptr)
        return {};
    IMeasureFormula *measure = m_pGradeFormula->AsMeasureFormula();
    IPathFormula *path = m_pGradeFormula->AsPathFormula();
    if (measure == nullptr || path == nullptr)
        return {};
    return measure->GetVarName() + "=" + path->GetPathText();
}

IGradePath *CGradePathProperty::GetGradePath() const
{
    if (m_pGradeFormula == nullptr || m_pGradeFormula->AsPathFormula() == nullptr)
        return nullptr;
    return m_pGradeFormula->AsPathFormula()->GetPath();
}

bool CGradePathProperty::IsGradedByOthers(const CBasePoint *point) const
{
    if (point == nullptr)
        return false;
    auto *mask = dynamic_cast<CGradeMask *>(m_pGradeFormula->GetOwner());
    if (mask == nullptr)
        return false;
    bool x = false;
    bool y = false;
    mask->GetFormulas().IsPointGraded(point, x, y, m_pOwner);
    return x || y;
}

void CGradePathProperty::UpdateStartGraded()
{
    const IGradePath *path = GetGradePath();
    m_bStartGraded = path != nullptr && IsGradedByOthers(path->GetFirstPoint());
}

void CGradePathProperty::UpdateEndGraded()
{
    const IGradePath *path = GetGradePath();
    m_bEndGraded = path != nullptr && IsGradedByOthers(path->GetLastPoint());
}

bool CGradePathProperty::IsFirstOfList() const
{
    return m_pList != nullptr && m_pList->GetCount() > 0 && m_pList->GetAt(0) == this;
}

bool CGradePathProperty::GetFirstOption() const
{
    return !IsFirstOfList() && m_bFirstOption;
}

bool CGradePathProperty::GetSecondOption() const
{
    return !IsFirstOfList() && m_bSecondOption;
}

bool CGradePathProperty::SetOption(bool &option, bool on)
{
    if (IsFirstOfList()) {
        option = false;
        return true;
    }
    option = on;
    return on;
}

bool CGradePathProperty::SetFirstOption(bool on)
{
    return SetOption(m_bFirstOption, on);
}

bool CGradePathProperty::SetSecondOption(bool on)
{
    return SetOption(m_bSecondOption, on);
}

void CGradePathPropertyList::InsertAt(int i, CGradePathProperty *property)
{
    COwningCollection<CGradePathProperty>::InsertAt(i, property);
    property->SetOwner(m_pOwner);
    property->SetList(this);
}

void CGradePathPropertyList::RemoveAt(int i)
{
    GetAt(i)->SetList(nullptr);
    COwningCollection<CGradePathProperty>::RemoveAt(i);
}

int CGradePathPropertyList::AddPathProperty(IBaseFormula *pathFormula)
{
    auto property = std::make_unique<CGradePathProperty>();
    property->Create(m_pOwner, pathFormula);
    return AddOwned(std::move(property));
}

void CGradePathPropertyList::CopyFrom(const CGradePathPropertyList &other)
{
    for (const CGradePathProperty *property : other) {
        auto copy = std::make_unique<CGradePathProperty>();
        copy->CopyFrom(*property);
        AddOwned(std::move(copy));
    }
}

void CGradePathPropertyList::SetOwner(IBaseFormula *owner)
{
    m_pOwner = owner;
    for (CGradePathProperty *property : *this)
        property->SetOwner(owner);
}
