// Morvane language resources.
// Loads the language library by name at run time and answers its texts by numeric id.
#include "lang/LanguageLibrary.h"

#include "lang/LanguageTables.h"

#include <dlfcn.h>

namespace {

const CLanguageLibrary *g_pCurrent = nullptr;

std::filesystem::path programFolder()
{
    std::error_code error;
    const auto program = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::filesystem::current_path() : program.parent_path();
}

/// Appends the item at its depth below the last items of the menu.
void addMenuItem(std::vector<MenuItem> &menu, const LanguageMenuItem &item)
{
    std::vector<MenuItem> *level = &menu;
    for (uint32_t depth = 0; depth < item.m_nDepth && !level->empty(); ++depth)
        level = &level->back().m_aItems;
    level->push_back({item.m_nCommandId, item.m_pText ? item.m_pText : "", {}});
}

template <class Function, class Row>
const Row *optionalTable(void *handle, const char *symbol, size_t &count)
{
    const auto function = reinterpret_cast<Function>(::dlsym(handle, symbol));
    count = 0;
    return function ? function(&count) : nullptr;
}

} // namespace

const DialogItem *DialogTemplate::FindItem(uint32_t controlId) const
{
    for (const auto &item : m_aItems) {
        if (item.m_nControlId == controlId)
            return &item;
    }
    return nullptr;
}

CLanguageLibrary::~CLanguageLibrary()
{
    FreeLanguageLibrary();
}

std::string CLanguageLibrary::GetLibraryFileName(const std::string &code)
{
    return code.empty() ? "MorvaneLang.so" : "MorvaneLang_" + code + ".so";
}

bool CLanguageLibrary::LoadLanguageLibrary(const std::filesystem::path &folder,
                                           const std::string &code)
{
    FreeLanguageLibrary();
    m_sFailureReason.clear();
    if (!code.empty() && Open(folder / GetLibraryFileName(code)))
        return true;
    return Open(folder / GetLibraryFileName(""));
}

bool CLanguageLibrary::LoadLanguageLibrary(const std::string &code)
{
    return LoadLanguageLibrary(programFolder(), code);
}

bool CLanguageLibrary::Open(const std::filesystem::path &file)
{
    void *handle = ::dlopen(file.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle) {
        m_sFailureReason += ::dlerror() + std::string("\n");
        return false;
    }
    const auto strings = reinterpret_cast<LanguageStringsFunction>(
        ::dlsym(handle, kLanguageStringsSymbol));
    const auto dialogs = reinterpret_cast<LanguageDialogsFunction>(
        ::dlsym(handle, kLanguageDialogsSymbol));
    if (!strings || !dialogs) {
        m_sFailureReason += file.string() + ": not a language library (it has no texts)\n";
        ::dlclose(handle);
        return false;
    }

    size_t count = 0;
    const LanguageString *stringTable = strings(&count);
    for (size_t i = 0; i < count; ++i)
        m_oStrings.emplace(stringTable[i].m_nId, stringTable[i].m_pText);
    const LanguageDialogText *dialogTable = dialogs(&count);
    for (size_t i = 0; i < count; ++i) {
        const LanguageDialogText &text = dialogTable[i];
        DialogTemplate &dialog = m_oDialogs[text.m_nDialogId];
        if (text.m_nControlId == 0)
            dialog.m_sCaption = text.m_pText;
        else
            dialog.m_aItems.push_back({text.m_nControlId, text.m_pText});
    }

    const LanguageImage *imageTable =
        optionalTable<LanguageImagesFunction, LanguageImage>(handle, kLanguageImagesSymbol, count);
    for (size_t i = 0; imageTable != nullptr && i < count; ++i) {
        const LanguageImage &image = imageTable[i];
        m_oImages[image.m_nId] = {std::string(image.m_pData, image.m_nSize), image.m_nHotX,
                                  image.m_nHotY};
    }

    const LanguageMenuItem *menuTable = optionalTable<LanguageMenusFunction, LanguageMenuItem>(
        handle, kLanguageMenusSymbol, count);
    for (size_t i = 0; menuTable != nullptr && i < count; ++i)
        addMenuItem(m_oMenus[menuTable[i].m_nMenuId], menuTable[i]);
    const LanguageToolbarButton *toolbarTable =
        optionalTable<LanguageToolbarsFunction, LanguageToolbarButton>(
            handle, kLanguageToolbarsSymbol, count);
    for (size_t i = 0; toolbarTable != nullptr && i < count; ++i)
        m_oToolbars[toolbarTable[i].m_nToolbarId].push_back(toolbarTable[i].m_nCommandId);

    m_pHandle = handle;
    m_oLoadedFile = file;
    g_pCurrent = this;
    return true;
}

bool CLanguageLibrary::FreeLanguageLibrary()
{
    if (!m_pHandle)
        return false;
    ::dlclose(m_pHandle);
    m_pHandle = nullptr;
    m_oLoadedFile.clear();
    m_oStrings.clear();
    m_oDialogs.clear();
    m_oImages.clear();
    m_oMenus.clear();
    m_oToolbars.clear();
    if (g_pCurrent == this)
        g_pCurrent = nullptr;
    return true;
}

std::string CLanguageLibrary::GetString(uint32_t id) const
{
    const auto found = m_oStrings.find(id);
    return found == m_oStrings.end() ? std::string() : found->second;
}

DialogTemplate CLanguageLibrary::GetDialog(uint32_t id) const
{
    const auto found = m_oDialogs.find(id);
    return found == m_oDialogs.end() ? DialogTemplate() : found->second;
}

const LanguageImageData *CLanguageLibrary::GetImage(uint32_t id) const
{
    const auto found = m_oImages.find(id);
    return found == m_oImages.end() ? nullptr : &found->second;
}

std::vector<MenuItem> CLanguageLibrary::GetMenu(uint32_t id) const
{
    const auto found = m_oMenus.find(id);
    return found == m_oMenus.end() ? std::vector<MenuItem>() : found->second;
}

std::vector<uint32_t> CLanguageLibrary::GetToolbar(uint32_t id) const
{
    const auto found = m_oToolbars.find(id);
    return found == m_oToolbars.end() ? std::vector<uint32_t>() : found->second;
}

const CLanguageLibrary *CLanguageLibrary::GetCurrent()
{
    return g_pCurrent;
}
