// Morvane main window, view and interaction.
// A docking bar for the program's panes that keeps its size per docking side and when floating.
#pragma once

#include <cstdint>

#include <QDockWidget>

QT_BEGIN_NAMESPACE
class QMainWindow;
class QSettings;
QT_END_NAMESPACE

/// The docking bar that holds a pane (tree, grids, tabbed pages). It remembers one size for
/// docking at the top or bottom, one for the left or right and one for floating, never smaller
/// than 33 x 32, and saves them in the profile under "<profile name>-SCBar-<id>". Its object
/// name "SCBar-<id>" lets the main window save and restore where it docks. Closing it hides it.
/// Qt's docking does the resizing by the inner edges and the sharing of a dock row.
class CSizingControlBar : public QDockWidget
{
    Q_OBJECT

public:
    /// A bar of size (cx, cy) in all three states; without a gripper it has no title bar.
    CSizingControlBar(const QString &title, QMainWindow *parent, int cx, int cy, bool gripper,
                      uint32_t id);
    ~CSizingControlBar() override;

    /// Reads the three sizes of "<profileName>-SCBar-<id>" ("sizeHorzCX", "sizeHorzCY",
    /// "sizeVertCX", "sizeVertCY", "sizeFloatCX", "sizeFloatCY"; a missing value keeps the
    /// current one), raises each to the minimum and applies the one of the bar's state.
    void LoadState(const QString &profileName, QSettings &profile);
    /// Writes the three sizes under the same keys.
    void SaveState(const QString &profileName, QSettings &profile) const;

    uint32_t GetId() const { return m_nId; }
    QSize GetHorizontalSize() const { return m_szHorz; }
    QSize GetVerticalSize() const { return m_szVert; }
    QSize GetFloatingSize() const { return m_szFloat; }

    /// The remembered size of the bar's state.
    QSize sizeHint() const override;

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    QMainWindow *MainWindow() const;
    void ApplySize();

    uint32_t m_nId;
    QSize m_szHorz;
    QSize m_szVert;
    QSize m_szFloat;
};
