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

    const auto images = reinterpret_cast<LanguageImagesFunction>(
        ::dlsym(handle, kLanguageImagesSymbol));
    const LanguageImage *imageTable = images ? images(&count) : nullptr;
    for (size_t i = 0; imageTable != nullptr && i < count; ++i) {
        const LanguageImage &image = imageTable[i];
        m_oImages[image.m_nId] = {std::string(image.m_pData, image.m_nSize), image.m_nHotX,
                                  image.m_nHotY};
    }

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

const CLanguageLibrary *CLanguageLibrary::GetCurrent()
{
    return g_pCurrent;
}
