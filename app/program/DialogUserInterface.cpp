// Morvane program.
// The windows the documents and commands open: Qt's file dialogs, message boxes, the options
// dialog and image windows.
#include "app/program/DialogUserInterface.h"

#include "app/program/MessageBoxPrompt.h"
#include "app/ui/options/Options.h"
#include "app/ui/view/ImageFile.h"
#include "lang/ResourceText.h"

#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QStringList>

#include <iostream>

namespace {

QString caption()
{
    const std::string title = morvane::loadString(61279);
    return QString::fromStdString(title.empty() ? "Morvane" : title);
}

QString startOf(const FileDialogRequest &request)
{
    const std::filesystem::path start = request.initialFolder / request.suggestedName;
    return QString::fromStdString(start.string());
}

std::optional<std::filesystem::path> chosen(const QString &path)
{
    if (path.isEmpty())
        return std::nullopt;
    return std::filesystem::path(path.toStdString());
}

} // namespace

QString CDialogUserInterface::QtFilter(const std::string &filter)
{
    // Descriptions and patterns alternate; an empty field ends the list.
    const QStringList fields = QString::fromStdString(filter).split('|');
    QStringList types;
    for (qsizetype i = 0; i + 1 < fields.size() && !fields[i].isEmpty(); i += 2)
        types << fields[i];
    return types.join(";;");
}

std::optional<std::filesystem::path>
CDialogUserInterface::ChooseFileToOpen(const FileDialogRequest &request)
{
    if (!CMessageBoxPrompt::HasScreen())
        return std::nullopt;
    return chosen(QFileDialog::getOpenFileName(m_pWindow, QString::fromStdString(request.title),
                                               startOf(request), QtFilter(request.filter)));
}

std::optional<std::filesystem::path>
CDialogUserInterface::ChooseFileToSave(const FileDialogRequest &request)
{
    if (!CMessageBoxPrompt::HasScreen())
        return std::nullopt;
    QFileDialog dialog(m_pWindow, QString::fromStdString(request.title), startOf(request),
                       QtFilter(request.filter));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QString::fromStdString(request.defaultExtension));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return chosen(dialog.selectedFiles().first());
}

std::optional<std::filesystem::path>
CDialogUserInterface::ChooseFolder(const std::string &title, const std::filesystem::path &start)
{
    if (!CMessageBoxPrompt::HasScreen())
        return std::nullopt;
    return chosen(QFileDialog::getExistingDirectory(m_pWindow, QString::fromStdString(title),
                                                    QString::fromStdString(start.string())));
}

void CDialogUserInterface::ShowMessage(const std::string &text, MessageIcon icon)
{
    if (!CMessageBoxPrompt::HasScreen()) {
        std::cerr << text << "\n";
        return;
    }
    const QMessageBox::Icon shown = icon == MessageIcon::Stop      ? QMessageBox::Critical
                                    : icon == MessageIcon::Warning ? QMessageBox::Warning
                                                                   : QMessageBox::Information;
    QMessageBox box(shown, caption(), QString::fromStdString(text), QMessageBox::Ok, m_pWindow);
    box.exec();
}

PromptAnswer CDialogUserInterface::AskYesNoCancel(const std::string &text)
{
    if (!CMessageBoxPrompt::HasScreen()) {
        std::cerr << text << " Yes\n";
        return PromptAnswer::Yes;
    }
    switch (QMessageBox::question(m_pWindow, caption(), QString::fromStdString(text),
                                  QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel)) {
    case QMessageBox::Yes:
        return PromptAnswer::Yes;
    case QMessageBox::No:
        return PromptAnswer::No;
    default:
        return PromptAnswer::Cancel;
    }
}

void CDialogUserInterface::ShowOptionsDialog()
{
    if (CMessageBoxPrompt::HasScreen())
        COptions::GetInstance()->ShowOptionDialog(m_pWindow);
}

void CDialogUserInterface::ShowImage(const std::filesystem::path &image)
{
    QImage loaded;
    QString reason;
    if (!LoadImageFile(QString::fromStdString(image.string()), loaded, &reason)) {
        ShowMessage(image.string() + ": " + reason.toStdString(), MessageIcon::Warning);
        return;
    }
    if (!CMessageBoxPrompt::HasScreen())
        return;
    auto *window = new QLabel(m_pWindow, Qt::Window);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setWindowTitle(QString::fromStdString(image.filename().string()));
    window->setPixmap(QPixmap::fromImage(loaded));
    window->show();
}
