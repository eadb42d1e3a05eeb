// Morvane editing commands.
// "AddFocusPolyline" and "AutoSelectNextContourLine": entries of the mask document's list of
// picked polylines, clicked or found as the next line of a contour.
#include "app/commands/polylines/CmdFocusPolylines.h"

#include "app/commands/polylines/FocusPolylineSearch.h"
#include "app/documents/IDocumentServices.h"
#include "app/interaction/FocusManager.h"
#include "app/interaction/IMaskDocumentAccess.h"
#include "model/Pattern.h"

using namespace morvane;

namespace {

constexpr uint32_t kPickLineTipId = 61484;
constexpr uint32_t kNextLineTipId = 61386;

} // namespace

CFocusPolylineEntryCommand::CFocusPolylineEntryCommand(const CFocusPolylineEntryCommand &other)
    : CDocCommand(other)
{
}

CFocusPolylineEntryCommand::~CFocusPolylineEntryCommand() = default;

IMaskDocumentAccess *CFocusPolylineEntryCommand::GetMaskDocument() const
{
    IDocumentServices *document = GetDocument();
    return document != nullptr ? document->GetActiveMaskDocument() : nullptr;
}

void CFocusPolylineEntryCommand::AddEntry(IMaskDocumentAccess &document,
                                          std::unique_ptr<CFocusObject> entry)
{
    m_nIndex = document.AddFocusPolyline(std::move(entry));
    if (GetTask() != nullptr)
        updateCanSelectNextLine(*GetTask(), document);
}

void CFocusPolylineEntryCommand::OnUndo()
{
    IMaskDocumentAccess *document = GetMaskDocument();
    const CFocusObject *entry =
        document != nullptr ? document->GetFocusPolylineAt(m_nIndex) : nullptr;
    if (entry == nullptr)
        return;
    m_pRemoved = CFocusObject::Clone(*entry);
    document->RemoveFocusPolylineAt(m_nIndex);
    if (GetTask() != nullptr)
        updateCanSelectNextLine(*GetTask(), *document);
}

void CFocusPolylineEntryCommand::OnRedo()
{
    IMaskDocumentAccess *document = GetMaskDocument();
    if (document != nullptr && m_pRemoved != nullptr)
        m_nIndex = document->AddFocusPolyline(std::move(m_pRemoved));
}

CCmdAddFocusPolyline::CCmdAddFocusPolyline()
{
    Create("AddFocusPolyline");
    SetFlags(true, true, CMT_NO_MODIFY);
    SetToolTips(kPickLineTipId);
    SetNeedsActiveMask();
}

std::unique_ptr<ICommand> CCmdAddFocusPolyline::Clone() const
{
    return std::make_unique<CCmdAddFocusPolyline>(*this);
}

bool CCmdAddFocusPolyline::OnExecute(void *)
{
    IMaskDocumentAccess *document = GetMaskDocument();
    CFocusManager *focus = GetFocusManager();
    if (document == nullptr || focus == nullptr)
        return false;
    const CFocusObject &clicked = *focus->GetFocusObject();
    const CPolyline *line = focusPolyline(clicked);
    if (line == nullptr || findFocusPolyline(*document, line) >= 0)
        return false;
    AddEntry(*document, CFocusObject::Clone(clicked));
    return true;
}

CCmdAutoSelectNextContourLine::CCmdAutoSelectNextContourLine()
{
    Create("AutoSelectNextContourLine");
    SetFlags(true, true, CMT_NO_MODIFY);
    SetToolTips(kNextLineTipId);
    SetNeedsActiveMask();
}

std::unique_ptr<ICommand> CCmdAutoSelectNextContourLine::Clone() const
{
    return std::make_unique<CCmdAutoSelectNextContourLine>(*this);
}

bool CCmdAutoSelectNextContourLine::IsEnabled(void *)
{
    const IMaskDocumentAccess *document = GetMaskDocument();
    return document != nullptr && document->GetFocusPolylineCount() > 0;
}

bool CCmdAutoSelectNextContourLine::OnExecute(void *)
{
    IMaskDocumentAccess *document = GetMaskDocument();
    const int count = document != nullptr ? document->GetFocusPolylineCount() : 0;
    if (count == 0)
        return false;
    const CFocusObject &last = *document->GetFocusPolylineAt(count - 1);
    auto *pattern = dynamic_cast<CPattern *>(last.GetDetailObject());
    const int next =
        pattern != nullptr ? findNextContourLine(*document, *pattern, last.GetLineIndex()) : -1;
    if (next < 0)
        return false;
    auto entry = CFocusObject::Create(pattern->GetPatternPolylineAt(next), CFocusObject::kPolyline);
    entry->SetDetailObject(pattern);
    entry->SetLineIndex(next);
    AddEntry(*document, std::move(entry));
    return true;
}
