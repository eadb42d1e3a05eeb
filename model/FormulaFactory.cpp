// Morvane model library.
// The formula classes the model can make without knowing them: makers by category and type id,
// and the registry of classes a mask file may name.
#include "model/FormulaFactory.h"

#include "foundation/ClassRegistry.h"

#include <map>
#include <utility>

namespace {

using MakerKey = std::pair<int, int>;

// Function-local, so that registrations from other files' static objects find it built.
std::map<MakerKey, FormulaMaker> &makers()
{
    static std::map<MakerKey, FormulaMaker> table;
    return table;
}

const CClassRegistry &(*g_classRegistrySource)() = nullptr;
const CClassRegistry &(*g_oldClassRegistrySource)() = nullptr;

const CClassRegistry &registryOf(const CClassRegistry &(*source)())
{
    if (source != nullptr)
        return source();
    static const CClassRegistry empty;
    return empty;
}

} // namespace

void CFormulaFactory::Register(FORMULA_ATTACH_KIND category, int type, FormulaMaker maker)
{
    makers().emplace(MakerKey(category, type), maker);
}

FormulaMaker CFormulaFactory::SetMaker(FORMULA_ATTACH_KIND category, int type, FormulaMaker maker)
{
    const MakerKey key(category, type);
    const auto found = makers().find(key);
    const FormulaMaker previous = found != makers().end() ? found->second : nullptr;
    if (maker == nullptr)
        makers().erase(key);
    else
        makers()[key] = maker;
    return previous;
}

std::unique_ptr<IBaseFormula> CFormulaFactory::Make(FORMULA_ATTACH_KIND category, int type,
                                                    void *context, const FormulaTarget &target)
{
    const auto found = makers().find(MakerKey(category, type));
    if (found == makers().end())
        return nullptr;
    return found->second(context, target);
}

void CFormulaFactory::SetClassRegistrySource(const CClassRegistry &(*source)())
{
    g_classRegistrySource = source;
}

const CClassRegistry &CFormulaFactory::GetClassRegistry()
{
    return registryOf(g_classRegistrySource);
}

void CFormulaFactory::SetOldClassRegistrySource(const CClassRegistry &(*source)())
{
    g_oldClassRegistrySource = source;
}

const CClassRegistry &CFormulaFactory::GetOldClassRegistry()
{
    return registryOf(g_oldClassRegistrySource);
}
