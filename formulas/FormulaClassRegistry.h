// Morvane formula library.
// The registry of formula classes: row index, stored element name and runtime class.
#pragma once

#include "foundation/ClassRegistry.h"

#include <cstdint>
#include <memory>
#include <string_view>

class CBaseFormula;

/// The formula classes by registry index (0 to 37, 24 unused), each with its element name (the
/// class name without its leading "C") and runtime class. The table of rows is fixed; a row
/// whose class is not part of the program is left out, so it creates nothing. The grade mask
/// offers the registered classes to its "Formulas" collection.
class CFormulaClassRegistry : public CClassRegistry
{
public:
    /// The one registry, built on first use (after every runtime class is registered).
    static const CFormulaClassRegistry &Get();

    /// A new formula of the class of row index; null for an unused or absent row.
    std::unique_ptr<CBaseFormula> CreateByIndex(uint32_t index) const;
    /// A new formula of the registered class of that name; null when none.
    std::unique_ptr<CBaseFormula> CreateByClassName(std::string_view className) const;

private:
    CFormulaClassRegistry();
};
