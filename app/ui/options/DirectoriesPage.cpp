// Morvane main window, view and interaction.
// The first page of the options: the five start folders, and directory sets saved and loaded.
#include "app/ui/options/DirectoriesPage.h"

#include "platform/larkweft/Larkweft.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>


namespace {

constexpr uint32_t kTemplate = 106;
constexpr uint32_t kMaskFolder = 4061;
constexpr uint32_t kDirectoriesFileName = 12043;
constexpr uint32_t kCopyMaskPath = 1225;
constexpr uint32_t kSaveDirectories = 1223;
constexpr uint32_t kLoadDirectories = 1224;
constexpr uint32_t kDirectorySetsText = 61223;
constexpr uint32_t kAllFilesText = 61518;

struct DirectoryField
{
    const char *key;
    uint32_t controlId;
};

// The keys of a directory set and the fields they belong to, in the order they are written.
constexpr DirectoryField kFields[] = {
    {"IDC_EDIT_MASK_FILES_PATH", kMaskFolder},
    {"IDC_EDIT_IMAGES_FILE_PATH", 4030},
    {"IDC_EDIT_INPUT_PATTERNS_FILE_PATH", 4031},
    {"IDC_EDIT_TABLESET_FILE_PATH", 4032},
    {"IDC_EDIT_MEASUREMENT_IMAGE_FILE_PATH", 4033},
};

QString settingsKey(const DirectoryField &field)
{
    return QStringLiteral("DIRECTORIES/") + field.key;
}

QString libraryText(uint32_t id)
{
    const CLanguageLibrary *library = CLanguageLibrary::GetCurrent();
    return library ? QString::fromStdString(library->GetString(id)) : QString();
}

} // namespace

CDirectoriesPage::CDirectoriesPage(CLarkweft &options, QWidget *parent)
    : COptionPropertyPage(kTemplate, options, parent)
{
    const std::pair<uint32_t, void (CDirectoriesPage::*)()> buttons[] = {
        {kCopyMaskPath, &CDirectoriesPage::OnCopyMaskPath},
        {kSaveDirectories, &CDirectoriesPage::OnSaveDirectories},
        {kLoadDirectories, &CDirectoriesPage::OnLoadDirectories},
    };
    for (const auto &[controlId, handler] : buttons) {
        auto *button = new QPushButton(ItemLabel(controlId, QString()), this);
        button->setObjectName(QString::number(controlId));
        connect(button, &QPushButton::clicked, this, handler);
        Layout()->addRow(button);
    }
}

CDirectoriesPage::~CDirectoriesPage() = default;

void CDirectoriesPage::OnCopyMaskPath()
{
    const QString maskFolder = GetControlText(kMaskFolder);
    for (const auto &field : kFields)
        SetControlText(field.controlId, maskFolder);
}

void CDirectoriesPage::OnSaveDirectories()
{
    const QString file = ChooseDirectorySet(true);
    QString error;
    if (!file.isEmpty() && !SaveDirectories(file, error))
        ReportFailure(error);
}

void CDirectoriesPage::OnLoadDirectories()
{
    const QString file = ChooseDirectorySet(false);
    QString error;
    if (!file.isEmpty() && !LoadDirectories(file, error))
        ReportFailure(error);
}

bool CDirectoriesPage::SaveDirectories(const QString &file, QString &error)
{
    if (IOption *remembered = Options().FindOption(kDirectoriesFileName))
        remembered->FromText(QFileInfo(file).absoluteFilePath().toStdString());
    if (!Options().SaveToIni()) {
        error = QString::fromStdString(Options().GetLastError());
        return false;
    }

    QSettings set(file, QSettings::IniFormat);
    for (const auto &field : kFields)
        set.setValue(settingsKey(field), GetControlText(field.controlId));
    set.sync();
    if (set.status() == QSettings::NoError)
        return true;
    error = file + ": the directory set cannot be written";
    return false;
}

bool CDirectoriesPage::LoadDirectories(const QString &file, QString &error)
{
    QSettings set(file, QSettings::IniFormat);
    if (!QFileInfo::exists(file) || set.status() != QSettings::NoError) {
        error = file + ": not a directory set that can be read";
        return false;
    }
    for (const auto &field : kFields)
        SetControlText(field.controlId, set.value(settingsKey(field)).toString());
    return true;
}

// Starts in the folder and with the name of the directory set saved last.
QString CDirectoriesPage::ChooseDirectorySet(bool save)
{
    const QString filter = QStringLiteral("%1 (*.ini);;%2 (*)")
                               .arg(libraryText(kDirectorySetsText), libraryText(kAllFilesText));
    const QString last = QString::fromStdString(
        Options().FindOption(kDirectoriesFileName)->ToText());
    QFileDialog dialog(this, QString(), last, filter);
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(QStringLiteral("ini"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().front();
}

void CDirectoriesPage::ReportFailure(const QString &error)
{
    QMessageBox::warning(this, GetCaption(), error);
}
