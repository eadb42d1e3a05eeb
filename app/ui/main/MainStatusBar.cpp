// Morvane main window, view and interaction.
// The main window's status bar: the measured distance or the point association under edit, and
// the texts the document gives its first panes.
#include "app/ui/main/MainStatusBar.h"

#include "app/documents/IDocumentServices.h"
#include "app/extras/NumberFormat.h"
#include "app/interaction/FocusManager.h"
#include "app/interaction/FocusObject.h"
#include "app/interaction/MeasureLine.h"
#include "app/ui/view/DisplayUnits.h"
#include "foundation/EventHandler.h"
#include "lang/ResourceText.h"
#include "model/BasePoint.h"
#include "model/MaskPoint.h"
#include "model/Pattern.h"
#include "tasks/TaskManager.h"

#include <QLabel>

#include <cmath>

namespace {

constexpr uint32_t kDocumentSource = 100;
constexpr uint32_t kStringsChanged = 5;
constexpr uint32_t kReadoutChanged = 4;
constexpr uint32_t kDistanceLabel = 61437;
constexpr uint32_t kMaskPatternLabel = 61438;
constexpr uint32_t kInputPatternLabel = 61439;
constexpr uint32_t kAssociateWith = 61440;
constexpr uint32_t kAssociatedWith = 61441;
constexpr uint32_t kAssociateInstead = 61442;

std::string describe(CBasePoint *point)
{
    return CMainStatusBar::DescribePoint(point ? point->GetParent() : nullptr, point);
}

} // namespace

CMainStatusBar::CMainStatusBar(QWidget *parent) : QStatusBar(parent)
{
    for (size_t i = 0; i < m_aPanes.size(); ++i) {
        m_aPanes[i] = new QLabel(this);
        m_aPanes[i]->setObjectName(QString("pane-%1").arg(kPaneIds[i]));
        if (i == 0) {
            addWidget(m_aPanes[i], 1);
        } else {
            m_aPanes[i]->setFixedWidth(kReadoutPaneWidth);
            addPermanentWidget(m_aPanes[i]);
        }
    }
}

CMainStatusBar::~CMainStatusBar() = default;

QString CMainStatusBar::GetPaneText(int pane) const
{
    QLabel *label = GetPane(pane);
    return label ? label->text() : QString();
}

void CMainStatusBar::SetPaneText(int pane, const QString &text)
{
    if (QLabel *label = GetPane(pane)) {
        label->setText(text);
        label->repaint();
    }
}

QLabel *CMainStatusBar::GetPane(int pane) const
{
    return pane >= 0 && pane < GetPaneCount() ? m_aPanes[static_cast<size_t>(pane)] : nullptr;
}

void CMainStatusBar::RegisterEventHandlers()
{
    using morvane::EventFilter;
    AddEntry(CEventMapEntry(morvane::kEventAfterChange, EventFilter(kDocumentSource),
                            EventFilter(kStringsChanged), this,
                            &CMainStatusBar::ShowDocumentStrings));
    AddEntry(CEventMapEntry(morvane::kEventAfterChange, EventFilter(kDocumentSource),
                            EventFilter(kReadoutChanged), this, &CMainStatusBar::ShowReadout));
}

void CMainStatusBar::ShowDocumentStrings()
{
    if (!m_pServices)
        return;
    for (int i = 0; i < GetPaneCount(); ++i)
        SetPaneText(i, QString::fromStdString(m_pServices->GetStringAt(i)));
}

void CMainStatusBar::ShowReadout()
{
    CTaskManager *tasks = m_pServices ? m_pServices->GetTaskManager() : nullptr;
    if (tasks && tasks->GetTaskStatus("EditPointAssTask") == TS_ACTIVE)
        ShowPointAssociation();
    else
        ShowDistance();
}

void CMainStatusBar::ShowDistance()
{
    CMeasureLine *line = m_pServices && m_pServices->GetActiveMaskDocument()
                             ? m_pServices->GetMeasureLine()
                             : nullptr;
    if (!line || !line->IsActive()) {
        SetPaneText(0, QString());
        return;
    }
    int dxDecimals = 0, dyDecimals = 0, denominator = 0;
    bool fraction = false;
    const double dx =
        ConvertToDisplayUnits(line->m_oEnd.x - line->m_oStart.x, dxDecimals, fraction, denominator);
    const double dy =
        ConvertToDisplayUnits(line->m_oEnd.y - line->m_oStart.y, dyDecimals, fraction, denominator);
    const std::string unit = GetDisplayUnitLabel();
    const std::string text =
        morvane::loadString(kDistanceLabel) + " = " +
        FormatDouble(std::hypot(dx, dy), std::max(dxDecimals, dyDecimals)) + " " + unit +
        "   (dx:" + FormatDouble(dx, dxDecimals) + " " + unit + "  dy:" +
        FormatDouble(dy, dyDecimals) + " " + unit + ")";
    SetPaneText(0, QString::fromStdString(text));
}

void CMainStatusBar::ShowPointAssociation()
{
    if (!m_pServices || !m_pServices->GetActiveMaskDocument() || m_pServices->GetItemCount() < 1)
        return;
    auto *source = dynamic_cast<CBasePoint *>(m_pServices->GetItemAt(0));
    if (!source)
        return;
    CFocusManager *focus = m_pServices->GetFocusManager();
    const CFocusObject *focused = focus ? focus->GetFocusObject() : nullptr;
    auto *target = focused && focused->GetType() == CFocusObject::kPoint
                       ? dynamic_cast<CBasePoint *>(focused->GetItem())
                       : nullptr;
    IMaskPoint *maskPoint = source->GetMaskPoint();
    CBasePoint *linked = maskPoint ? maskPoint->GetFirstAssociation() : nullptr;

    std::string text;
    if (!linked)
        text = morvane::loadString(kAssociateWith, {describe(source), describe(target)});
    else if (target)
        text = morvane::loadString(kAssociateInstead, {describe(source), describe(target)});
    else
        text = morvane::loadString(kAssociatedWith, {describe(source), describe(linked)});
    SetPaneText(0, QString::fromStdString(text));
}

std::string CMainStatusBar::DescribePoint(CPattern *pattern, CBasePoint *point)
{
    if (!pattern)
        return "P?";
    const std::string kind =
        morvane::loadString(pattern->IsMaskPattern() ? kMaskPatternLabel : kInputPatternLabel);
    return kind + ":" + pattern->GetPatternName() + ":" +
           (point ? point->GetFormatName() : std::string("P?"));
}
