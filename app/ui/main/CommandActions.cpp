// Morvane main window, view and interaction.
// One action per menu command id, routed to the window's command targets, with the update pass
// that enables and checks them; menus and toolbars built from the language library.
#include "app/ui/main/CommandActions.h"

#include "app/documents/CommandTable.h"
#include "lang/LanguageLibrary.h"
#include "lang/ResourceText.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <QWidget>

#include <algorithm>

namespace {

const CLanguageLibrary *language()
{
    return CLanguageLibrary::GetCurrent();
}

} // namespace

CCommandActions::CCommandActions(QWidget *window) : QObject(window), m_pWindow(window) {}

CCommandActions::~CCommandActions() = default;

void CCommandActions::AddTarget(ICommandTarget *target)
{
    if (target)
        m_aTargets.push_back(target);
}

void CCommandActions::RemoveTarget(ICommandTarget *target)
{
    m_aTargets.erase(std::remove(m_aTargets.begin(), m_aTargets.end(), target), m_aTargets.end());
}

QAction *CCommandActions::Action(uint32_t id)
{
    if (QAction *found = FindAction(id))
        return found;
    const QString resource = QString::fromStdString(morvane::loadString(id));
    const QString prompt = resource.section('\n', 0, 0);
    const QString tip = resource.section('\n', 1);
    auto *action = new QAction(tip.isEmpty() ? prompt : tip, m_pWindow);
    action->setData(id);
    action->setStatusTip(prompt);
    action->setToolTip(tip.isEmpty() ? prompt : tip);
    connect(action, &QAction::triggered, this, [this, id] { Execute(id); });
    m_pWindow->addAction(action);
    m_oActions.emplace(id, action);
    return action;
}

QAction *CCommandActions::FindAction(uint32_t id) const
{
    const auto found = m_oActions.find(id);
    return found == m_oActions.end() ? nullptr : found->second;
}

bool CCommandActions::Execute(uint32_t id)
{
    for (ICommandTarget *target : m_aTargets) {
        if (target->OnCommand(id))
            return true;
    }
    return false;
}

CCmdUI CCommandActions::QueryState(uint32_t id)
{
    CCmdUI state(id);
    const bool known = std::any_of(m_aTargets.begin(), m_aTargets.end(),
                                   [&state](ICommandTarget *target) {
                                       return target->OnUpdateCommand(state);
                                   });
    if (!known)
        state.Enable(false);
    return state;
}

void CCommandActions::UpdateAll()
{
    for (const auto &[id, action] : m_oActions)
        Apply(action);
}

void CCommandActions::UpdateActions(const QList<QAction *> &actions)
{
    for (QAction *action : actions) {
        if (!action->isSeparator() && !action->menu())
            Apply(action);
    }
}

void CCommandActions::Apply(QAction *action)
{
    const uint32_t id = action->data().toUInt();
    const CCmdUI state = QueryState(id);
    action->setEnabled(state.IsEnabled());
    if (state.IsCheckSet()) {
        action->setCheckable(true);
        action->setChecked(state.GetCheck() == 1);
    }
    if (state.GetText())
        action->setText(QString::fromStdString(*state.GetText()));
    if (m_fnToolTips) {
        if (const auto tip = m_fnToolTips(id))
            action->setToolTip(QString::fromStdString(*tip));
    }
}

void CCommandActions::FillMenuBar(QMenuBar *menuBar, uint32_t menuId)
{
    if (!language())
        return;
    for (const MenuItem &popup : language()->GetMenu(menuId)) {
        QMenu *menu = menuBar->addMenu(QString::fromStdString(popup.m_sText));
        FillMenu(menu, popup.m_aItems);
    }
}

void CCommandActions::FillMenu(QMenu *menu, const std::vector<MenuItem> &items)
{
    connect(menu, &QMenu::aboutToShow, this, [this, menu] { UpdateActions(menu->actions()); });
    for (const MenuItem &item : items) {
        if (item.IsSeparator()) {
            menu->addSeparator();
        } else if (item.m_nCommandId == 0) {
            FillMenu(menu->addMenu(QString::fromStdString(item.m_sText)), item.m_aItems);
        } else {
            QAction *action = Action(item.m_nCommandId);
            action->setText(QString::fromStdString(item.m_sText));
            menu->addAction(action);
        }
    }
}

void CCommandActions::FillToolBar(QToolBar *toolBar, uint32_t toolBarId)
{
    if (!language())
        return;
    for (uint32_t id : language()->GetToolbar(toolBarId)) {
        if (id == 0)
            toolBar->addSeparator();
        else
            toolBar->addAction(Action(id));
    }
}
