// Morvane foundation library.
// The map of one element name's stored objects by object name, through which references resolve.
#pragma once

#include <cstddef>
#include <memory_resource>
#include <string>
#include <string_view>
#include <unordered_map>

class CAttContainer;

namespace morvane {

/// The hash of an object name. A generated name ("0", "1", ...) hashes to its number, so that
/// consecutive numbers take consecutive buckets and a document's entries are reached in order;
/// any other name takes the standard string hash.
struct XmlNameHash
{
    size_t operator()(std::string_view name) const noexcept;
};

} // namespace morvane

/// Object name -> object, for the objects of one element name ("Pattern", "BasePoint", ...).
/// The maps of an archive take their memory from the archive, which keeps the entries of a
/// document close together; so neither a map nor its contents moved elsewhere outlive the archive.
using CXmlNameMap = std::pmr::unordered_map<std::string, CAttContainer *, morvane::XmlNameHash>;
