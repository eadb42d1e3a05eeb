// Morvane panels and grids.
// The ordinary cell of a grid: a text edited in an edit field, with its own attributes.
#include "app/panels/grid/GridCell.h"

#include "app/panels/grid/GridDefaultCell.h"
#include "app/panels/grid/GridFormat.h"

#include <QLineEdit>

uint32_t CGridCell::GetFormat() const
{
    if (m_nFormat != kDefaultFormat)
        return m_nFormat;
    const CGridDefaultCell *defaults = FindDefaultCell();
    return defaults ? defaults->GetFormat() : 0;
}

uint32_t CGridCell::GetMargin() const
{
    if (m_nMargin != 0xFFFFFFFF)
        return m_nMargin;
    const CGridDefaultCell *defaults = FindDefaultCell();
    return defaults ? defaults->GetMargin() : 0;
}

QWidget *CGridCell::CreateEditor(QWidget *parent) const
{
    auto *editor = new QLineEdit(parent);
    editor->setAlignment(Qt::Alignment(qtTextFlags(GetFormat()) & Qt::AlignHorizontal_Mask) |
                         Qt::AlignVCenter);
    editor->setFrame(false);
    return editor;
}

void CGridCell::SetEditorText(QWidget *editor, const std::string &text) const
{
    static_cast<QLineEdit *>(editor)->setText(QString::fromStdString(text));
}

std::string CGridCell::GetEditorText(const QWidget *editor) const
{
    return static_cast<const QLineEdit *>(editor)->text().toStdString();
}
