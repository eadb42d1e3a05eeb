// Morvane editing commands.
// The display of input and guide patterns, and whether mask patterns may be edited.
#include "app/commands/CmdShowInputPatterns.h"

#include "app/documents/EventRecords.h"
#include "app/documents/IDocumentServices.h"
#include "app/interaction/DisplayFlags.h"
#include "app/interaction/FocusManager.h"
#include "model/Pattern.h"

namespace {

void setShown(CDisplayFlags &flags, bool inputPatterns, bool show)
{
    if (inputPatterns)
        flags.SetShowInputPatterns(show);
    else
        flags.SetShowGuidePatterns(show);
}

bool isShown(const CDisplayFlags &flags, bool inputPatterns)
{
    return inputPatterns ? flags.GetShowInputPatterns() : flags.GetShowGuidePatterns();
}

} // namespace

CCmdShowPatterns::CCmdShowPatterns(const char *name, bool inputPatterns)
    : m_bInputPatterns(inputPatterns)
{
    Create(name);
    SetFlags(false, true, CMT_NO_MODIFY);
}

std::unique_ptr<ICommand> CCmdShowPatterns::Clone() const
{
    return std::make_unique<CCmdShowPatterns>(*this);
}

bool CCmdShowPatterns::OnExecute(void *data)
{
    IDocumentServices *document = GetDocument();
    CDisplayFlags *flags = document != nullptr ? document->GetDisplayFlags() : nullptr;
    if (flags == nullptr)
        return false;
    const bool show = morvane::eventDataInteger(data) != 0;
    const CFocusManager *focus = document->GetFocusManager();
    CPattern *active = focus != nullptr && focus->IsActivePattern()
                           ? focus->GetActiveObject()->GetPattern()
                           : nullptr;
    if (!show && active != nullptr && active->IsMaskPattern() != m_bInputPatterns) {
        const auto nothing = CFocusObject::Create(nullptr, CFocusObject::kNothing);
        if (IsCommandEnabled("SetActiveItem", nothing.get()))
            RunCommand("SetActiveItem", nothing.get());
    }
    setShown(*flags, m_bInputPatterns, show);
    if (!isShown(*flags, true) && !isShown(*flags, false))
        RunCommand(m_bInputPatterns ? "ShowGuidePatterns" : "ShowInputPatterns",
                   morvane::integerEventData(1));
    return true;
}

CCmdShowInputPatterns::CCmdShowInputPatterns() : CCmdShowPatterns("ShowInputPatterns", true) {}

CCmdShowGuidePatterns::CCmdShowGuidePatterns() : CCmdShowPatterns("ShowGuidePatterns", false) {}

CCmdSetEditMaskPatterns::CCmdSetEditMaskPatterns()
{
    Create("SetEditMaskPatterns");
    SetFlags(false, true, CMT_NO_MODIFY);
}

std::unique_ptr<ICommand> CCmdSetEditMaskPatterns::Clone() const
{
    return std::make_unique<CCmdSetEditMaskPatterns>(*this);
}

bool CCmdSetEditMaskPatterns::OnExecute(void *data)
{
    IDocumentServices *document = GetDocument();
    if (document == nullptr)
        return false;
    document->SetEditMode(morvane::eventDataInteger(data) != 0);
    return true;
}
