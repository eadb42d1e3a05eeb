// Morvane panels and grids.
// A cell edited by choosing among texts, with or without typing a text of its own.
#include "app/panels/grid/GridCellCombo.h"

#include <QComboBox>

QWidget *CGridCellCombo::CreateEditor(QWidget *parent) const
{
    auto *editor = new QComboBox(parent);
    editor->setEditable(m_nStyle != CBS_DROPDOWNLIST);
    for (const auto &option : m_aOptions)
        editor->addItem(QString::fromStdString(option));
    return editor;
}

void CGridCellCombo::SetEditorText(QWidget *editor, const std::string &text) const
{
    auto *combo = static_cast<QComboBox *>(editor);
    const int found = combo->findText(QString::fromStdString(text),
                                      Qt::MatchStartsWith);
    if (found >= 0)
        combo->setCurrentIndex(found);
    else if (combo->isEditable())
        combo->setEditText(QString::fromStdString(text));
    else
        combo->setCurrentIndex(-1);
}

std::string CGridCellCombo::GetEditorText(const QWidget *editor) const
{
    return static_cast<const QComboBox *>(editor)->currentText().toStdString();
}
