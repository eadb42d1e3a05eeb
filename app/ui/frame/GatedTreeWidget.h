// Morvane main window, view and interaction.
// The shared base of the tree and the report list: a selection that can be refused, and clicks.
#pragma once

#include <QTreeWidget>

/// A single-selection QTreeWidget whose selection follows the current item, where a move of
/// the current item happens only when AllowsMove agrees, and whose clicks go to Clicked before
/// the widget acts on them.
class GatedTreeWidget : public QTreeWidget
{
public:
    explicit GatedTreeWidget(QWidget *parent);
    ~GatedTreeWidget() override;

protected:
    enum class Click { Left, Right, Double };

    /// Whether the current item may move from previous to next (either may be invalid).
    virtual bool AllowsMove(const QModelIndex &previous, const QModelIndex &next) = 0;
    /// The current item moved from previous to current.
    virtual void CurrentMoved(const QModelIndex &current, const QModelIndex &previous) = 0;
    /// A click at point in the viewport; false keeps the widget from acting on it.
    virtual bool Clicked(Click click, const QPoint &point) = 0;

    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
};
