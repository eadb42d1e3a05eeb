// Morvane editing commands.
// "AddFocusPolyline" and "AutoSelectNextContourLine": entries of the mask document's list of
// picked polylines, clicked or found as the next line of a contour.
#pragma once

#include "app/commands/DocCommand.h"

#include <memory>

class CFocusObject;
class IMaskDocumentAccess;

/// A command that appends one entry to the focus-polyline list. Undo takes the entry out and
/// keeps it, then updates "bCanSelectNextLine"; redo appends it again.
class CFocusPolylineEntryCommand : public CDocCommand
{
public:
    CFocusPolylineEntryCommand() = default;
    /// A copy without undo data (the prototype has none).
    CFocusPolylineEntryCommand(const CFocusPolylineEntryCommand &other);
    ~CFocusPolylineEntryCommand() override;

    void OnUndo() override;
    void OnRedo() override;

protected:
    /// The active mask document; null without one.
    IMaskDocumentAccess *GetMaskDocument() const;
    /// Appends the entry, keeps its index and updates "bCanSelectNextLine".
    void AddEntry(IMaskDocumentAccess &document, std::unique_ptr<CFocusObject> entry);

private:
    int m_nIndex = -1;
    std::unique_ptr<CFocusObject> m_pRemoved;
};

/// "AddFocusPolyline" (data not read): the polyline under the pointer joins the list, unless it
/// stands there already.
class CCmdAddFocusPolyline : public CFocusPolylineEntryCommand
{
public:
    CCmdAddFocusPolyline();

    std::unique_ptr<ICommand> Clone() const override;
    bool OnExecute(void *data) override;
};

/// "AutoSelectNextContourLine" (data not read): the line of the last entry's pattern that goes
/// on from the last entry (an end within 0.25 of one of its ends, not listed yet) joins the
/// list. Disabled while the list is empty.
class CCmdAutoSelectNextContourLine : public CFocusPolylineEntryCommand
{
public:
    CCmdAutoSelectNextContourLine();

    std::unique_ptr<ICommand> Clone() const override;
    using CFocusPolylineEntryCommand::IsEnabled;
    bool IsEnabled(void *data) override;
    bool OnExecute(void *data) override;
};
