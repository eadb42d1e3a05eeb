// Morvane Larkweft options library.
// The options dialog: the pages in tabs, and OK taking, saving and reporting their values.
#include "platform/larkweft/OptionDialog.h"

#include "platform/larkweft/OptionPropertyPage.h"

#include <QDialogButtonBox>
#include <QMessageBox>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

// The text ids of the dialog's own texts in the language library.
constexpr uint32_t kCaptionText = 62001;

QString libraryText(uint32_t id)
{
    const CLanguageLibrary *library = CLanguageLibrary::GetCurrent();
    return library ? QString::fromStdString(library->GetString(id)) : QString();
}

} // namespace

COptionDialog::COptionDialog(CLarkweft &options,
                             const std::vector<CLarkweft::PageFactory> &pages, QWidget *parent)
    : QDialog(parent), m_rOptions(options), m_pTabs(new QTabWidget(this))
{
    setWindowTitle(libraryText(kCaptionText));
    for (const auto &makePage : pages) {
        COptionPropertyPage *page = makePage(options, m_pTabs);
        m_pTabs->addTab(page, page->GetCaption());
    }

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &COptionDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &COptionDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_pTabs);
    layout->addWidget(buttons);
    m_rOptions.m_pOpenDialog = this;
}

COptionDialog::~COptionDialog()
{
    if (m_rOptions.m_pOpenDialog == this)
        m_rOptions.m_pOpenDialog = nullptr;
}

int COptionDialog::GetPageCount() const
{
    return m_pTabs->count();
}

COptionPropertyPage *COptionDialog::GetPage(int index) const
{
    return static_cast<COptionPropertyPage *>(m_pTabs->widget(index));
}

void COptionDialog::EnableControl(uint32_t controlId, bool enable)
{
    for (int i = 0; i < GetPageCount(); ++i) {
        if (QWidget *control = GetPage(i)->GetControl(controlId))
            control->setEnabled(enable);
    }
}

void COptionDialog::accept()
{
    QStringList refusals;
    for (int i = 0; i < GetPageCount(); ++i) {
        const QString pageRefusals = GetPage(i)->CheckControls();
        if (!pageRefusals.isEmpty())
            refusals << pageRefusals;
    }
    if (!refusals.isEmpty()) {
        QMessageBox::warning(this, windowTitle(), refusals.join('\n'));
        return;
    }

    bool changed = false;
    for (int i = 0; i < GetPageCount(); ++i)
        changed = GetPage(i)->ApplyControls() || changed;
    if (!m_rOptions.SaveToIni())
        QMessageBox::warning(this, windowTitle(), QString::fromStdString(m_rOptions.GetLastError()));
    QDialog::accept();
    m_rOptions.OnOptionsChanged(changed);
}
