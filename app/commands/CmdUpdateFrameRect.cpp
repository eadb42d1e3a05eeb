// Morvane editing commands.
// The frame dragged in free space: kept up to date, then what lies inside selected or tied.
#include "app/commands/CmdUpdateFrameRect.h"

#include "app/documents/EventRecords.h"
#include "app/documents/IDocumentServices.h"
#include "app/interaction/DisplayFlags.h"
#include "app/interaction/FocusManager.h"
#include "foundation/DRect.h"
#include "model/BasePoint.h"
#include "model/GradeMask.h"
#include "model/GradeRegion.h"
#include "model/IInputPatterns.h"
#include "model/InputPattern.h"
#include "model/MaskPointList.h"
#include "model/Pattern.h"

namespace {

constexpr int kCentreHalfSidePixels = 5;
constexpr uint32_t kTieUndoText = 61386;

/// The frame holds the point: its left and bottom edges do, its right and top edges do not.
bool holds(const CDRect &frame, double x, double y)
{
    return frame.minX <= x && x < frame.maxX && frame.minY <= y && y < frame.maxY;
}

/// The frame holds both corners of the rectangle.
bool holds(const CDRect &frame, const CDRect &rect)
{
    return rect.IsValid() && holds(frame, rect.minX, rect.minY) &&
           holds(frame, rect.maxX, rect.maxY);
}

/// The valid frame rectangle of the document; false when there is none.
bool readFrame(IDocumentServices &document, CDRect &frame)
{
    document.GetExtent(frame);
    return frame.IsValid();
}

} // namespace

CCmdUpdateFrameRect::CCmdUpdateFrameRect() : CCmdUpdateFrameRect("UpdateFrameRect") {}

CCmdUpdateFrameRect::CCmdUpdateFrameRect(const char *name)
{
    Create(name);
    SetFlags(false, true, CMT_NO_MODIFY);
}

std::unique_ptr<ICommand> CCmdUpdateFrameRect::Clone() const
{
    return std::make_unique<CCmdUpdateFrameRect>(*this);
}

bool CCmdUpdateFrameRect::OnExecute(void *data)
{
    const auto *mouse = static_cast<const VIEW_MOUSE_PARAM *>(data);
    IDocumentServices *document = GetDocument();
    if (mouse == nullptr || document == nullptr)
        return false;
    document->SetExtent(mouse->pressPosition.x, mouse->pressPosition.y, mouse->position.x,
                        mouse->position.y);
    return true;
}

CCmdInitializeFrameRect::CCmdInitializeFrameRect() : CCmdUpdateFrameRect("InitializeFrameRect") {}

std::unique_ptr<ICommand> CCmdInitializeFrameRect::Clone() const
{
    return std::make_unique<CCmdInitializeFrameRect>(*this);
}

CCmdUpdateSelectionFromFrameRect::CCmdUpdateSelectionFromFrameRect()
{
    Create("UpdateSelectionFromFrameRect");
    SetFlags(false, true, CMT_NO_MODIFY);
}

std::unique_ptr<ICommand> CCmdUpdateSelectionFromFrameRect::Clone() const
{
    return std::make_unique<CCmdUpdateSelectionFromFrameRect>(*this);
}

bool CCmdUpdateSelectionFromFrameRect::OnExecute(void *data)
{
    IDocumentServices *document = GetDocument();
    CFocusManager *focus = GetFocusManager();
    CDRect frame;
    if (document == nullptr || focus == nullptr || !readFrame(*document, frame))
        return false;
    const CDisplayFlags *flags = document->GetDisplayFlags();
    IGradeMask *mask = document->GetActiveGradeMask();
    const CFocusObject &active = *focus->GetActiveObject();
    std::vector<std::unique_ptr<CFocusObject>> found;
    const auto takePattern = [&](CPattern *pattern) {
        if (holds(frame, pattern->GetAbsRect(nullptr)) && !active.RefersTo(pattern))
            found.push_back(CFocusObject::Create(pattern, CFocusObject::kPattern));
    };
    if (flags != nullptr && flags->GetShowGuidePatterns() && mask != nullptr) {
        for (int i = 0; i < mask->GetPatternCount(); ++i)
            takePattern(mask->GetPatternAt(i));
    }
    IInputPatterns *inputs = document->GetInputPatterns();
    if (flags != nullptr && flags->GetShowInputPatterns() && inputs != nullptr) {
        for (int i = 0; i < inputs->GetPatternCount(); ++i) {
            CPattern *pattern = inputs->GetPatternAt(i);
            if (pattern->GetInputPattern() != nullptr && pattern->GetInputPattern()->IsFlagged())
                takePattern(pattern);
        }
    }
    if (flags != nullptr && flags->GetShowMaskRegions() && mask != nullptr) {
        for (int i = 0; i < mask->GetGradeRegionCount(); ++i) {
            IRegion *region = mask->GetGradeRegionAt(i);
            auto *item = dynamic_cast<CObject *>(region);
            CDRect bounds;
            region->GetBoundRect(bounds, true);
            if (holds(frame, bounds) && !active.RefersTo(item))
                found.push_back(CFocusObject::Create(item, CFocusObject::kRegion));
        }
    }
    if (mask != nullptr && !active.HasClass(CFocusObject::kMaskCentreClass)) {
        const auto *mouse = static_cast<const VIEW_MOUSE_PARAM *>(data);
        const double zoom = mouse != nullptr && mouse->zoom > 0.0 ? mouse->zoom : 1.0;
        const double half = kCentreHalfSidePixels / zoom;
        const DPOINT centre = mask->GetCenter();
        if (holds(frame, CDRect(centre.x - half, centre.y - half, centre.x + half, centre.y + half)))
            found.push_back(CFocusObject::Create(nullptr, CFocusObject::kMaskCentre));
    }
    SELECTION_REQUEST request;
    request.bAddToActive = true;
    request.nKind = 4;
    for (const auto &object : found)
        request.oItems.push_back(object.get());
    return RunCommand("AddToSelection", &request);
}

CCmdUpdateRectFocusPoints::CCmdUpdateRectFocusPoints()
{
    Create("UpdateRectFocusPoints");
    SetFlags(false, true, CMT_NO_MODIFY);
    SetToolTips(kTieUndoText);
}

std::unique_ptr<ICommand> CCmdUpdateRectFocusPoints::Clone() const
{
    return std::make_unique<CCmdUpdateRectFocusPoints>(*this);
}

bool CCmdUpdateRectFocusPoints::OnExecute(void *)
{
    IDocumentServices *document = GetDocument();
    const CFocusManager *focus = GetFocusManager();
    IGradeMask *mask = document != nullptr ? document->GetActiveGradeMask() : nullptr;
    CBasePoint *active = focus != nullptr ? focus->GetActivePoint() : nullptr;
    IMaskPoint *maskPoint = active != nullptr ? active->GetMaskPoint() : nullptr;
    CDRect frame;
    if (mask == nullptr || maskPoint == nullptr || !readFrame(*document, frame))
        return false;
    CPtrCollection<CBasePoint> points;
    mask->GetPointsForAssociationInRect(maskPoint, frame, points);
    // The mask offers no point tied to the active one already.
    for (CBasePoint *point : points)
        mask->GetPointAssociationMap()->AddAssociation(maskPoint, point);
    return true;
}
