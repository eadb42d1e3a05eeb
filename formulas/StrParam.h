// Morvane formula library.
// A text parameter of a formula: its text and whether it is an expression.
#pragma once

#include "foundation/AttContainer.h"
#include "model/MvItem.h"

#include <string>

/// One text parameter of a formula. Stored as the XML attributes "value" (required) and "type"
/// (written when not 0) of its element; type 0 marks an expression.
class CStrParam : public CAttContainer, public CMvItem
{
public:
    CStrParam();

    /// "CStrParam", base CMvItem, creatable by name.
    static const CRuntimeClass *GetThisClass();
    const CRuntimeClass *GetRuntimeClass() const override { return GetThisClass(); }

    const std::string &GetValue() const { return m_sValue; }
    void SetValue(std::string value) { m_sValue = std::move(value); }
    int GetType() const { return m_eType; }
    void SetType(int type) { m_eType = type; }
    /// Whether the parameter is an expression (type 0).
    bool IsExpression() const { return m_eType == 0; }

private:
    std::string m_sValue;
    int m_eType = 0;
};
