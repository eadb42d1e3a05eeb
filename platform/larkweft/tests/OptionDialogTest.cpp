// Morvane Larkweft options library, tests.
// The options dialog: pages from the language library's templates, bound controls, OK and Cancel.
#include "platform/larkweft/Larkweft.h"
#include "platform/larkweft/OptionDialog.h"
#include "platform/larkweft/OptionPropertyPage.h"

#include "LanguageFolder.h"
#include "TemporaryFolder.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

/// Options bound to controls of the associations page (template 4029), counting its reports.
class AssociationOptions : public CLarkweft
{
public:
    explicit AssociationOptions(const std::filesystem::path &file) : CLarkweft(file)
    {
        SetSection("ASSOCIATIONS");
        AddOption("SHIFT_MATCH_MM", 100.0, m_pShift, 1073, OCT_EDIT, 3, 0);
        AddOption("SHOW_ASSOCIATION_DIALOG", false, m_pShowDialog, 1075, OCT_CHECK_BOX, 3, 0);
        AddOption("POINT_ASS_TYPE", int32_t(0), m_pType, 1212, OCT_CHOICE_LIST, 3, 0);
        AddPage(4029);
    }

    IOptionDouble *m_pShift = nullptr;
    IOptionBool *m_pShowDialog = nullptr;
    IOptionInt *m_pType = nullptr;
    std::vector<bool> m_aReports;
    int m_nInitPages = 0;

protected:
    void OnOptionsChanged(bool changed) override { m_aReports.push_back(changed); }
    void OnInitPages() override
    {
        ++m_nInitPages;
        EnableControl(1075, false);
    }
};

class OptionDialogTest : public testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(m_language.LoadLanguageLibrary(languageFolder(), "")); }

    template <class Control>
    Control *control(COptionDialog &dialog, uint32_t id)
    {
        auto *found = qobject_cast<Control *>(dialog.GetPage(0)->GetControl(id));
        EXPECT_NE(found, nullptr) << "control " << id;
        return found;
    }

    CLanguageLibrary m_language;
    TemporaryFolder m_folder{"option-dialog"};
};

/// Closes the message box that the code under test shows next, keeping its text in message.
void closeNextMessageBox(QString &message)
{
    QTimer::singleShot(0, [&message] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            message = box->text();
            box->close();
        }
    });
}

} // namespace

TEST_F(OptionDialogTest, ShowsTheTemplatesOptionsWithTheirValues)
{
    AssociationOptions options(m_folder / "MORVANE.INI");
    options.m_pType->SetValue(1);
    const auto dialog = options.CreateOptionDialog();
    ASSERT_EQ(dialog->GetPageCount(), 1);
    EXPECT_EQ(dialog->GetPage(0)->GetCaption(), "Associations");
    EXPECT_EQ(control<QLineEdit>(*dialog, 1073)->text(), "100");
    EXPECT_FALSE(control<QCheckBox>(*dialog, 1075)->isChecked());
    auto *choices = control<QComboBox>(*dialog, 1212);
    EXPECT_EQ(choices->count(), 2);
    EXPECT_EQ(choices->currentText(), "Shape context");
    EXPECT_EQ(dialog->GetPage(0)->GetControl(1163), nullptr) << "no option, no control";
    EXPECT_EQ(options.m_nInitPages, 1);
    EXPECT_FALSE(control<QCheckBox>(*dialog, 1075)->isEnabled());
}

TEST_F(OptionDialogTest, OkTakesSavesAndReportsChangedValues)
{
    AssociationOptions options(m_folder / "MORVANE.INI");
    auto dialog = options.CreateOptionDialog();
    control<QLineEdit>(*dialog, 1073)->setText("12.5");
    control<QComboBox>(*dialog, 1212)->setCurrentIndex(1);
    dialog->accept();

    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_DOUBLE_EQ(options.m_pShift->GetValue(), 12.5);
    EXPECT_EQ(options.m_pType->GetValue(), 1);
    EXPECT_EQ(options.m_aReports, std::vector<bool>{true});

    AssociationOptions reloaded(m_folder / "MORVANE.INI");
    ASSERT_TRUE(reloaded.LoadFromIni());
    EXPECT_DOUBLE_EQ(reloaded.m_pShift->GetValue(), 12.5);

    dialog = options.CreateOptionDialog();
    dialog->accept();
    EXPECT_EQ(options.m_aReports, (std::vector<bool>{true, false}));
}

TEST_F(OptionDialogTest, TextThatIsNotANumberIsRefusedAndTheDialogStaysOpen)
{
    AssociationOptions options(m_folder / "MORVANE.INI");
    const auto dialog = options.CreateOptionDialog();
    dialog->show();
    control<QLineEdit>(*dialog, 1073)->setText("ten");
    control<QComboBox>(*dialog, 1212)->setCurrentIndex(1);

    QString message;
    closeNextMessageBox(message);
    dialog->accept();

    EXPECT_TRUE(dialog->isVisible());
    EXPECT_NE(message.indexOf("\"ten\" is not a number"), -1) << message.toStdString();
    EXPECT_DOUBLE_EQ(options.m_pShift->GetValue(), 100.0);
    EXPECT_EQ(options.m_pType->GetValue(), 0) << "nothing is taken while a value is refused";
    EXPECT_TRUE(options.m_aReports.empty());
    EXPECT_FALSE(std::filesystem::exists(m_folder / "MORVANE.INI"));
}

TEST_F(OptionDialogTest, CancelChangesNothing)
{
    AssociationOptions options(m_folder / "MORVANE.INI");
    const auto dialog = options.CreateOptionDialog();
    control<QCheckBox>(*dialog, 1075)->setChecked(true);
    dialog->reject();
    EXPECT_FALSE(options.m_pShowDialog->GetValue());
    EXPECT_TRUE(options.m_aReports.empty());
}
