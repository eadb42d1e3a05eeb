// Morvane main window, view and interaction.
// A selection model that lets a list or tree refuse a change of its selected item.
#pragma once

#include <functional>

#include <QAbstractItemView>
#include <QItemSelectionModel>

/// The selection model of the single-selection trees and lists: the selection follows the
/// current item, and a move of the current item to another one happens only when allows(old,
/// new) agrees; a refused move selects nothing else either.
class SelectionGate : public QItemSelectionModel
{
public:
    using Allows = std::function<bool(const QModelIndex &previous, const QModelIndex &next)>;

    SelectionGate(QAbstractItemModel *model, QObject *parent, Allows allows)
        : QItemSelectionModel(model, parent), m_allows(std::move(allows))
    {
    }

    /// Makes a gate with allows the selection model of view, in place of the one it has.
    static void Install(QAbstractItemView *view, Allows allows)
    {
        QItemSelectionModel *previous = view->selectionModel();
        view->setSelectionModel(new SelectionGate(view->model(), view, std::move(allows)));
        delete previous;
    }

    void setCurrentIndex(const QModelIndex &index, SelectionFlags command) override
    {
        if (index != currentIndex() && !m_allows(currentIndex(), index))
            return;
        QItemSelectionModel::setCurrentIndex(index, command);
    }

    void select(const QItemSelection &selection, SelectionFlags command) override
    {
        if (command & (Select | Toggle)) {
            for (const QModelIndex &index : selection.indexes()) {
                if (index.row() != currentIndex().row() || index.parent() != currentIndex().parent())
                    return;
            }
        }
        QItemSelectionModel::select(selection, command);
    }
    using QItemSelectionModel::select;

private:
    Allows m_allows;
};
