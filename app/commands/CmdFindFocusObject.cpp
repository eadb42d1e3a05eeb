// Morvane editing commands.
// "FindFocusObject" and "FindFocusLine": what lies under the pointer becomes the focus object.
#include "app/commands/CmdFindFocusObject.h"

#include "app/documents/EventRecords.h"
#include "app/documents/IDocumentServices.h"
#include "app/interaction/FocusFilterList.h"
#include "app/interaction/FocusManager.h"
#include "app/interaction/FocusShapeSet.h"
#include "app/interaction/GradePathEditor.h"
#include "app/interaction/MultiFocusObject.h"
#include "app/interaction/RotationPivot.h"
#include "model/BasePoint.h"
#include "model/Contour.h"
#include "model/GradeMask.h"
#include "model/IInputPatterns.h"
#include "model/InputPattern.h"
#include "model/Pattern.h"
#include "model/Polyline.h"
#include "tasks/ICommandAttributes.h"

#include <vector>

using morvane::FocusLineShape;
using morvane::FocusPathShape;
using morvane::FocusPointShape;
using morvane::FocusRegionShape;
using morvane::FocusShape;

namespace {

/// Where a point lies in its owner pattern.
struct PointOwner
{
    CPattern *pattern = nullptr;
    int polyline = -1;
    int index = -1;
};

/// The point found in the pattern: first on a line, then as a mark point, then as a base point.
bool findInPattern(CPattern &pattern, const CBasePoint *point, PointOwner &owner)
{
    int polyline = -1;
    const int onLine = pattern.FindPolyPoint(point, polyline);
    if (onLine >= 0) {
        owner = {&pattern, polyline, onLine};
        return true;
    }
    if (pattern.FindMarkPoint(point) >= 0 || pattern.FindBasePoint(point) >= 0) {
        owner = {&pattern, -1, -1};
        return true;
    }
    return false;
}

/// The owner of the point among the input patterns, then the mask's patterns. A point belongs
/// to one pattern (its parent), so only that one is searched, where the document holds it.
bool findPointOwner(IDocumentServices &document, const CBasePoint *point, PointOwner &owner)
{
    CPattern *parent = point->GetParent();
    if (parent == nullptr)
        return false;
    if (IInputPatterns *inputs = document.GetInputPatterns()) {
        for (int i = 0; i < inputs->GetPatternCount(); ++i) {
            if (inputs->GetPatternAt(i) == parent)
                return findInPattern(*parent, point, owner);
        }
    }
    if (IGradeMask *mask = document.GetActiveGradeMask()) {
        for (int i = 0; i < mask->GetPatternCount(); ++i) {
            if (mask->GetPatternAt(i) == parent)
                return findInPattern(*parent, point, owner);
        }
    }
    return false;
}

/// The position of a point reference's shape for the reference's element.
DPOINT positionOf(const CShapeRef &ref)
{
    DPOINT position;
    if (IPositionShape *shape = ref.GetPositionShape())
        shape->GetElementPosition(ref.GetElement(), position.x, position.y);
    return position;
}

/// The contour that a line of the pattern is shown on: pointing again at the line of the
/// selected contour steps on to the next contour that holds it.
CContour *chooseContour(const CPattern &pattern, const CPolyline *line, const CFocusObject &active)
{
    CPtrCollection<CContour> contours;
    pattern.FindContours(line, contours);
    CContour *first = contours.GetCount() > 0 ? contours.GetAt(0) : nullptr;
    const CFocusObject *nested = active.IsPattern() ? active.GetSubObject() : nullptr;
    const bool lineActive = nested != nullptr && nested->GetType() == CFocusObject::kPolyline &&
                            nested->GetItem() == line;
    CContour *activeContour = active.GetContour();
    if (activeContour == nullptr)
        return first;
    const int at = contours.Find(activeContour);
    if (lineActive)
        return at >= 0 ? contours.GetAt((at + 1) % contours.GetCount()) : first;
    return at >= 0 ? activeContour : first;
}

int32_t flag(bool value)
{
    return value ? 1 : 0;
}

} // namespace

namespace morvane {

CFocusShapeSet *taskFocusShapeSet(const ICommand &command)
{
    const ICommandAttributes *variables = command.GetAttributes();
    void *published = nullptr;
    if (variables != nullptr)
        variables->GetPointer("pFocusManager", &published);
    return static_cast<CFocusShapeSet *>(published);
}

} // namespace morvane

CCmdFindFocusObject::CCmdFindFocusObject()
{
    Create("FindFocusObject");
    SetFlags(false, false, CMT_NO_MODIFY);
}

std::unique_ptr<ICommand> CCmdFindFocusObject::Clone() const
{
    return std::make_unique<CCmdFindFocusObject>(*this);
}

