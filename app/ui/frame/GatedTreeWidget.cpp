// Morvane main window, view and interaction.
// The shared base of the tree and the report list: a selection that can be refused, and clicks.
#include "app/ui/frame/GatedTreeWidget.h"

#include "app/ui/frame/SelectionGate.h"

#include <QMouseEvent>

GatedTreeWidget::GatedTreeWidget(QWidget *parent) : QTreeWidget(parent)
{
    setSelectionMode(QAbstractItemView::SingleSelection);
    SelectionGate::Install(this, [this](const QModelIndex &previous, const QModelIndex &next) {
        return AllowsMove(previous, next);
    });
    // QTreeWidget's own item signals stay with the selection model it was made with.
    connect(selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex &current, const QModelIndex &previous) {
                CurrentMoved(current, previous);
            });
}

GatedTreeWidget::~GatedTreeWidget() = default;

void GatedTreeWidget::mouseReleaseEvent(QMouseEvent *event)
{
    const Click click = event->button() == Qt::RightButton ? Click::Right : Click::Left;
    if (Clicked(click, event->position().toPoint()))
        QTreeWidget::mouseReleaseEvent(event);
}

void GatedTreeWidget::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && !Clicked(Click::Double, event->position().toPoint()))
        return;
    QTreeWidget::mouseDoubleClickEvent(event);
}
