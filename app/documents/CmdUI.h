// Morvane program documents.
// The state of one menu command as its update handler decides it: enabled, checked, its text.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

/// The record that a command's update handler fills; the window applies it to the command's
/// menu item and toolbar button. What a handler leaves alone keeps its default: enabled,
/// unchecked, the text of the menu.
class CCmdUI
{
public:
    explicit CCmdUI(uint32_t id) : m_nID(id) {}

    void Enable(bool enabled = true) { m_bEnabled = enabled; }
    /// 0 unchecked, 1 checked.
    void SetCheck(int check = 1) { m_nCheck = check; }
    /// A radio item: checked or not (shown as a dot in a group).
    void SetRadio(bool on = true)
    {
        m_nCheck = on ? 1 : 0;
        m_bRadio = true;
    }
    void SetText(const std::string &text) { m_sText = text; }

    uint32_t GetID() const { return m_nID; }
    bool IsEnabled() const { return m_bEnabled; }
    int GetCheck() const { return m_nCheck; }
    /// Whether a handler set the check (an item that never was is not checkable).
    bool IsCheckSet() const { return m_nCheck >= 0; }
    bool IsRadio() const { return m_bRadio; }
    const std::optional<std::string> &GetText() const { return m_sText; }

private:
    uint32_t m_nID;
    bool m_bEnabled = true;
    int m_nCheck = -1;
    bool m_bRadio = false;
    std::optional<std::string> m_sText;
};
