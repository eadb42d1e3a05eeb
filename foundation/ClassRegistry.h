// Morvane foundation library.
// A registry of runtime classes by id, class name and stored element name.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

class CRuntimeClass;

/// Runtime classes that a stored collection (or the formula registry) can create, each under a
/// numeric id and an element name, in the order of registration. Names compare exactly.
class CClassRegistry
{
public:
    virtual ~CClassRegistry() = default;

    /// Registers cls (which must outlive the registry) under id and elementName. Refused,
    /// returning false with nothing changed, when the id, the class's name or the element name
    /// is already registered.
    bool Register(uint32_t id, const CRuntimeClass *cls, std::string_view elementName);

    /// The number of registered classes.
    int GetCount() const;
    /// The id, class and element name of the index-th registration (index must be in range).
    uint32_t GetIdAt(int index) const;
    const CRuntimeClass *GetClassAt(int index) const;
    std::string GetElementNameAt(int index) const;

    /// The class registered under id; null when none.
    const CRuntimeClass *GetClassById(uint32_t id) const;
    /// The element name registered under id; empty when none.
    std::string GetElementNameById(uint32_t id) const;
    /// The id of the class of this name; false, leaving id unchanged, when none.
    bool FindIdByClassName(std::string_view className, uint32_t &id) const;
    /// The id registered under this element name; false, leaving id unchanged, when none.
    bool FindIdByElementName(std::string_view elementName, uint32_t &id) const;

private:
    std::vector<uint32_t> m_aOrder;
    std::unordered_map<uint32_t, const CRuntimeClass *> m_oClasses;
    std::unordered_map<uint32_t, std::string> m_oElementNames;
    std::map<std::string, uint32_t, std::less<>> m_oIdsByClassName;
    std::map<std::string, uint32_t, std::less<>> m_oIdsByElementName;
};
