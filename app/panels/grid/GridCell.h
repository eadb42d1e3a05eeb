// Morvane panels and grids.
// The ordinary cell of a grid: a text edited in an edit field, with its own attributes.
#pragma once

#include "app/panels/grid/GridCellBase.h"

/// The ordinary cell: text, image, user value, format, colours and margin of its own (each at
/// its default value until set), edited in place with a line edit aligned as the text.
class CGridCell : public CGridCellBase
{
public:
    CGridCell() = default;

    void SetText(const std::string &text) override { m_sText = text; }
    void SetImage(int image) override { m_nImage = image; }
    void SetData(uintptr_t data) override { m_nData = data; }
    void SetFormat(uint32_t format) override { m_nFormat = format; }
    void SetTextColour(uint32_t colour) override { m_crText = colour; }
    void SetBackColour(uint32_t colour) override { m_crBack = colour; }
    void SetMargin(uint32_t margin) override { m_nMargin = margin; }
    void SetGrid(CGridCtrl *grid) override { m_pGrid = grid; }

    std::string GetText() const override { return m_sText; }
    int GetImage() const override { return m_nImage; }
    uintptr_t GetData() const override { return m_nData; }
    /// The own format, or the default cell's when it has none.
    uint32_t GetFormat() const override;
    uint32_t GetTextColour() const override { return m_crText; }
    uint32_t GetBackColour() const override { return m_crBack; }
    /// The own margin, or the default cell's when it has none.
    uint32_t GetMargin() const override;
    CGridCtrl *GetGrid() const override { return m_pGrid; }

    bool HasEditor() const override { return true; }
    QWidget *CreateEditor(QWidget *parent) const override;
    void SetEditorText(QWidget *editor, const std::string &text) const override;
    std::string GetEditorText(const QWidget *editor) const override;

private:
    std::string m_sText;
    int m_nImage = -1;
    uintptr_t m_nData = 0;
    uint32_t m_nFormat = 0xFFFFFFFF;
    uint32_t m_crText = kDefaultColour;
    uint32_t m_crBack = kDefaultColour;
    uint32_t m_nMargin = 0xFFFFFFFF;
    CGridCtrl *m_pGrid = nullptr;
};
