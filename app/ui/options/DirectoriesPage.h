// Morvane main window, view and interaction.
// The first page of the options: the five start folders, and directory sets saved and loaded.
#pragma once

#include "platform/larkweft/OptionPropertyPage.h"

/// The directories page (template 106): the start folders of mask files, images, input
/// patterns, table sets and measurement images, with buttons that copy the mask folder into the
/// other four fields, save the five fields as a directory set (an INI file with the section
/// "DIRECTORIES") and load such a set back into the fields.
class CDirectoriesPage : public COptionPropertyPage
{
    Q_OBJECT

public:
    explicit CDirectoriesPage(CLarkweft &options, QWidget *parent = nullptr);
    ~CDirectoriesPage() override;

    /// Writes the texts of the five fields to file, after remembering file in
    /// "DIRECTORIES_INI_FILE_NAME" and saving the options. Returns false with error naming the
    /// file when either cannot be written.
    bool SaveDirectories(const QString &file, QString &error);
    /// Shows the five values of file in the fields (a missing key shows an empty field). The
    /// options change only when the dialog is accepted. Returns false with error, changing no
    /// field, when file cannot be read as an INI file.
    bool LoadDirectories(const QString &file, QString &error);

    void OnCopyMaskPath();
    void OnSaveDirectories();
    void OnLoadDirectories();

private:
    QString ChooseDirectorySet(bool save);
    void ReportFailure(const QString &error);
};
