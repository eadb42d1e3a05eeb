// Morvane foundation library.
// The map of one element name's stored objects by object name, through which references resolve.
#pragma once

#include <cstddef>
#include <memory_resource>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

class CAttContainer;

namespace morvane {

/// The hash of an object name. A generated name ("0", "1", ...) hashes to its number, so that
/// consecutive numbers take consecutive buckets and a document's entries are reached in order;
/// any other name takes the standard string hash.
struct XmlNameHash
{
    using is_transparent = void;
    size_t operator()(std::string_view name) const noexcept;
};

} // namespace morvane

/// Object name -> object, for the objects of one element name ("Pattern", "BasePoint", ...).
/// The maps of an archive take their memory from the archive, which keeps the entries of a
/// document close together; so neither a map nor its contents moved elsewhere outlive the archive.
///
/// Generated names ("0", "1", ... in the order the objects are named) are kept in a table by
/// number, which costs a name neither a copy nor a hash; any other name (and a number written
/// with leading zeros, or beyond the numbers so far until the table reaches it) is kept in a hash
/// map.
class CXmlNameMap
{
public:
    explicit CXmlNameMap(std::pmr::memory_resource *memory);

    /// Enters object (not null) under name, replacing an object of the same name.
    void Assign(std::string_view name, CAttContainer *object);
    /// The object entered under name; null when none.
    CAttContainer *Find(std::string_view name) const;
    /// Takes out every entry of object.
    void Erase(const CAttContainer *object);
    /// The number of entries.
    size_t GetCount() const { return m_nNumbered + m_oNamed.size(); }
    /// Makes room for count more entries under generated names. The room at least doubles
    /// when it grows, so that the many collections that may share the map, each making room
    /// for its own elements, do not move the entries each time.
    void ReserveNumbers(size_t count);
    /// The same for entries under other names.
    void ReserveNames(size_t count);

private:
    // By number; a null slot holds no entry.
    std::pmr::vector<CAttContainer *> m_aByNumber;
    size_t m_nNumbered = 0;
    std::pmr::unordered_map<std::string, CAttContainer *, morvane::XmlNameHash, std::equal_to<>>
        m_oNamed;
};
