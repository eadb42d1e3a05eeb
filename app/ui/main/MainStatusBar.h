// Morvane main window, view and interaction.
// The main window's status bar: the measured distance or the point association under edit, and
// the texts the document gives its first panes.
#pragma once

#include "app/extras/EventMap.h"

#include <QStatusBar>

#include <array>
#include <cstdint>
#include <string>

class CBasePoint;
class CPattern;
class IDocumentServices;

QT_BEGIN_NAMESPACE
class QLabel;
QT_END_NAMESPACE

/// The status bar of the main window with four panes: the message pane (0) and the panes of
/// ids 43084, 43085 and 43086, 100 pixels wide. As a listener of the main document it shows the
/// document's status texts on notification (100, 5), and on (100, 4) the point association
/// under edit while "EditPointAssTask" is the active task, else the active mask's measure line.
class CMainStatusBar : public QStatusBar, public CEventMap
{
    Q_OBJECT

public:
    static constexpr std::array<uint32_t, 4> kPaneIds = {0, 43084, 43085, 43086};
    static constexpr int kReadoutPaneWidth = 100;

    explicit CMainStatusBar(QWidget *parent = nullptr);
    ~CMainStatusBar() override;

    /// The document the readouts come from (not owned); null: none.
    void SetServices(IDocumentServices *services) { m_pServices = services; }

    int GetPaneCount() const { return static_cast<int>(m_aPanes.size()); }
    QString GetPaneText(int pane) const;
    /// Sets the text of the pane and repaints it; nothing for a pane that does not exist.
    void SetPaneText(int pane, const QString &text);
    /// The label that shows pane i (for the layout's tests).
    QLabel *GetPane(int pane) const;

    /// Pane 0 shows the active mask's measure line "Distance = d unit   (dx:x unit  dy:y
    /// unit)" in the display unit, or nothing while the line is not active.
    void ShowDistance();
    /// Pane 0 shows the association of the mask point under edit (the point that is the first
    /// entry of the document's item list) with the focused point, or the point it is
    /// associated with. Nothing without an active mask or an entry.
    void ShowPointAssociation();
    /// "<kind>:<pattern>:<point>" ("P?" for a missing point), or "P?" without a pattern.
    static std::string DescribePoint(CPattern *pattern, CBasePoint *point);

    bool Rebuild() override { return true; }
    void RegisterEventHandlers() override;

private:
    void ShowDocumentStrings();
    void ShowReadout();

    IDocumentServices *m_pServices = nullptr;
    std::array<QLabel *, 4> m_aPanes{};
};
