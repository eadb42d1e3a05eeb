// Morvane program.
// The program's reports and questions, shown in message boxes.
#include "app/program/MessageBoxPrompt.h"

#include "lang/ResourceText.h"

#include <QApplication>
#include <QMessageBox>

#include <iostream>

namespace {

QString caption()
{
    const std::string title = morvane::loadString(61279);
    return QString::fromStdString(title.empty() ? "Morvane" : title);
}

} // namespace

bool CMessageBoxPrompt::HasScreen()
{
    return QGuiApplication::platformName() != "offscreen";
}

void CMessageBoxPrompt::ReportProblem(const std::string &text)
{
    if (!HasScreen()) {
        std::cerr << text << "\n";
        return;
    }
    QMessageBox::warning(QApplication::activeWindow(), caption(), QString::fromStdString(text));
}

bool CMessageBoxPrompt::AskYesNo(const std::string &text)
{
    if (!HasScreen()) {
        std::cerr << text << " Yes\n";
        return true;
    }
    return QMessageBox::question(QApplication::activeWindow(), caption(),
                                 QString::fromStdString(text)) == QMessageBox::Yes;
}
