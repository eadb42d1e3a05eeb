// Morvane editing commands.
// Copying the selected patterns and grade regions to the clipboard and pasting them into the
// active grade mask.
#include "app/commands/CmdClipboardCommands.h"

#include "app/commands/ItemClipboard.h"
#include "app/commands/SelectionEntries.h"
#include "app/documents/EventRecords.h"
#include "app/documents/IDocumentServices.h"
#include "app/documents/WaitCursor.h"
#include "app/interaction/FocusManager.h"
#include "model/GradeMask.h"
#include "model/GradeRegion.h"
#include "model/MVClipboard.h"
#include "model/MaskPattern.h"

#include <vector>

namespace {

/// The selection's entries of the class, in selection order.
std::vector<CFocusObject *> entriesOfClass(CFocusObject &selection, int selectionClass)
{
    std::vector<CFocusObject *> entries;
    for (int i = 0; i < morvane::selectionEntryCount(selection); ++i) {
        CFocusObject *entry = morvane::selectionEntry(selection, i);
        if (entry->GetSelectionClass() == selectionClass)
            entries.push_back(entry);
    }
    return entries;
}

/// A focus object for what the clipboard item pasted into the mask; null when it pasted
/// nothing.
std::unique_ptr<CFocusObject> pastedObject(const CMVClipboardItem &item, const IGradeMask &mask)
{
    if (CMaskPattern *pattern = item.GetPattern(); pattern && mask.FindPattern(pattern) >= 0)
        return CFocusObject::Create(pattern, CFocusObject::kPattern);
    if (CGradeRegion *region = item.GetRegion(); region && mask.FindGradeRegion(region) >= 0)
        return CFocusObject::Create(region, CFocusObject::kRegion);
    return nullptr;
}

} // namespace

CCmdCopySelectedObjects::CCmdCopySelectedObjects()
{
    Create("CopySelectedObjects");
    SetFlags(false, true, CMT_NO_MODIFY);
    SetNeedsActiveMask();
}

std::unique_ptr<ICommand> CCmdCopySelectedObjects::Clone() const
{
    return std::make_unique<CCmdCopySelectedObjects>(*this);
}

bool CCmdCopySelectedObjects::OnExecute(void *)
{
    IDocumentServices *document = GetDocument();
    auto *mask = dynamic_cast<CGradeMask *>(document->GetActiveGradeMask());
    CFocusManager *focus = GetFocusManager();
    if (mask == nullptr || focus == nullptr)
        return false;
    const WaitCursor wait(*document);
    CMVClipboard clipboard;
    clipboard.Create(mask);
    CFocusObject &selection = *focus->GetActiveObject();
    for (CFocusObject *region : entriesOfClass(selection, CFocusObject::kRegionClass))
        clipboard.AddClipboardItem(dynamic_cast<IRegion *>(region->GetItem()));
    for (int selectionClass : {CFocusObject::kMaskPatternClass, CFocusObject::kInputPatternClass}) {
        for (CFocusObject *pattern : entriesOfClass(selection, selectionClass))
            clipboard.AddClipboardItem(pattern->GetPattern());
    }
    std::string payload;
    if (!clipboard.GetXmlContent(payload))
        return false;
    morvane::itemClipboard().SetItems(payload);
    return true;
}

bool CCmdCopySelectedObjects::IsEnabled(void *)
{
    IDocumentServices *document = GetDocument();
    CFocusManager *focus = GetFocusManager();
    if (document == nullptr || !document->IsEditMode() || focus == nullptr)
        return false;
    const CFocusObject &active = *focus->GetActiveObject();
    return active.HasClass(CFocusObject::kMaskPatternClass) ||
           active.HasClass(CFocusObject::kInputPatternClass) ||
           active.HasClass(CFocusObject::kRegionClass);
}

CCmdCutSelectedObjects::CCmdCutSelectedObjects()
{
    Create("CutSelectedObjects");
    SetFlags(false, true, CMT_NO_MODIFY);
}

std::unique_ptr<ICommand> CCmdCutSelectedObjects::Clone() const
{
    return std::make_unique<CCmdCutSelectedObjects>(*this);
}

CCmdPasteObjects::CCmdPasteObjects()
{
    Create("PasteObjects");
    SetFlags(true, true, CMT_MODIFY);
    SetToolTips(61511);
}

std::unique_ptr<ICommand> CCmdPasteObjects::Clone() const
{
    return std::make_unique<CCmdPasteObjects>(*this);
}

bool CCmdPasteObjects::OnExecute(void *)
{
    const std::optional<std::string> payload = morvane::itemClipboard().GetItems();
    auto *mask = dynamic_cast<CGradeMask *>(GetActiveMask());
    if (!payload || payload->empty() || mask == nullptr)
        return false;
    const WaitCursor wait(*GetDocument());
    CMVClipboard clipboard;
    if (!clipboard.Create(*payload))
        return false;
    if (!RecordInHistory([&](IGradeMask &) { clipboard.UpdateMask(*mask); }))
        return false;
    std::vector<std::unique_ptr<CFocusObject>> pasted;
    SELECTION_REQUEST request;
    request.nKind = 4;
    for (int i = 0; i < clipboard.GetClipboardItemCount(); ++i) {
        if (auto object = pastedObject(*clipboard.GetClipboardItemAt(i), *mask)) {
            request.oItems.push_back(object.get());
            pasted.push_back(std::move(object));
        }
    }
    RunCommand("AddToSelection", &request);
    return true;
}

bool CCmdPasteObjects::IsEnabled(void *)
{
    IDocumentServices *document = GetDocument();
    return document != nullptr && document->IsEditMode() && morvane::itemClipboard().HasItems();
}
