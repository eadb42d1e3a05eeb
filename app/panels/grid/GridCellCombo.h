// Morvane panels and grids.
// A cell edited by choosing among texts, with or without typing a text of its own.
#pragma once

#include "app/panels/grid/GridCell.h"

#include <vector>

/// The combo-box styles of a choice cell.
inline constexpr uint32_t CBS_DROPDOWN = 2;
inline constexpr uint32_t CBS_DROPDOWNLIST = 3;

/// A cell edited with a combo box of its choices: CBS_DROPDOWN also takes typed text,
/// CBS_DROPDOWNLIST only the choices. The editor opens on the first choice that begins with the
/// cell's text (ignoring case), else on the text itself.
class CGridCellCombo : public CGridCell
{
public:
    void SetOptions(const std::vector<std::string> &options) { m_aOptions = options; }
    const std::vector<std::string> &GetOptions() const { return m_aOptions; }
    void SetStyle(uint32_t style) { m_nStyle = style; }
    uint32_t GetStyle() const { return m_nStyle; }

    QWidget *CreateEditor(QWidget *parent) const override;
    void SetEditorText(QWidget *editor, const std::string &text) const override;
    std::string GetEditorText(const QWidget *editor) const override;

private:
    std::vector<std::string> m_aOptions;
    uint32_t m_nStyle = CBS_DROPDOWN;
};
