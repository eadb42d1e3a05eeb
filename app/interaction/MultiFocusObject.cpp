// Morvane program interaction.
// A multiple selection: focus objects picked together.
#include "app/interaction/MultiFocusObject.h"

#include "model/GradeRegion.h"
#include "model/Pattern.h"

#include <algorithm>

CMultiFocusObject::CMultiFocusObject(CObject *item) : CFocusObject(item, kMultiple) {}

CMultiFocusObject::~CMultiFocusObject() = default;

void CMultiFocusObject::AddTo(CPtrCollection<CFocusObject> &collection)
{
    for (CFocusObject *entry : m_oList)
        collection.Add(entry);
}

bool CMultiFocusObject::GetRect(CDRect &out, const CPtrCollection<IGradeSize> *sizes) const
{
    out.SetEmpty();
    for (const CFocusObject *entry : m_oList) {
        CDRect rect;
        if (entry->GetRect(rect, sizes))
            out.Union(rect);
    }
    return out.IsValid();
}

void CMultiFocusObject::CopyFrom(const CFocusObject &source)
{
    CFocusObject::CopyFrom(source);
    m_oList.RemoveAll();
    const auto *multiple = dynamic_cast<const CMultiFocusObject *>(&source);
    if (multiple == nullptr)
        return;
    for (const CFocusObject *entry : multiple->m_oList)
        m_oList.AddOwned(Clone(*entry));
}

bool CMultiFocusObject::IsSame(const CFocusObject &other) const
{
    if (!CFocusObject::IsSame(other))
        return false;
    const auto *multiple = dynamic_cast<const CMultiFocusObject *>(&other);
    if (multiple == nullptr || multiple->GetCount() != GetCount())
        return false;
    for (int i = 0; i < GetCount(); ++i) {
        if (!GetAt(i)->IsSame(*multiple->GetAt(i)))
            return false;
    }
    return true;
}

bool CMultiFocusObject::RefersTo(const CObject *object) const
{
    return CFocusObject::RefersTo(object) ||
           std::any_of(m_oList.begin(), m_oList.end(),
                       [object](const CFocusObject *entry) { return entry->RefersTo(object); });
}

bool CMultiFocusObject::HasClass(int selectionClass) const
{
    return std::any_of(m_oList.begin(), m_oList.end(), [selectionClass](const CFocusObject *entry) {
        return entry->HasClass(selectionClass);
    });
}

int CMultiFocusObject::GetSelectionClass() const
{
    return kMultipleClass;
}

bool CMultiFocusObject::IsAllOfClass(int selectionClass) const
{
    return std::all_of(m_oList.begin(), m_oList.end(), [selectionClass](const CFocusObject *entry) {
        return entry->GetSelectionClass() == selectionClass;
    });
}

bool CMultiFocusObject::IsFromMask() const
{
    return GetCount() > 0 && std::all_of(m_oList.begin(), m_oList.end(),
                                         [](const CFocusObject *entry) {
                                             return entry->IsFromMask();
                                         });
}

void CMultiFocusObject::Add(std::unique_ptr<CFocusObject> entry)
{
    m_oList.AddOwned(std::move(entry));
}

void CMultiFocusObject::Remove(int i)
{
    m_oList.DeleteAt(i);
}

int CMultiFocusObject::Find(const CFocusObject &key) const
{
    const CObject *item = nullptr;
    switch (key.GetType()) {
    case kPivot:
    case kRegion:
    case kMaskCentre:
        item = key.GetItem();
        break;
    case kPolyline:
    case kPoint:
        item = key.GetDetailObject();
        break;
    default:
        return -1;
    }
    for (int i = 0; i < GetCount(); ++i) {
        if (GetAt(i)->GetItem() == item)
            return i;
    }
    return -1;
}

void CMultiFocusObject::CollectPatterns(CPtrCollection<CPattern> &out, bool fromMask) const
{
    for (const CFocusObject *entry : m_oList) {
        CPattern *pattern = entry->GetPattern();
        if (entry->IsPattern() && pattern != nullptr && pattern->IsMaskPattern() == fromMask)
            out.Add(pattern);
    }
}

void CMultiFocusObject::CollectRegions(CPtrCollection<CGradeRegion> &out) const
{
    for (const CFocusObject *entry : m_oList) {
        auto *region = dynamic_cast<CGradeRegion *>(entry->GetItem());
        if (entry->IsRegion() && region != nullptr)
            out.Add(region);
    }
}
