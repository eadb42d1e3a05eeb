// Morvane foundation library.
// The names that an object's shared references read in a load, kept until they are resolved.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace morvane {

/// The names that an object's shared references read in one load, each by the member it was
/// read for (the member's place in bytes from the object's container), until they are
/// resolved. Every stored object holds one, so the usual case, one short name of a load whose
/// number fits 32 bits, is kept in place in 16 bytes; anything else goes to a record of its own.
class PendingReferences
{
public:
    PendingReferences() = default;
    ~PendingReferences() { Clear(); }
    PendingReferences(const PendingReferences &) = delete;
    PendingReferences &operator=(const PendingReferences &) = delete;

    /// Keeps name as read for the member by load loadId, dropping the names of any other load.
    void Add(uint64_t loadId, ptrdiff_t member, std::string_view name);
    /// The name read for the member by load loadId, valid until the next change; false when
    /// there is none.
    bool Find(uint64_t loadId, ptrdiff_t member, std::string_view &name) const;
    /// Takes out the name read for the member, with the load that read it; false when there is
    /// none.
    bool Take(ptrdiff_t member, std::string &name, uint64_t &loadId);
    /// Drops every name. In line: every stored object does it after its references resolve.
    void Clear()
    {
        if (InRecord())
            DeleteRecord();
        m_nLoad = 0;
    }

private:
    struct Entry
    {
        ptrdiff_t member;
        std::string name;
    };
    struct Record
    {
        uint64_t load;
        std::vector<Entry> entries;

        // The entry of the member; null when there is none.
        Entry *Find(ptrdiff_t member)
        {
            for (Entry &entry : entries) {
                if (entry.member == member)
                    return &entry;
            }
            return nullptr;
        }
    };

    // The longest name kept in place.
    static constexpr size_t kPlace = 8;
    // m_nSize while the names are in m_pRecord.
    static constexpr uint8_t kInRecord = 0xff;

    static bool FitsInPlace(uint64_t loadId, ptrdiff_t member, size_t size);
    bool InRecord() const { return m_nSize == kInRecord; }
    // Moves the name in place, if it is of load loadId, to a new record of that load.
    void MoveToRecord(uint64_t loadId);
    void DeleteRecord();

    union {
        // The name in place.
        char m_aText[kPlace];
        Record *m_pRecord = nullptr;
    };
    // The load that read the name in place; 0 when there is none.
    uint32_t m_nLoad = 0;
    int16_t m_nMember = 0;
    uint8_t m_nSize = 0;
};

} // namespace morvane
