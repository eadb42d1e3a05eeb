// Morvane Larkweft options library.
// A page of the options dialog: a control for each option its dialog template names.
#include "platform/larkweft/OptionPropertyPage.h"

#include "platform/larkweft/Larkweft.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>

namespace {

const char *const kColourProperty = "colourRef";

// Colours are stored with red in the low byte.
QColor fromColourRef(uint32_t colour)
{
    return QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
}

uint32_t toColourRef(const QColor &colour)
{
    return uint32_t(colour.red()) | uint32_t(colour.green()) << 8 | uint32_t(colour.blue()) << 16;
}

void showColour(QPushButton *button, uint32_t colour)
{
    button->setProperty(kColourProperty, colour);
    button->setStyleSheet(QStringLiteral("background-color: %1").arg(fromColourRef(colour).name()));
}

QString idName(uint32_t controlId)
{
    return QString::number(controlId);
}

} // namespace

COptionPropertyPage::COptionPropertyPage(uint32_t templateId, CLarkweft &options, QWidget *parent)
    : QWidget(parent), m_rOptions(options), m_pLayout(new QFormLayout(this))
{
    if (const CLanguageLibrary *library = CLanguageLibrary::GetCurrent())
        m_oTemplate = library->GetDialog(templateId);

    for (const auto &item : m_oTemplate.m_aItems) {
        IOption *option = options.FindOption(item.m_nControlId);
        if (!option)
            continue;
        const QStringList lines = QString::fromStdString(item.m_sText).split('\n');
        QWidget *control = MakeControl(*option, lines);
        control->setEnabled(options.IsControlEnabled(item.m_nControlId));
        m_aControls.push_back({option, control});
        if (option->GetBinding().m_eControlType == OCT_CHECK_BOX)
            m_pLayout->addRow(control);
        else
            m_pLayout->addRow(lines.front(), control->parentWidget() == this
                                                 ? control
                                                 : control->parentWidget());
    }
    LoadControls();
}

COptionPropertyPage::~COptionPropertyPage() = default;

QWidget *COptionPropertyPage::MakeControl(IOption &option, const QStringList &lines)
{
    const OptionBinding &binding = option.GetBinding();
    QWidget *control = nullptr;
    switch (binding.m_eControlType) {
    case OCT_EDIT:
        control = new QLineEdit(this);
        break;
    case OCT_CHECK_BOX:
        control = new QCheckBox(lines.front(), this);
        break;
    case OCT_CHOICE_LIST: {
        auto *choices = new QComboBox(this);
        choices->addItems(lines.mid(1));
        control = choices;
        break;
    }
    case OCT_COLOUR_BUTTON:
        control = MakeColourButton(binding.m_nControlId);
        break;
    case OCT_FOLDER:
    case OCT_FILE:
        control = MakePathField(option, lines.front());
        break;
    }
    control->setObjectName(idName(binding.m_nControlId));
    return control;
}

QWidget *COptionPropertyPage::MakeColourButton(uint32_t controlId)
{
    auto *button = new QPushButton(this);
    connect(button, &QPushButton::clicked, this, [this, button, controlId] {
        const QColor chosen = QColorDialog::getColor(
            fromColourRef(button->property(kColourProperty).toUInt()), this,
            ItemLabel(controlId, QString()));
        if (chosen.isValid())
            showColour(button, toColourRef(chosen));
    });
    return button;
}

// The field is the bound control; it sits in a row with its browse button, which carries the
// option's extra id.
QWidget *COptionPropertyPage::MakePathField(const IOption &option, const QString &label)
{
    const OptionBinding &binding = option.GetBinding();
    auto *row = new QWidget(this);
    auto *rowLayout = new QHBoxLayout(row);
    rowLayout->setContentsMargins(0, 0, 0, 0);
    auto *field = new QLineEdit(row);
    auto *browse = new QPushButton(ItemLabel(binding.m_nExtraId, QStringLiteral("...")), row);
    browse->setObjectName(idName(binding.m_nExtraId));
    rowLayout->addWidget(field);
    rowLayout->addWidget(browse);

    const bool folder = binding.m_eControlType == OCT_FOLDER;
    connect(browse, &QPushButton::clicked, this, [this, field, label, folder] {
        const QString chosen = folder
                                   ? QFileDialog::getExistingDirectory(this, label, field->text())
                                   : QFileDialog::getOpenFileName(this, label, field->text());
        if (!chosen.isEmpty())
            field->setText(chosen);
    });
    return field;
}

