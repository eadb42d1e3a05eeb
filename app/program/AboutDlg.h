// Morvane program.
// The about box: the program's version.
#pragma once

#include <QDialog>

/// The about box (dialog 100 of the language library): one text, the program's version, in
/// control 12001.
class CAboutDlg : public QDialog
{
    Q_OBJECT

public:
    static constexpr uint32_t kDialogId = 100;
    static constexpr uint32_t kVersionControl = 12001;

    explicit CAboutDlg(QWidget *parent = nullptr);
    ~CAboutDlg() override;

    /// The version text as shown.
    QString GetVersionText() const;
};
