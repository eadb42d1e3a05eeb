// Morvane foundation library.
// Name lookups over a list of names, unique names, and the string array that offers both.
#include "foundation/NameRegistry.h"

#include "foundation/NameCompare.h"
#include "foundation/TextFormat.h"

#include <cassert>

int CNameRegistry::FindAll(std::string_view name, bool caseSensitive, std::vector<int> &out) const
{
    for (int i = 0; i < m_pSource->GetCount(); ++i) {
        if (IsMatchAt(i, name, caseSensitive))
            out.push_back(i);
    }
    return static_cast<int>(out.size());
}

int CNameRegistry::FindName(std::string_view name, bool caseSensitive) const
{
    return FindNext(name, caseSensitive, -1);
}

int CNameRegistry::FindNext(std::string_view name, bool caseSensitive, int after) const
{
    for (int i = after + 1; i < m_pSource->GetCount(); ++i) {
        if (IsMatchAt(i, name, caseSensitive))
            return i;
    }
    return -1;
}

int CNameRegistry::GetAllNames(std::vector<std::string> &out) const
{
    const int count = m_pSource->GetCount();
    out.resize(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i)
        m_pSource->GetAt(out[static_cast<size_t>(i)], i);
    return count;
}

int CNameRegistry::GetNames(const std::vector<int> &indexes, std::vector<std::string> &out) const
{
    out.resize(indexes.size());
    for (size_t i = 0; i < indexes.size(); ++i) {
        assert(indexes[i] >= 0 && indexes[i] < m_pSource->GetCount() && "name index out of range");
        m_pSource->GetAt(out[i], indexes[i]);
    }
    return static_cast<int>(out.size());
}

std::string CNameRegistry::MakeUniqueName(std::string_view base, int &counter,
                                          bool caseSensitive) const
{
    const std::string baseText(base);
    std::string candidate = baseText;
    if (counter >= 0)
        candidate = morvane::format("%s%d", baseText.c_str(), counter);
    else
        counter = 1;
    while (FindName(candidate, caseSensitive) >= 0) {
        candidate = morvane::format("%s%d", baseText.c_str(), counter);
        ++counter;
    }
    return candidate;
}

bool CNameRegistry::IsMatchAt(int i, std::string_view name, bool caseSensitive) const
{
    if (!m_pSource->IsValid(i))
        return false;
    std::string entry;
    m_pSource->GetAt(entry, i);
    return caseSensitive ? entry == name : morvane::equalsNoCase(entry, name);
}

CNameArray &CNameArray::operator=(const CNameArray &other)
{
    std::vector<std::string>::operator=(other);
    return *this;
}

int CNameArray::GetCount() const
{
    return static_cast<int>(size());
}

void CNameArray::GetAt(std::string &out, int i) const
{
    out = at(static_cast<size_t>(i));
}

bool CNameArray::IsValid(int) const
{
    return true;
}

int CNameArray::FindName(std::string_view name, bool caseSensitive) const
{
    return m_oRegistry.FindName(name, caseSensitive);
}

void CNameArray::Merge(const std::vector<std::string> &other, bool caseSensitive)
{
    const std::vector<std::string> toMerge = other;
    for (const auto &name : toMerge) {
        if (FindName(name, caseSensitive) < 0)
            push_back(name);
    }
}
