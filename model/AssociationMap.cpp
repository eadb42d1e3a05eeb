// Morvane model library.
// The mask's map from the measurement names that formulas write to those of the measurement table.
#include "model/AssociationMap.h"

#include "foundation/NameCompare.h"

#include <memory>
#include <string_view>

using namespace morvane;

static const CRuntimeClass kAssociationItemClass("CAssociationItem",
                                                 &CreateObjectOf<CAssociationItem>,
                                                 CMvItem::GetThisClass());
static const CRuntimeClass kAssociationMapClass("CAssociationMap", &CreateObjectOf<CAssociationMap>,
                                                CMvItem::GetThisClass());

CAssociationItem::CAssociationItem()
{
    SetHandlerId(kModelHandlerId | kSourceKind, this);
    AddStringAttribute(&m_sMeasurementName, "MeasurementName");
    AddStringAttribute(&m_sFormulaMeasurementName, "FormulaMeasurementName");
}

const CRuntimeClass *CAssociationItem::GetThisClass()
{
    return &kAssociationItemClass;
}

void CAssociationItem::SetAll(const std::string &formulaMeasurementName,
                              const std::string &displayName, const std::string &measurementName)
{
    m_sFormulaMeasurementName = formulaMeasurementName;
    m_sDisplayName = displayName;
    m_sMeasurementName = measurementName;
}

CAssociationMap::CAssociationMap()
{
    SetHandlerId(kModelHandlerId | kSourceKind, this);
    AttachSink(m_oAssociationItems);
    AddClassCollectionAttribute(&m_oAssociationItems, "AssociationItems", "AssociationItem",
                                CAssociationItem::GetThisClass(), XmlNaming::None,
                                XmlPresence::Optional);
}

CAssociationMap::~CAssociationMap() = default;

const CRuntimeClass *CAssociationMap::GetThisClass()
{
    return &kAssociationMapClass;
}

// Whether the text is empty once trailing white space is cut.
static bool isBlank(std::string_view text)
{
    return text.find_last_not_of(" \t\r\n\f\v") == std::string_view::npos;
}

void CAssociationMap::RemoveUnassigned()
{
    for (int i = GetCount() - 1; i >= 0; --i) {
        if (isBlank(m_oAssociationItems.GetAt(i)->GetMeasurementName()))
            RemoveAt(i);
    }
}

void CAssociationMap::RemoveAll()
{
    for (int i = GetCount() - 1; i >= 0; --i)
        RemoveAt(i);
}

int CAssociationMap::Add(const std::string &formulaMeasurementName, const std::string &displayName,
                         const std::string &measurementName)
{
    auto item = std::make_unique<CAssociationItem>();
    item->SetAll(formulaMeasurementName, displayName, measurementName);
    return m_oAssociationItems.AddOwned(std::move(item));
}

void CAssociationMap::SetAt(int i, const std::string &displayName,
                            const std::string &measurementName)
{
    SendBeforeChange(-1);
    CAssociationItem *item = m_oAssociationItems.GetAt(i);
    item->SetDisplayName(displayName);
    item->SetMeasurementName(measurementName);
    SendAfterChange(-1);
}

int CAssociationMap::GetCount() const
{
    return m_oAssociationItems.GetCount();
}

IAssociationItem *CAssociationMap::GetAt(int i) const
{
    return m_oAssociationItems.GetAt(i);
}

void CAssociationMap::RemoveAt(int i)
{
    m_oAssociationItems.DeleteAt(i);
}

int CAssociationMap::FindByMeasurementName(const std::string &name) const
{
    for (int i = 0; i < GetCount(); ++i) {
        if (equalsNoCase(m_oAssociationItems.GetAt(i)->GetMeasurementName(), name))
            return i;
    }
    return -1;
}

int CAssociationMap::FindByFormulaName(const std::string &name) const
{
    for (int i = 0; i < GetCount(); ++i) {
        if (equalsNoCase(m_oAssociationItems.GetAt(i)->GetFormulaMeasurementName(), name))
            return i;
    }
    return -1;
}

void CAssociationMap::TakeItemsOf(CAssociationMap &other)
{
    while (other.GetCount() > 0)
        m_oAssociationItems.AddOwned(other.m_oAssociationItems.TakeAt(0));
}
