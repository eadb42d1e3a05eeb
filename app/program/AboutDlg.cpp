// Morvane program.
// The about box: the program's version.
#include "app/program/AboutDlg.h"

#include "app/extras/ModuleVersion.h"
#include "lang/LanguageLibrary.h"
#include "lang/ResourceText.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>

CAboutDlg::CAboutDlg(QWidget *parent) : QDialog(parent)
{
    const CLanguageLibrary *language = CLanguageLibrary::GetCurrent();
    const DialogTemplate dialog = language ? language->GetDialog(kDialogId) : DialogTemplate();
    setWindowTitle(QString::fromStdString(dialog.m_sCaption));

    CModuleVersion version;
    version.LoadFromModule();
    const std::string number = version.GetString("FileVersion").value_or("").substr(0, 100);
    const DialogItem *item = dialog.FindItem(kVersionControl);
    auto *label = new QLabel(
        QString::fromStdString(morvane::fillArguments(item ? item->m_sText : "%1", {number})),
        this);
    label->setObjectName(QString::number(kVersionControl));

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(buttons);
}

CAboutDlg::~CAboutDlg() = default;

QString CAboutDlg::GetVersionText() const
{
    const auto *label = findChild<QLabel *>(QString::number(kVersionControl));
    return label ? label->text() : QString();
}
