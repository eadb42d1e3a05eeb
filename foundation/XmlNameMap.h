// Morvane foundation library.
// The map of one element name's stored objects by object name, through which references resolve.
#pragma once

#include <string>
#include <unordered_map>

class CAttContainer;

/// Object name -> object, for the objects of one element name ("Pattern", "BasePoint", ...).
using CXmlNameMap = std::unordered_map<std::string, CAttContainer *>;
