// Morvane Larkweft options library.
// A page of the options dialog: a control for each option its dialog template names.
#pragma once

#include "lang/LanguageLibrary.h"

#include <cstdint>
#include <vector>

#include <QWidget>

QT_BEGIN_NAMESPACE
class QFormLayout;
QT_END_NAMESPACE

class CLarkweft;
class IOption;

/// One page of the options dialog, built from the current language library's dialog template:
/// for each option whose control id the template names, a control of the option's kind (edit
/// field, check box, choice list, colour button, folder or file field with a browse button)
/// labelled with the template's text. Each control's object name is its control id. Subclasses
/// add controls of their own to Layout().
class COptionPropertyPage : public QWidget
{
    Q_OBJECT

public:
    COptionPropertyPage(uint32_t templateId, CLarkweft &options, QWidget *parent = nullptr);
    ~COptionPropertyPage() override;

    /// The page's caption from its template.
    QString GetCaption() const;
    /// The control with the id on this page; null when the page has none.
    QWidget *GetControl(uint32_t controlId) const;
    /// The value shown by the control of an option, as the option's text; empty when the page
    /// has no such option control.
    QString GetControlText(uint32_t controlId) const;
    /// Shows text in the control of an option; nothing when the page has no such control.
    void SetControlText(uint32_t controlId, const QString &text);

    /// Shows the value of every option in its control.
    void LoadControls();
    /// Why values in the controls cannot be taken, one line each; empty when all can.
    QString CheckControls() const;
    /// Takes the value of every control into its option; true when one of them changed.
    bool ApplyControls();

protected:
    CLarkweft &Options() const { return m_rOptions; }
    const DialogTemplate &Template() const { return m_oTemplate; }
    QFormLayout *Layout() const { return m_pLayout; }
    /// The label of the control in the template, or fallback when it has none.
    QString ItemLabel(uint32_t controlId, const QString &fallback) const;

private:
    struct BoundControl
    {
        IOption *option;
        QWidget *control;
    };

    QWidget *MakeControl(IOption &option, const QStringList &lines);
    QWidget *MakeColourButton(uint32_t controlId);
    QWidget *MakePathField(const IOption &option, const QString &label);
    const BoundControl *FindBound(uint32_t controlId) const;

    CLarkweft &m_rOptions;
    DialogTemplate m_oTemplate;
    QFormLayout *m_pLayout = nullptr;
    std::vector<BoundControl> m_aControls;
};
