// Morvane command, task and undo engine.
// The variable store of one task, seeing the variables of the tasks around it.
#pragma once

#include <string>
#include <vector>

#include "tasks/ICommandAttributes.h"

class CTask;
class CCommandAttributes;

/// One task variable: its text and who may see and write it.
struct CTaskVariable
{
    std::string m_sName;
    std::string m_sValue;
    int m_nVisibility = morvane::kVisibleReadOnly;
};

/// The variables a task declares, in order of declaration. Reads and writes act on what the
/// owner task can see: its own variables first, then those of its parent and so on, skipping
/// ancestors' private variables.
class CCommandAttributes : public ICommandAttributes
{
public:
    /// An empty store of the given task (null: a store that sees no other).
    explicit CCommandAttributes(CTask *owner) : m_pOwnerTask(owner) {}

    int AddVariable(std::string_view name, std::string_view initialValue,
                    int visibility) override;
    bool SetInteger(std::string_view name, int value) override;
    bool SetDouble(std::string_view name, double value) override;
    bool SetNumber(std::string_view name, int value) override;
    bool SetText(std::string_view name, std::string_view text) override;
    void GetInteger(std::string_view name, int *out) const override;
    void GetDouble(std::string_view name, double *out) const override;
    void GetNumber(std::string_view name, int *out) const override;
    void GetText(std::string_view name, std::string *out) const override;
    bool SetPointer(std::string_view name, const void *pointer) override;
    void GetPointer(std::string_view name, void **out) const override;

    /// The text of the variable found by name, or null when none is visible.
    const std::string *FindText(std::string_view name) const;
    /// The variables declared here, in order.
    const std::vector<CTaskVariable> &GetVariables() const { return m_oVariables; }

private:
    CCommandAttributes *parentStore();
    const CCommandAttributes *parentStore() const;
    /// Finds the variable visible to the task of `start`; sets `declaringStore` to the store
    /// that declared it. Serves the const and the writing paths alike.
    template <class Store, class Variable>
    static Variable *find(Store *start, std::string_view name, Store **declaringStore);

    std::vector<CTaskVariable> m_oVariables;
    CTask *m_pOwnerTask = nullptr;
};
