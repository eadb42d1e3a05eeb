// Morvane foundation library.
// The names that an object's shared references read in a load, kept until they are resolved.
#include "foundation/PendingReferences.h"

#include <cstring>
#include <limits>
#include <memory>

namespace morvane {

bool PendingReferences::FitsInPlace(uint64_t loadId, ptrdiff_t member, size_t size)
{
    return loadId != 0 && loadId <= std::numeric_limits<uint32_t>::max() &&
           member >= std::numeric_limits<int16_t>::min() &&
           member <= std::numeric_limits<int16_t>::max() && size <= kPlace;
}

void PendingReferences::Add(uint64_t loadId, ptrdiff_t member, std::string_view name)
{
    if (!InRecord()) {
        // A name in place of another load, or read for the same member, gives way.
        if (m_nLoad != loadId || m_nMember == member) {
            m_nLoad = 0;
            if (FitsInPlace(loadId, member, name.size())) {
                std::memcpy(m_aText, name.data(), name.size());
                m_nLoad = static_cast<uint32_t>(loadId);
                m_nMember = static_cast<int16_t>(member);
                m_nSize = static_cast<uint8_t>(name.size());
                return;
            }
        }
        MoveToRecord(loadId);
    }
    Record &record = *m_pRecord;
    if (record.load != loadId) {
        record.load = loadId;
        record.entries.clear();
    }
    if (Entry *entry = record.Find(member))
        entry->name = name;
    else
        record.entries.push_back({member, std::string(name)});
}

void PendingReferences::MoveToRecord(uint64_t loadId)
{
    auto record = std::make_unique<Record>(Record{loadId, {}});
    if (m_nLoad != 0 && m_nLoad == loadId)
        record->entries.push_back({m_nMember, std::string(m_aText, m_nSize)});
    m_nLoad = 0;
    m_pRecord = record.release();
    m_nSize = kInRecord;
}

bool PendingReferences::Find(uint64_t loadId, ptrdiff_t member, std::string_view &name) const
{
    if (InRecord()) {
        const Entry *entry = m_pRecord->load == loadId ? m_pRecord->Find(member) : nullptr;
        if (entry != nullptr)
            name = entry->name;
        return entry != nullptr;
    }
    if (m_nLoad == 0 || m_nLoad != loadId || m_nMember != member)
        return false;
    name = std::string_view(m_aText, m_nSize);
    return true;
}

bool PendingReferences::Take(ptrdiff_t member, std::string &name, uint64_t &loadId)
{
    if (InRecord()) {
        Entry *entry = m_pRecord->Find(member);
        if (entry == nullptr)
            return false;
        name = std::move(entry->name);
        loadId = m_pRecord->load;
        std::vector<Entry> &entries = m_pRecord->entries;
        entries.erase(entries.begin() + (entry - entries.data()));
        return true;
    }
    if (m_nLoad == 0 || m_nMember != member)
        return false;
    name.assign(m_aText, m_nSize);
    loadId = m_nLoad;
    m_nLoad = 0;
    return true;
}

void PendingReferences::DeleteRecord()
{
    delete m_pRecord;
    m_pRecord = nullptr;
    m_nSize = 0;
}

} // namespace morvane
