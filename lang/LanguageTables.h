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

/// One item of a menu resource, in menu order. Depth 0 is a drop-down menu of the menu bar;
/// an item of depth d belongs to the last item of depth d - 1 before it, which is then a
/// submenu. An item with command id 0 and no text is a separator; one with command id 0 and a
/// text opens a submenu.
struct LanguageMenuItem
{
    uint32_t m_nMenuId;
    uint32_t m_nDepth;
    uint32_t m_nCommandId;
    const char *m_pText;
};

/// One button of a toolbar resource, in order; command id 0 is a separator.
struct LanguageToolbarButton
{
    uint32_t m_nToolbarId;
    uint32_t m_nCommandId;
};

/// Optional: a library without menus or toolbars is a language library still.
inline constexpr const char *kLanguageMenusSymbol = "morvane_language_menus";
inline constexpr const char *kLanguageToolbarsSymbol = "morvane_language_toolbars";

using LanguageMenusFunction = const LanguageMenuItem *(*)(size_t *count);
using LanguageToolbarsFunction = const LanguageToolbarButton *(*)(size_t *count);
