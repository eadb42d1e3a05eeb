// Morvane language resources.
// The tables that a language library exports and the program reads, one text per numeric id.
#pragma once

#include <cstddef>
#include <cstdint>

/// One string resource: its id and its UTF-8 text.
struct LanguageString
{
    uint32_t m_nId;
    const char *m_pText;
};

/// One text of a dialog: its caption (control id 0) or the label of one of its controls. A
/// choice list gives its label and then its choices, each on a line of its own.
struct LanguageDialogText
{
    uint32_t m_nDialogId;
    uint32_t m_nControlId;
    const char *m_pText;
};

/// One image resource: its id, the bytes of its image file (its format told by its header:
/// XPM, PNG ...) and, for a cursor, the hot spot in pixels from the top left.
struct LanguageImage
{
    uint32_t m_nId;
    const char *m_pData;
    size_t m_nSize;
    int m_nHotX;
    int m_nHotY;
};

/// The names under which a language library exports its tables.
inline constexpr const char *kLanguageStringsSymbol = "morvane_language_strings";
inline constexpr const char *kLanguageDialogsSymbol = "morvane_language_dialogs";
/// Optional: a library without images is a language library still.
inline constexpr const char *kLanguageImagesSymbol = "morvane_language_images";

/// The signature of the exports: the table and, through count, its length.
using LanguageStringsFunction = const LanguageString *(*)(size_t *count);
using LanguageDialogsFunction = const LanguageDialogText *(*)(size_t *count);
using LanguageImagesFunction = const LanguageImage *(*)(size_t *count);
