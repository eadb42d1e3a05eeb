// Morvane program documents.
// Obtains grade models by kind: the linked AAMA model, or a plug-in library loaded by name.
#include "app/documents/GradeModelLoader.h"

#include "app/documents/GradeModelKind.h"
#include "app/documents/GradeModelPlugin.h"
#include "model/MorvaneException.h"
#include "sources/aama-model/AamaGradeModelFactory.h"
#include "sources/grade-model/IGradeModel.h"

#include <array>
#include <dlfcn.h>

namespace {

/// One plug-in library: its kind, file, factory and handle (null until loaded).
struct PluginLibrary
{
    int kind;
    const char *fileName;
    const char *factorySymbol;
    void *handle = nullptr;
};

/// In the order FreeGradeModelLibraries frees them.
std::array<PluginLibrary, 3> g_aPlugins = {{
    {GMK_MODEL_FILES, "libwendrake.so", kModelFilesFactorySymbol},
    {GMK_CLIENT_PROGRAM, "libwendrakewrapper.so", kClientProgramFactorySymbol},
    {GMK_MASK_FILES, "libostrel.so", kMaskFilesFactorySymbol},
}};

std::filesystem::path g_oPluginFolder;
bool g_bPluginFolderSet = false;
morvane::SavePathProvider g_fnSavePath;
std::string g_sLoadError;

std::filesystem::path pluginFolder()
{
    if (g_bPluginFolderSet)
        return g_oPluginFolder;
    std::error_code error;
    const auto program = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::filesystem::current_path() : program.parent_path();
}

PluginLibrary *findPlugin(int kind)
{
    for (PluginLibrary &plugin : g_aPlugins)
        if (plugin.kind == kind)
            return &plugin;
    return nullptr;
}

bool isLoaderKind(int kind)
{
    return kind >= GMK_MASK_FILES && kind <= GMK_CLIENT_PROGRAM;
}

bool fail(std::string reason)
{
    g_sLoadError = std::move(reason);
    return false;
}

/// Loads the library when it is not loaded yet; false with the reason when it does not load.
bool loadLibrary(PluginLibrary &plugin)
{
    if (plugin.handle != nullptr)
        return true;
    const std::filesystem::path file = pluginFolder() / plugin.fileName;
    plugin.handle = ::dlopen(file.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (plugin.handle == nullptr)
        return fail(::dlerror());
    return true;
}

bool makeFromPlugin(PluginLibrary &plugin, IGradeModel **model)
{
    if (!loadLibrary(plugin))
        return false;
    const auto factory =
        reinterpret_cast<GradeModelFactoryFunction>(::dlsym(plugin.handle, plugin.factorySymbol));
    if (factory == nullptr)
        return fail(std::string(plugin.fileName) + ": the factory " + plugin.factorySymbol +
                    " is missing");
    *model = factory();
    if (*model == nullptr)
        return fail(std::string(plugin.fileName) + ": the factory made no grade model");
    return true;
}

} // namespace

bool GetGradeModel(int kind, IGradeModel **model)
{
    *model = nullptr;
    g_sLoadError.clear();
    if (kind == GMK_AAMA) {
        *model = CAamaGradeModelFactory::Make(g_fnSavePath);
        return *model != nullptr || fail("the AAMA grade model could not be made");
    }
    PluginLibrary *plugin = findPlugin(kind);
    if (plugin == nullptr)
        return fail("no grade model of kind " + std::to_string(kind) + " is loaded by name");
    return makeFromPlugin(*plugin, model);
}

void ReleaseGradeModel(int kind, IGradeModel *model)
{
    if (model == nullptr || !isLoaderKind(kind))
        return;
    CMorvaneException::HandleCriticalError(model->Release());
}

void CheckGradeModelError(int kind, IGradeModel *model)
{
    ReleaseGradeModel(kind, model);
}

void FreeGradeModelLibraries()
{
    for (PluginLibrary &plugin : g_aPlugins) {
        if (plugin.handle == nullptr)
            continue;
        ::dlclose(plugin.handle);
        plugin.handle = nullptr;
    }
}

const std::string &GetGradeModelLoadError()
{
    return g_sLoadError;
}

void SetGradeModelPluginFolder(const std::filesystem::path &folder)
{
    g_oPluginFolder = folder;
    g_bPluginFolderSet = true;
}

void SetGradeModelSavePathProvider(morvane::SavePathProvider provider)
{
    g_fnSavePath = std::move(provider);
}
