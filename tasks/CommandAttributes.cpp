// Morvane command, task and undo engine.
// The variable store of one task, seeing the variables of the tasks around it.
#include "tasks/CommandAttributes.h"

#include "foundation/NumberText.h"
#include "foundation/TextFormat.h"
#include "tasks/Task.h"

#include <cinttypes>
#include <cstdint>

#include <charconv>

using namespace morvane;

int CCommandAttributes::AddVariable(std::string_view name, std::string_view initialValue,
                                    int visibility)
{
    m_oVariables.push_back({std::string(name), std::string(initialValue), visibility});
    return static_cast<int>(m_oVariables.size()) - 1;
}

bool CCommandAttributes::SetInteger(std::string_view name, int value)
{
    return SetText(name, format("%d", value));
}

bool CCommandAttributes::SetDouble(std::string_view name, double value)
{
    return SetText(name, format("%f", value));
}

bool CCommandAttributes::SetNumber(std::string_view name, int value)
{
    return SetInteger(name, value);
}

bool CCommandAttributes::SetText(std::string_view name, std::string_view text)
{
    CCommandAttributes *declaringStore = nullptr;
    CTaskVariable *variable = find<CCommandAttributes, CTaskVariable>(this, name, &declaringStore);
    if (!variable)
        return false;
    if (declaringStore != this && variable->m_nVisibility != kVisibleWritable)
        return false;
    variable->m_sValue = text;
    return true;
}

void CCommandAttributes::GetInteger(std::string_view name, int *out) const
{
    const std::string *text = FindText(name);
    *out = text ? parseInt(*text) : 0;
}

void CCommandAttributes::GetDouble(std::string_view name, double *out) const
{
    const std::string *text = FindText(name);
    *out = text ? parseDouble(*text) : 0.0;
}

void CCommandAttributes::GetNumber(std::string_view name, int *out) const
{
    GetInteger(name, out);
}

void CCommandAttributes::GetText(std::string_view name, std::string *out) const
{
    const std::string *text = FindText(name);
    *out = text ? *text : std::string();
}

bool CCommandAttributes::SetPointer(std::string_view name, const void *pointer)
{
    return SetText(name, format("%" PRIuPTR, reinterpret_cast<uintptr_t>(pointer)));
}

void CCommandAttributes::GetPointer(std::string_view name, void **out) const
{
    *out = nullptr;
    const std::string *text = FindText(name);
    if (!text)
        return;
    uintptr_t address = 0;
    const char *end = text->data() + text->size();
    const auto [rest, error] = std::from_chars(text->data(), end, address);
    if (error == std::errc() && rest == end)
        *out = reinterpret_cast<void *>(address);
}

const std::string *CCommandAttributes::FindText(std::string_view name) const
{
    const CCommandAttributes *declaringStore = nullptr;
    const CTaskVariable *variable =
        find<const CCommandAttributes, const CTaskVariable>(this, name, &declaringStore);
    return variable ? &variable->m_sValue : nullptr;
}

CCommandAttributes *CCommandAttributes::parentStore()
{
    CTask *parent = m_pOwnerTask ? m_pOwnerTask->GetOwnerTask() : nullptr;
    return parent ? &parent->GetVariableStore() : nullptr;
}

const CCommandAttributes *CCommandAttributes::parentStore() const
{
    const CTask *parent = m_pOwnerTask ? m_pOwnerTask->GetOwnerTask() : nullptr;
    return parent ? &parent->GetVariableStore() : nullptr;
}

template <class Store, class Variable>
Variable *CCommandAttributes::find(Store *start, std::string_view name, Store **declaringStore)
{
    for (Store *store = start; store; store = store->parentStore()) {
        for (Variable &variable : store->m_oVariables) {
            if (variable.m_sName != name)
                continue;
            if (store != start && variable.m_nVisibility == kPrivate)
                continue;
            *declaringStore = store;
            return &variable;
        }
    }
    return nullptr;
}
