// Morvane language resources.
// Loads the language library by name at run time and answers its texts by numeric id.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <unordered_map>
#include <vector>

/// One control of a dialog as the language library describes it.
struct DialogItem
{
    uint32_t m_nControlId = 0;
    /// The label; for a choice list the label and then its choices, one per line.
    std::string m_sText;
};

/// The texts of one dialog: its caption and its controls, in the library's order.
struct DialogTemplate
{
    std::string m_sCaption;
    std::vector<DialogItem> m_aItems;

    /// The item of the control; null when the dialog has no such control.
    const DialogItem *FindItem(uint32_t controlId) const;
};

/// One item of a menu: a command, a separator (command id 0, no text) or a submenu (command id
/// 0 with a text, its items in m_aItems).
struct MenuItem
{
    uint32_t m_nCommandId = 0;
    std::string m_sText;
    std::vector<MenuItem> m_aItems;

    bool IsSeparator() const { return m_nCommandId == 0 && m_sText.empty(); }
};

/// An image of the language library: the bytes of its image file and a cursor's hot spot.
struct LanguageImageData
{
    std::string m_sData;
    int m_nHotX = 0;
    int m_nHotY = 0;
};

/// The program's language library, "MorvaneLang" or "MorvaneLang_<code>", a shared library that
/// holds every text the user sees by numeric id. While one is loaded it is the program's
/// current resource library (GetCurrent()).
class CLanguageLibrary
{
public:
    /// The message the program shows when no language library loads.
    static constexpr const char *kLoadFailedMessage = "Failed to load language resources!";

    CLanguageLibrary() = default;
    ~CLanguageLibrary();
    CLanguageLibrary(const CLanguageLibrary &) = delete;
    CLanguageLibrary &operator=(const CLanguageLibrary &) = delete;

    /// The file name of the library for a language code: "MorvaneLang_<code>.so", or
    /// "MorvaneLang.so" for an empty code.
    static std::string GetLibraryFileName(const std::string &code);

    /// Loads the library of the code from folder; when the code is empty or its library does
    /// not load, the library without a code, silently. Returns false when neither loads (or the
    /// one found has no texts); GetFailureReason() then says why for each file tried, and the
    /// caller shows kLoadFailedMessage. A library loaded before is freed first.
    bool LoadLanguageLibrary(const std::filesystem::path &folder, const std::string &code);
    /// LoadLanguageLibrary() from the folder of the running program.
    bool LoadLanguageLibrary(const std::string &code);
    /// Frees the library; false, doing nothing, when none is loaded.
    bool FreeLanguageLibrary();

    bool IsLoaded() const { return m_pHandle != nullptr; }
    /// The file of the loaded library; empty when none is loaded.
    const std::filesystem::path &GetLoadedFile() const { return m_oLoadedFile; }
    /// Why the last load failed: one line per file tried.
    const std::string &GetFailureReason() const { return m_sFailureReason; }

    /// The text of the string resource; empty when the library has none of that id.
    std::string GetString(uint32_t id) const;
    /// The texts of the dialog; an empty template when the library has none of that id.
    DialogTemplate GetDialog(uint32_t id) const;
    /// The image of that id; null when the library has none.
    const LanguageImageData *GetImage(uint32_t id) const;
    /// The drop-down menus of the menu resource, in order; empty when the library has none of
    /// that id.
    std::vector<MenuItem> GetMenu(uint32_t id) const;
    /// The command ids of the toolbar's buttons, 0 for a separator; empty when the library has
    /// none of that id.
    std::vector<uint32_t> GetToolbar(uint32_t id) const;

    /// The library loaded last and not freed since, or null.
    static const CLanguageLibrary *GetCurrent();

private:
    bool Open(const std::filesystem::path &file);

    void *m_pHandle = nullptr;
    std::filesystem::path m_oLoadedFile;
    std::string m_sFailureReason;
    std::unordered_map<uint32_t, std::string> m_oStrings;
    std::unordered_map<uint32_t, DialogTemplate> m_oDialogs;
    std::unordered_map<uint32_t, LanguageImageData> m_oImages;
    std::unordered_map<uint32_t, std::vector<MenuItem>> m_oMenus;
    std::unordered_map<uint32_t, std::vector<uint32_t>> m_oToolbars;
};