bool CCmdFindFocusObject::OnExecute(void *data)
{
    const auto *mouse = static_cast<const VIEW_MOUSE_PARAM *>(data);
    CFocusManager *focus = GetFocusManager();
    if (mouse == nullptr || focus == nullptr)
        return false;
    CFocusShapeSet *shapes = morvane::taskFocusShapeSet(*this);
    const CShapeHit *hit =
        shapes != nullptr ? shapes->FindShapeAt(mouse->position.x, mouse->position.y) : nullptr;
    std::unique_ptr<CFocusObject> object = hit != nullptr ? MakeFocusObject(*hit) : nullptr;
    if (object == nullptr) {
        object = CFocusObject::Create(nullptr, CFocusObject::kNothing);
        object->SetPosition(mouse->position);
    }
    if (object->IsRegion())
        object->SetPosition(mouse->position);
    const CFocusObject *held = focus->SetFocusObject(std::move(object));
    ICommandAttributes *variables = GetAttributes();
    variables->SetInteger("bIsActiveFocused", flag(IsFocusActive(*held)));
    variables->SetInteger("bIsMaskItemFocused", flag(IsMaskItemFocused(*held)));
    return true;
}

std::unique_ptr<CFocusObject> CCmdFindFocusObject::MakeFocusObject(const CShapeHit &hit) const
{
    const CShapeRef &ref = *hit.GetRef();
    switch (ref.GetId()) {
    case CFocusFilterList::kRegionCode: {
        const auto *shape = dynamic_cast<const FocusRegionShape *>(CFocusShapeSet::GetFocusShape(ref));
        if (shape == nullptr)
            return nullptr;
        auto region = CFocusObject::Create(shape->GetItem(), CFocusObject::kRegion);
        const int32_t part = ref.GetKind() == ShapeKind::CornerOutline
                                 ? FocusRegionShape::GetPartKind(hit.GetEdge())
                                 : CFocusObject::kNothing;
        region->SetSubObject(shape->GetItem(), part);
        return region;
    }
    case CFocusFilterList::kLineCode:
        return makeLineObject(hit);
    case CFocusFilterList::kPointCode:
    case CFocusFilterList::kMarkPointCode:
        return makePointObject(hit);
    case CFocusFilterList::kCentreCode: {
        const FocusShape *shape = CFocusShapeSet::GetFocusShape(ref);
        auto centre = CFocusObject::Create(shape != nullptr ? shape->GetItem() : nullptr,
                                           CFocusObject::kMaskCentre);
        centre->SetPosition(positionOf(ref));
        return centre;
    }
    case CFocusFilterList::kPivotCode: {
        auto pivot = CFocusObject::Create(nullptr, CFocusObject::kPivot);
        pivot->SetPosition(positionOf(ref));
        return pivot;
    }
    default:
        return nullptr;
    }
}

std::unique_ptr<CFocusObject> CCmdFindFocusObject::makeLineObject(const CShapeHit &hit) const
{
    const FocusShape *shape = CFocusShapeSet::GetFocusShape(*hit.GetRef());
    if (dynamic_cast<const FocusPathShape *>(shape) != nullptr)
        return makePathLineObject(hit);
    const auto *lineShape = dynamic_cast<const FocusLineShape *>(shape);
    CPolyline *line = lineShape != nullptr ? lineShape->GetPolyline() : nullptr;
    CPattern *owner = line != nullptr ? line->GetOwner() : nullptr;
    if (owner == nullptr)
        return nullptr;
    auto object = CFocusObject::Create(line, CFocusObject::kPolyline);
    object->SetDetailObject(owner);
    object->SetLineIndex(owner->FindPolyline(line));
    static_cast<CPolylineFocusObject &>(*object).SetSegmentIndex(hit.GetIndex());
    object->SetPosition(hit.GetPoint());
    object->SetSize(shape->GetSizeKey(hit.GetRef()->GetElement()));
    object->SetContour(chooseContour(*owner, line, *GetFocusManager()->GetActiveObject()));
    return object;
}

std::unique_ptr<CFocusObject> CCmdFindFocusObject::makePathLineObject(const CShapeHit &hit) const
{
    const auto *shape = static_cast<const FocusPathShape *>(
        CFocusShapeSet::GetFocusShape(*hit.GetRef()));
    std::vector<PATTERNDPOINT> vertices;
    shape->GetPath()->GetPoints(vertices, nullptr);
    const int segment = hit.GetIndex();
    if (segment < 0 || segment >= static_cast<int>(vertices.size()))
        return nullptr;
    const PATTERNDPOINT &from = vertices[segment];
    CPattern *owner = from.pattern;
    if (owner == nullptr || from.polyline < 0 || from.polyline >= owner->GetPolylineCount())
        return nullptr;
    int lineSegment = from.vertex;
    if (segment + 1 < static_cast<int>(vertices.size()) &&
        vertices[segment + 1].polyline == from.polyline)
        lineSegment = std::min(from.vertex, vertices[segment + 1].vertex);
    auto object = CFocusObject::Create(owner->GetPatternPolylineAt(from.polyline),
                                       CFocusObject::kPolyline);
    object->SetDetailObject(owner);
    object->SetLineIndex(from.polyline);
    static_cast<CPolylineFocusObject &>(*object).SetSegmentIndex(lineSegment);
    object->SetPosition(hit.GetPoint());
    object->SetSize(shape->GetSizeKey(hit.GetRef()->GetElement()));
    return object;
}

