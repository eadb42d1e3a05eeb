// Morvane foundation library.
// The map of one element name's stored objects by object name, through which references resolve.
#pragma once

#include <memory_resource>
#include <string>
#include <unordered_map>

class CAttContainer;

/// Object name -> object, for the objects of one element name ("Pattern", "BasePoint", ...).
/// The maps of an archive take their memory from the archive, which keeps the entries of a
/// document close together.
using CXmlNameMap = std::pmr::unordered_map<std::string, CAttContainer *>;
