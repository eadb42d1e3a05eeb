// Morvane editing commands.
// "ZoomIn", "ZoomOut" and "ZoomToRect": the scale of the view that sent the mouse event.
#include "app/commands/CmdZoom.h"

#include "app/documents/EventRecords.h"
#include "app/documents/IDocumentServices.h"
#include "app/documents/IMorvaneView.h"
#include "foundation/DRect.h"

namespace {

IMorvaneView *viewOf(void *data)
{
    const auto *record = static_cast<const VIEW_MOUSE_PARAM *>(data);
    return record != nullptr ? record->view : nullptr;
}

} // namespace

CCmdZoomIn::CCmdZoomIn()
{
    Create("ZoomIn");
    SetFlags(false, true, CMT_NO_MODIFY);
}

std::unique_ptr<ICommand> CCmdZoomIn::Clone() const
{
    return std::make_unique<CCmdZoomIn>(*this);
}

bool CCmdZoomIn::OnExecute(void *data)
{
    IMorvaneView *view = viewOf(data);
    if (view == nullptr)
        return false;
    const DPOINT at = static_cast<const VIEW_MOUSE_PARAM *>(data)->position;
    view->ZoomInAt(at.x, at.y);
    return true;
}

CCmdZoomOut::CCmdZoomOut()
{
    Create("ZoomOut");
    SetFlags(false, true, CMT_NO_MODIFY);
}

std::unique_ptr<ICommand> CCmdZoomOut::Clone() const
{
    return std::make_unique<CCmdZoomOut>(*this);
}

bool CCmdZoomOut::OnExecute(void *data)
{
    IMorvaneView *view = viewOf(data);
    if (view == nullptr)
        return false;
    const DPOINT at = static_cast<const VIEW_MOUSE_PARAM *>(data)->position;
    view->ZoomOutAt(at.x, at.y);
    return true;
}

CCmdZoomToRect::CCmdZoomToRect()
{
    Create("ZoomToRect");
    SetFlags(false, true, CMT_NO_MODIFY);
}

std::unique_ptr<ICommand> CCmdZoomToRect::Clone() const
{
    return std::make_unique<CCmdZoomToRect>(*this);
}

bool CCmdZoomToRect::OnExecute(void *data)
{
    IDocumentServices *document = GetDocument();
    IMorvaneView *view = viewOf(data);
    if (document == nullptr || view == nullptr)
        return false;
    CDRect frame;
    document->GetExtent(frame);
    if (!frame.IsValid())
        return false;
    view->ZoomToRect(frame, 0, 0, 0, 0);
    return true;
}