QString COptionPropertyPage::GetCaption() const
{
    return QString::fromStdString(m_oTemplate.m_sCaption);
}

QString COptionPropertyPage::ItemLabel(uint32_t controlId, const QString &fallback) const
{
    const DialogItem *item = m_oTemplate.FindItem(controlId);
    return item ? QString::fromStdString(item->m_sText).section('\n', 0, 0) : fallback;
}

QWidget *COptionPropertyPage::GetControl(uint32_t controlId) const
{
    return findChild<QWidget *>(idName(controlId));
}

const COptionPropertyPage::BoundControl *COptionPropertyPage::FindBound(uint32_t controlId) const
{
    for (const auto &bound : m_aControls) {
        if (bound.option->GetBinding().m_nControlId == controlId)
            return &bound;
    }
    return nullptr;
}

QString COptionPropertyPage::GetControlText(uint32_t controlId) const
{
    const BoundControl *bound = FindBound(controlId);
    if (!bound)
        return {};
    switch (bound->option->GetBinding().m_eControlType) {
    case OCT_EDIT:
    case OCT_FOLDER:
    case OCT_FILE:
        return static_cast<QLineEdit *>(bound->control)->text();
    case OCT_CHECK_BOX:
        return static_cast<QCheckBox *>(bound->control)->isChecked() ? "1" : "0";
    case OCT_CHOICE_LIST:
        return QString::number(static_cast<QComboBox *>(bound->control)->currentIndex());
    case OCT_COLOUR_BUTTON:
        return QString::number(bound->control->property(kColourProperty).toUInt());
    }
    return {};
}

void COptionPropertyPage::SetControlText(uint32_t controlId, const QString &text)
{
    const BoundControl *bound = FindBound(controlId);
    if (!bound)
        return;
    switch (bound->option->GetBinding().m_eControlType) {
    case OCT_EDIT:
    case OCT_FOLDER:
    case OCT_FILE:
        static_cast<QLineEdit *>(bound->control)->setText(text);
        return;
    case OCT_CHECK_BOX:
        static_cast<QCheckBox *>(bound->control)->setChecked(text.toInt() != 0);
        return;
    case OCT_CHOICE_LIST:
        static_cast<QComboBox *>(bound->control)->setCurrentIndex(text.toInt());
        return;
    case OCT_COLOUR_BUTTON:
        showColour(static_cast<QPushButton *>(bound->control), text.toUInt());
        return;
    }
}

void COptionPropertyPage::LoadControls()
{
    for (const auto &bound : m_aControls) {
        SetControlText(bound.option->GetBinding().m_nControlId,
                       QString::fromStdString(bound.option->ToText()));
    }
}

QString COptionPropertyPage::CheckControls() const
{
    QStringList refusals;
    for (const auto &bound : m_aControls) {
        const uint32_t controlId = bound.option->GetBinding().m_nControlId;
        const QString text = GetControlText(controlId);
        const std::string refusal = bound.option->CheckText(text.toStdString());
        if (!refusal.empty()) {
            refusals << QStringLiteral("%1: \"%2\" is %3")
                            .arg(ItemLabel(controlId, QString()), text,
                                 QString::fromStdString(refusal));
        }
    }
    return refusals.join('\n');
}

bool COptionPropertyPage::ApplyControls()
{
    bool changed = false;
    for (const auto &bound : m_aControls) {
        const std::string before = bound.option->ToText();
        bound.option->FromText(GetControlText(bound.option->GetBinding().m_nControlId).toStdString());
        changed = changed || bound.option->ToText() != before;
    }
    return changed;
}
