// Morvane model library.
// The formula classes the model can make without knowing them: makers by category and type id,
// and the registry of classes a mask file may name.
#pragma once

#include "model/IBaseFormula.h"

#include <memory>

class CClassRegistry;

/// The object a new formula is attached to; the member of the maker's category is used.
struct FormulaTarget
{
    IRegion *region = nullptr;
    CPattern *pattern = nullptr;
    CBasePoint *point = nullptr;
};

/// Makes a formula of one kind attached to target; context is kept by the formula.
using FormulaMaker = std::unique_ptr<IBaseFormula> (*)(void *context, const FormulaTarget &target);

/// The process-wide table through which the model makes formulas of classes it does not know:
/// each formula kind registers a maker under its attachment category and formula type id
/// (FormulaMakerRegistration beside the class), and the formula library installs the registry
/// of the classes that a mask file may name. Both are filled while the library loads.
class CFormulaFactory
{
public:
    /// Registers maker under (category, type); a second maker for the same pair is ignored.
    static void Register(FORMULA_ATTACH_KIND category, int type, FormulaMaker maker);
    /// Puts maker under (category, type) in place of the maker there (a null maker removes
    /// it); returns the maker it replaced, null when none.
    static FormulaMaker SetMaker(FORMULA_ATTACH_KIND category, int type, FormulaMaker maker);
    /// A new formula of the kind registered under (category, type), attached to target; null
    /// when no kind is registered there.
    static std::unique_ptr<IBaseFormula> Make(FORMULA_ATTACH_KIND category, int type,
                                              void *context, const FormulaTarget &target);

    /// Installs the function that gives the registry of stored formula classes.
    static void SetClassRegistrySource(const CClassRegistry &(*source)());
    /// The registry of the formula classes a mask file may name; an empty one when the formula
    /// library did not install its own.
    static const CClassRegistry &GetClassRegistry();

    /// Installs the function that gives the registry of the old-format formula classes that
    /// masks of versions before 2100 hold.
    static void SetOldClassRegistrySource(const CClassRegistry &(*source)());
    /// The registry of the old-format formula classes; an empty one when none was installed.
    static const CClassRegistry &GetOldClassRegistry();
};

/// Registers a maker while the library loads: a static object beside each formula class.
struct FormulaMakerRegistration
{
    FormulaMakerRegistration(FORMULA_ATTACH_KIND category, int type, FormulaMaker maker)
    {
        CFormulaFactory::Register(category, type, maker);
    }
};
