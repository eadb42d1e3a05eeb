// Morvane program task definitions.
// The base of the tools with focus rules: their focus search, enter and leave hooks and prompts.
#include "app/taskdefs/FocusTaskDefinition.h"

#include "app/documents/IDocumentServices.h"
#include "app/interaction/FocusManager.h"
#include "app/interaction/IMaskDocumentAccess.h"
#include "app/interaction/InteractionModes.h"
#include "app/taskdefs/TaskDocument.h"
#include "lang/ResourceText.h"
#include "tasks/ICommandAttributes.h"
#include "tasks/ITask.h"

#include <algorithm>

CFocusTaskDefinition::CFocusTaskDefinition(morvane::FocusToolSettings settings)
    : m_oSettings(std::move(settings))
{}

CFocusTaskDefinition::~CFocusTaskDefinition() = default;

void CFocusTaskDefinition::OnEnter(ITask *task)
{
    if (!AttachShapeSet(task))
        return;
    IDocumentServices *services = morvane::documentServices(task);
    IMaskDocumentAccess *document = m_oShapeSet.GetMaskDocument();
    if (m_oSettings.activateSelectedPattern && document->GetFocusManager() != nullptr)
        document->GetFocusManager()->ActivateSelectedPattern();
    if (const CInteractionModes *modes = document->GetInteractionModes())
        m_nSavedSnapMode = modes->GetSnapMode();
    ICommandAttributes *variables = task->GetAttributes();
    variables->SetInteger("EditToolMode", m_oSettings.editToolMode);
    services->ClearItemList();
    services->ClearFocusTypes();
    for (int type : m_oSettings.focusTypes)
        services->AddFocusType(type);
    if (m_oSettings.snapMode)
        variables->SetInteger("nSnapMode", *m_oSettings.snapMode);
    PublishShapeSet(task);
    InstallFocusRules(task);
}

void CFocusTaskDefinition::OnExit(ITask *task)
{
    ICommandAttributes *variables = task->GetAttributes();
    variables->SetInteger("nSnapMode", m_nSavedSnapMode);
    variables->SetInteger("EditToolMode", 0);
}

void CFocusTaskDefinition::OnStateEnter(ITask *task, const std::string &stateName, int index)
{
    IDocumentServices *services = morvane::documentServices(task);
    if (services == nullptr || m_oSettings.prompts.empty())
        return;
    const std::string text = GetPromptText(task, stateName, index);
    if (services->GetStringAt(0) != text)
        services->SetStringAt(0, text);
}

void CFocusTaskDefinition::DeclareFocusVariable(ITask *task)
{
    task->GetAttributes()->AddVariable("pFocusManager", "0", morvane::kVisibleReadOnly);
}

bool CFocusTaskDefinition::AttachShapeSet(ITask *task)
{
    IDocumentServices *services = morvane::documentServices(task);
    IMaskDocumentAccess *document =
        services != nullptr ? services->GetActiveMaskDocument() : nullptr;
    if (document == nullptr)
        return false;
    m_oShapeSet.SetOwner(services, document);
    return true;
}

void CFocusTaskDefinition::PublishShapeSet(ITask *task)
{
    task->GetAttributes()->SetPointer("pFocusManager", &m_oShapeSet);
}

void CFocusTaskDefinition::InstallFocusRules(ITask *task)
{
    void *published = nullptr;
    task->GetAttributes()->GetPointer("pFocusManager", &published);
    if (published == nullptr)
        return;
    auto *shapeSet = static_cast<CFocusShapeSet *>(published);
    shapeSet->GetFilterList().RemoveAll();
    AddFocusRules(shapeSet->GetFilterList());
    shapeSet->Rebuild();
}

void CFocusTaskDefinition::AddFocusRules(CFocusFilterList &rules)
{
    for (const morvane::FocusRule &rule : m_oSettings.rules)
        rules.AddFilter(rule.objectKind, rule.detailKind, rule.tolerance, rule.snapTolerance,
                        rule.membership, rule.source, rule.pointMode, rule.size);
}

std::string CFocusTaskDefinition::GetPromptText(ITask *, const std::string &stateName, int index)
{
    const auto &prompts = m_oSettings.prompts;
    const auto found = std::find_if(prompts.begin(), prompts.end(),
                                    [&](const morvane::StatePrompt &prompt) {
                                        return prompt.state.empty() ? prompt.number == index
                                                                    : prompt.state == stateName;
                                    });
    return found != prompts.end() ? morvane::loadString(found->stringId) : std::string();
}
