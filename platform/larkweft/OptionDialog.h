// Morvane Larkweft options library.
// The options dialog: the pages in tabs, and OK taking, saving and reporting their values.
#pragma once

#include "platform/larkweft/Larkweft.h"

#include <QDialog>

QT_BEGIN_NAMESPACE
class QTabWidget;
QT_END_NAMESPACE

/// The options dialog: one tab per page, made by the pages' factories. OK first checks every
/// control and, when a value cannot be taken, shows why and stays open; otherwise it takes the
/// values into the options, saves them (showing a failure), closes and calls
/// CLarkweft::OnOptionsChanged with whether a value changed. Cancel changes nothing.
class COptionDialog : public QDialog
{
    Q_OBJECT

public:
    COptionDialog(CLarkweft &options, const std::vector<CLarkweft::PageFactory> &pages,
                  QWidget *parent = nullptr);
    ~COptionDialog() override;

    int GetPageCount() const;
    COptionPropertyPage *GetPage(int index) const;
    /// Enables or disables the control of that id on whichever page holds it.
    void EnableControl(uint32_t controlId, bool enable);

    void accept() override;

private:
    CLarkweft &m_rOptions;
    QTabWidget *m_pTabs = nullptr;
};
