// Morvane main window, view and interaction.
// One action per menu command id, routed to the window's command targets, with the update pass
// that enables and checks them; menus and toolbars built from the language library.
#pragma once

#include <QObject>

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

class CCmdUI;
class ICommandTarget;
struct MenuItem;

QT_BEGIN_NAMESPACE
class QAction;
class QMenu;
class QMenuBar;
class QToolBar;
class QWidget;
QT_END_NAMESPACE

/// The actions of the main window's commands, one per command id (the id is the action's
/// data). Triggering one asks the command targets in order and runs the first that knows the
/// id. The update pass asks them for each action's state (enabled, checked, text) and applies
/// it; an id that no target knows is disabled. It runs before a menu shows and at idle time.
class CCommandActions : public QObject
{
    Q_OBJECT

public:
    /// Tool tips that replace an action's own while the provider answers one.
    using ToolTipProvider = std::function<std::optional<std::string>(uint32_t id)>;

    /// The actions belong to window, where their shortcuts work.
    explicit CCommandActions(QWidget *window);
    ~CCommandActions() override;

    /// Appends a target (not owned; it must outlive the actions or be removed).
    void AddTarget(ICommandTarget *target);
    void RemoveTarget(ICommandTarget *target);
    void SetToolTipProvider(ToolTipProvider provider) { m_fnToolTips = std::move(provider); }

    /// The action of the id, made on first use with the prompt and tool tip of the id's string
    /// resource ("prompt\ntip").
    QAction *Action(uint32_t id);
    /// The action of the id when one was made; null otherwise.
    QAction *FindAction(uint32_t id) const;
    /// Runs the command of the first target that knows the id; false when none does.
    bool Execute(uint32_t id);
    /// The state of the command as the targets decide it.
    CCmdUI QueryState(uint32_t id);

    /// The update pass over every action made.
    void UpdateAll();
    /// The update pass over the actions of a menu (its submenus when they show).
    void UpdateActions(const QList<QAction *> &actions);

    /// Fills the menu bar with the drop-down menus of the language library's menu resource.
    void FillMenuBar(QMenuBar *menuBar, uint32_t menuId);
    /// Fills the menu with the items (submenus included).
    void FillMenu(QMenu *menu, const std::vector<MenuItem> &items);
    /// Fills the toolbar with the buttons of the language library's toolbar resource.
    void FillToolBar(QToolBar *toolBar, uint32_t toolBarId);

private:
    void Apply(QAction *action);

    QWidget *m_pWindow;
    std::vector<ICommandTarget *> m_aTargets;
    std::map<uint32_t, QAction *> m_oActions;
    ToolTipProvider m_fnToolTips;
};
