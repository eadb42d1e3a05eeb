// Morvane editing commands.
// Shaping the active region from the picked points and the pointer, by "UpdateRegion".
#include "app/commands/regions/CmdShapeRegion.h"

#include "app/documents/IDocumentServices.h"
#include "app/extras/GeometryExtras.h"
#include "app/interaction/FocusManager.h"
#include "foundation/Geometry.h"
#include "model/GradeRegion.h"
#include "tasks/ICommandAttributes.h"

#include <cmath>

namespace {

constexpr double kQuarterTurn = 1.5707963267949;
constexpr double kNearPoint = 0.0001;

/// An axis-parallel rectangle: the base as wide as the travel across, as high as the travel along.
void shapeRectangle(RegionData &values, double across, double along, double degrees)
{
    values.dLeft90 = -std::abs(across) * 0.5;
    values.dRight90 = std::abs(across) * 0.5;
    values.dMaxHeight = std::abs(along);
    values.dDirection = DegToRad(degrees);
}

} // namespace

bool CCmdShapeRegion::OnExecute(void *data)
{
    IDocumentServices *document = GetDocument();
    RegionData values;
    if (document == nullptr || !ReadRegionData(*document, values) || !Shape(values, data))
        return false;
    return CCmdUpdateRegion::OnExecute(&values);
}

void CCmdShapeRegion::Define(const char *name, uint32_t undoTextId)
{
    Create(name);
    SetFlags(true, false, CMT_MODIFY);
    SetToolTips(undoTextId);
}

bool CCmdShapeRegion::FocusPosition(DPOINT &point) const
{
    const CFocusManager *focus = GetFocusManager();
    if (focus == nullptr || focus->GetFocusObject() == nullptr)
        return false;
    point = focus->GetFocusPosition();
    return true;
}

bool CCmdShapeRegion::PickedPoint(int index, DPOINT &point) const
{
    IDocumentServices *document = GetDocument();
    const int count = document != nullptr ? document->GetItemCount() : 0;
    if (index < 0)
        index = count - 1;
    if (index < 0 || index >= count)
        return false;
    const auto *picked = dynamic_cast<const CFocusObject *>(document->GetItemAt(index));
    if (picked == nullptr)
        return false;
    point = picked->GetHitPosition();
    return true;
}

CCmdUpdateRectRegion::CCmdUpdateRectRegion()
{
    Define("UpdateRectRegion", 0xEF96);
}

std::unique_ptr<ICommand> CCmdUpdateRectRegion::Clone() const
{
    return std::make_unique<CCmdUpdateRectRegion>(*this);
}

bool CCmdUpdateRectRegion::Shape(RegionData &values, void *)
{
    DPOINT picked, focus;
    if (!PickedPoint(-1, picked) || !FocusPosition(focus))
        return false;
    values.oPosition.y = (picked.y + focus.y) * 0.5;
    const double dx = focus.x - picked.x;
    shapeRectangle(values, focus.y - picked.y, dx, dx < 0 ? 180 : 0);
    return true;
}

CCmdUpdateRectRegionV::CCmdUpdateRectRegionV()
{
    Define("UpdateRectRegionV", 0xEF96);
}

std::unique_ptr<ICommand> CCmdUpdateRectRegionV::Clone() const
{
    return std::make_unique<CCmdUpdateRectRegionV>(*this);
}

bool CCmdUpdateRectRegionV::Shape(RegionData &values, void *)
{
    DPOINT picked, focus;
    if (!PickedPoint(-1, picked) || !FocusPosition(focus))
        return false;
    values.oPosition.x = (picked.x + focus.x) * 0.5;
    const double dy = focus.y - picked.y;
    shapeRectangle(values, focus.x - picked.x, dy, dy < 0 ? 270 : 90);
    return true;
}

CCmdUpdateBiasRegionAngle::CCmdUpdateBiasRegionAngle()
{
    Create("UpdateBiasRegionAngle");
    SetFlags(true, false, CMT_MODIFY);
}

std::unique_ptr<ICommand> CCmdUpdateBiasRegionAngle::Clone() const
{
    return std::make_unique<CCmdUpdateBiasRegionAngle>(*this);
}

bool CCmdUpdateBiasRegionAngle::Shape(RegionData &values, void *)
{
    DPOINT picked, focus;
    if (!PickedPoint(-1, picked) || !FocusPosition(focus))
        return false;
    DPOINT towards{focus.x - picked.x, focus.y - picked.y};
    const double half = std::hypot(towards.x, towards.y) * 0.5;
    RotateDPoint(towards, kQuarterTurn);
    values.oPosition = {(picked.x + focus.x) / 2, (picked.y + focus.y) / 2};
    values.dDirection = std::atan2(towards.y, towards.x);
    values.dLeft90 = -half;
    values.dRight90 = half;
    values.dMaxHeight = 0.0;
    return true;
}

CCmdUpdateBiasRegionHeight::CCmdUpdateBiasRegionHeight()
{
    Create("UpdateBiasRegionHeight");
    SetFlags(true, false, CMT_MODIFY);
}

std::unique_ptr<ICommand> CCmdUpdateBiasRegionHeight::Clone() const
{
    return std::make_unique<CCmdUpdateBiasRegionHeight>(*this);
}

bool CCmdUpdateBiasRegionHeight::Shape(RegionData &values, void *)
{
    DPOINT focus;
    if (!FocusPosition(focus))
        return false;
    DPOINT baseLeft, baseRight, topLeft, topRight;
    values.pRegion->GetCorners(baseLeft, baseRight, topLeft, topRight);
    const double a = baseLeft.y - baseRight.y;
    const double b = baseRight.x - baseLeft.x;
    const double c = -(a * baseRight.x + b * baseRight.y);
    if (a * focus.x + b * focus.y + c < 0) {
        values.dDirection += morvane::kWrapPi;
        if (values.dDirection >= morvane::kWrapTwoPi)
            values.dDirection -= morvane::kWrapTwoPi;
    }
    values.dMaxHeight = GetDistanceToSegment(focus.x, focus.y, baseLeft.x, baseLeft.y,
                                             baseRight.x, baseRight.y);
    return true;
}

CCmdChangeRegionDirectionToParallel::CCmdChangeRegionDirectionToParallel()
{
    Define("ChangeRegionDirectionToParallel", 0xEFD0);
}

std::unique_ptr<ICommand> CCmdChangeRegionDirectionToParallel::Clone() const
{
    return std::make_unique<CCmdChangeRegionDirectionToParallel>(*this);
}

bool CCmdChangeRegionDirectionToParallel::Shape(RegionData &values, void *data)
{
    DPOINT first, focus;
    if (!PickedPoint(0, first) || !FocusPosition(focus))
        return false;
    if (std::hypot(focus.x - first.x, focus.y - first.y) < kNearPoint)
        return true;
    double startAngle = 0.0;
    GetAttributes()->GetDouble("dStartAngle", &startAngle);
    const double line = std::atan2(focus.y - first.y, focus.x - first.x);
    const double turn = NormalizeAngle(NormalizeAngle(line) - startAngle);
    values.dDirection = NormalizeAngle(NormalizeHalfAngle(turn) + startAngle - kQuarterTurn);
    RunCommand("UpdateMeasure", data);
    return true;
}