std::unique_ptr<CFocusObject> CCmdFindFocusObject::makePointObject(const CShapeHit &hit) const
{
    const auto *shape =
        dynamic_cast<const FocusPointShape *>(CFocusShapeSet::GetFocusShape(*hit.GetRef()));
    auto *point = shape != nullptr ? dynamic_cast<CBasePoint *>(shape->GetItem()) : nullptr;
    PointOwner owner;
    if (point == nullptr || !findPointOwner(*GetDocument(), point, owner))
        return nullptr;
    auto object = CFocusObject::Create(point, CFocusObject::kPoint);
    object->SetDetailObject(owner.pattern);
    object->SetLineIndex(owner.polyline);
    object->SetPointIndex(owner.index);
    object->SetSize(shape->GetSizeKey(hit.GetRef()->GetElement()));
    object->SetPosition(positionOf(*hit.GetRef()));
    return object;
}

bool CCmdFindFocusObject::IsFocusActive(const CFocusObject &focus) const
{
    const CFocusObject &active = *GetFocusManager()->GetActiveObject();
    if (const auto *selection = dynamic_cast<const CMultiFocusObject *>(&active))
        return selection->Find(focus) >= 0;
    switch (focus.GetType()) {
    case CFocusObject::kPivot:
        return active.GetType() == CFocusObject::kPivot;
    case CFocusObject::kRegion:
    case CFocusObject::kMaskCentre:
        return focus.GetItem() != nullptr && active.GetItem() == focus.GetItem();
    case CFocusObject::kPolyline:
    case CFocusObject::kPoint:
        return focus.GetDetailObject() != nullptr && active.GetItem() == focus.GetDetailObject();
    default:
        return false;
    }
}

bool CCmdFindFocusObject::IsMaskItemFocused(const CFocusObject &focus) const
{
    const CFocusObject &active = *GetFocusManager()->GetActiveObject();
    if (const auto *selection = dynamic_cast<const CMultiFocusObject *>(&active))
        return selection->Find(focus) >= 0;
    switch (focus.GetType()) {
    case CFocusObject::kPivot:
    case CFocusObject::kRegion:
    case CFocusObject::kMaskCentre:
        return true;
    case CFocusObject::kPolyline:
    case CFocusObject::kPoint: {
        auto *owner = dynamic_cast<CPattern *>(focus.GetDetailObject());
        return owner != nullptr && owner->IsMaskPattern();
    }
    default:
        return false;
    }
}

CCmdFindFocusLine::CCmdFindFocusLine()
{
    Create("FindFocusLine");
    SetFlags(false, true, CMT_NO_MODIFY);
}

std::unique_ptr<ICommand> CCmdFindFocusLine::Clone() const
{
    return std::make_unique<CCmdFindFocusLine>(*this);
}

bool CCmdFindFocusLine::OnExecute(void *data)
{
    const auto *mouse = static_cast<const VIEW_MOUSE_PARAM *>(data);
    CFocusManager *focus = GetFocusManager();
    CFocusShapeSet *shapes = morvane::taskFocusShapeSet(*this);
    if (mouse == nullptr || focus == nullptr || shapes == nullptr)
        return false;
    const CShapeHit *hit = shapes->FindShapeAt(mouse->position.x, mouse->position.y);
    const auto *lineShape =
        hit != nullptr && hit->GetRef()->GetId() == CFocusFilterList::kLineCode
            ? dynamic_cast<const FocusLineShape *>(CFocusShapeSet::GetFocusShape(*hit->GetRef()))
            : nullptr;
    CPolyline *line = lineShape != nullptr ? lineShape->GetPolyline() : nullptr;
    CPattern *owner = line != nullptr ? line->GetOwner() : nullptr;
    if (owner == nullptr) {
        focus->SetFocusObject(CFocusObject::Create(nullptr, CFocusObject::kNothing));
        return true;
    }
    auto pattern = CFocusObject::Create(owner, CFocusObject::kPattern);
    pattern->SetSubObject(line, CFocusObject::kPolyline);
    CFocusObject &nested = *pattern->GetSubObject();
    nested.SetDetailObject(owner);
    nested.SetLineIndex(owner->FindPolyline(line));
    static_cast<CPolylineFocusObject &>(nested).SetSegmentIndex(hit->GetIndex());
    nested.SetPosition(hit->GetPoint());
    focus->SetFocusObject(std::move(pattern));
    return true;
}
