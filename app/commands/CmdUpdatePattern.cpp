// Morvane editing commands.
// Moving, turning and flipping one pattern, and moving the rotation pivot, with undo.
#include "app/commands/CmdUpdatePattern.h"

#include "app/documents/EventRecords.h"
#include "app/documents/IDocumentServices.h"
#include "app/interaction/FocusManager.h"
#include "app/interaction/RotationPivot.h"
#include "foundation/Geometry.h"
#include "model/Pattern.h"
#include "tasks/ICommandAttributes.h"

#include <cmath>

namespace {

/// A move of this length or less changes nothing.
constexpr double kLeastMove = 0.001;
/// Beyond this many degrees whole turns are taken off at once.
constexpr double kManyTurns = 1e6;

double taskDouble(const ICommandAttributes *variables, const char *name)
{
    double value = 0.0;
    if (variables != nullptr)
        variables->GetDouble(name, &value);
    return value;
}

} // namespace

namespace morvane {

double normalizePatternAngle(double degrees)
{
    if (!std::isfinite(degrees))
        return degrees;
    if (std::abs(degrees) > kManyTurns)
        degrees = std::fmod(degrees, 360.0);
    while (degrees < -360.0)
        degrees += 360.0;
    while (degrees > 360.0)
        degrees -= 360.0;
    return degrees;
}

} // namespace morvane

CCmdUpdatePattern::CCmdUpdatePattern()
{
    Create("UpdatePattern");
    SetFlags(true, true, CMT_NO_MODIFY);
    SetToolTips(61376);
}

std::unique_ptr<ICommand> CCmdUpdatePattern::Clone() const
{
    return std::make_unique<CCmdUpdatePattern>(*this);
}

bool CCmdUpdatePattern::OnExecute(void *data)
{
    if (data == nullptr)
        return false;
    PatternState state = *static_cast<const PatternState *>(data);
    state.pPattern = PatternOrActive(state.pPattern);
    return Apply(state);
}

void CCmdUpdatePattern::OnUndo()
{
    Apply(m_oKept);
}

void CCmdUpdatePattern::OnRedo()
{
    OnUndo();
}

bool CCmdUpdatePattern::IsEnabled(void *data)
{
    const auto *state = static_cast<const PatternState *>(data);
    CPattern *pattern = PatternOrActive(state != nullptr ? state->pPattern : nullptr);
    IDocumentServices *document = GetDocument();
    return document != nullptr && morvane::isPatternEditable(*document, pattern);
}

bool CCmdUpdatePattern::ReadPatternState(IDocumentServices &document, CPattern *&pattern,
                                         PatternState &state)
{
    if (pattern == nullptr) {
        const CFocusManager *focus = document.GetFocusManager();
        if (focus != nullptr && focus->IsActivePattern())
            pattern = focus->GetActiveObject()->GetPattern();
    }
    if (pattern == nullptr)
        return false;
    const IPatternLocation *location = pattern->GetPatternLocation();
    state.oPivotPoint = pattern->GetPivotPoint();
    state.oPosition = location->GetPosition();
    state.bFlipped = location->IsFlipped();
    state.dAngle = location->GetRotAngle(false);
    state.pPattern = pattern;
    return true;
}

bool CCmdUpdatePattern::Apply(const PatternState &state)
{
    IDocumentServices *document = GetDocument();
    CPattern *pattern = state.pPattern;
    PatternState replaced;
    if (document == nullptr || !ReadPatternState(*document, pattern, replaced))
        return false;
    // The pivot is kept in the pattern's own coordinates: placed first, it would move with the
    // pattern.
    pattern->SetPatternLocation(state.oPosition.x, state.oPosition.y, state.dAngle,
                                state.bFlipped);
    pattern->SetPivotPoint(state.oPivotPoint);
    m_oKept = replaced;
    if (pattern->IsMaskPattern())
        SetCommandModifyType(CMT_MODIFY);
    return true;
}

CPattern *CCmdUpdatePattern::PatternOrActive(CPattern *pattern) const
{
    if (pattern != nullptr)
        return pattern;
    const CFocusManager *focus = GetFocusManager();
    return focus != nullptr && focus->IsActivePattern() ? focus->GetActiveObject()->GetPattern()
                                                        : nullptr;
}

CCmdChangePatternPosition::CCmdChangePatternPosition()
{
    Create("ChangePatternPosition");
    SetFlags(true, true, CMT_NO_MODIFY);
    SetToolTips(61326);
}

std::unique_ptr<ICommand> CCmdChangePatternPosition::Clone() const
{
    return std::make_unique<CCmdChangePatternPosition>(*this);
}

bool CCmdChangePatternPosition::OnExecute(void *data)
{
    const auto *request = static_cast<const PatternPositionRequest *>(data);
    return request != nullptr && MoveTo(request->pattern, request->position);
}

bool CCmdChangePatternPosition::IsEnabled(void *data)
{
    const CFocusManager *focus = GetFocusManager();
    return data != nullptr && focus != nullptr && focus->IsActivePattern() &&
           morvane::selectionMode(*GetDocument()) == 0;
}

bool CCmdChangePatternPosition::MoveTo(CPattern *pattern, const DPOINT &position)
{
    PatternState state;
    if (GetDocument() == nullptr || !ReadPatternState(*GetDocument(), pattern, state))
        return false;
    const double distance =
        std::hypot(position.x - state.oPosition.x, position.y - state.oPosition.y);
    if (!(distance > kLeastMove))
        return false;
    state.oPosition = position;
    return Apply(state);
}

CCmdMovePattern::CCmdMovePattern()
{
    Create("MovePattern");
    SetFlags(true, false, CMT_NO_MODIFY);
    SetToolTips(61324);
}

std::unique_ptr<ICommand> CCmdMovePattern::Clone() const
{
    return std::make_unique<CCmdMovePattern>(*this);
}

bool CCmdMovePattern::OnExecute(void *data)
{
    const auto *mouse = static_cast<const VIEW_MOUSE_PARAM *>(data);
    if (mouse == nullptr)
        return false;
    const DPOINT target{mouse->position.x - taskDouble(GetAttributes(), "dx"),
                        mouse->position.y - taskDouble(GetAttributes(), "dy")};
    return MoveTo(nullptr, target);
}

bool CCmdMovePattern::IsEnabled(void *data)
{
    return CCmdChangePatternPosition::IsEnabled(data);
}

CCmdChangePatternAngle::CCmdChangePatternAngle()
{
    Create("ChangePatternAngle");
    SetFlags(true, true, CMT_NO_MODIFY);
    SetToolTips(61330);
}

std::unique_ptr<ICommand> CCmdChangePatternAngle::Clone() const
{
    return std::make_unique<CCmdChangePatternAngle>(*this);
}

bool CCmdChangePatternAngle::OnExecute(void *data)
{
    const auto *request = static_cast<const PatternAngleRequest *>(data);
    return request != nullptr && TurnTo(request->pattern, request->angle);
}

bool CCmdChangePatternAngle::IsEnabled(void *data)
{
    const auto *request = static_cast<const PatternAngleRequest *>(data);
    CPattern *pattern = PatternOrActive(request != nullptr ? request->pattern : nullptr);
    IDocumentServices *document = GetDocument();
    return document != nullptr && morvane::isPatternEditable(*document, pattern) &&
           morvane::selectionMode(*document) == 0;
}

bool CCmdChangePatternAngle::TurnTo(CPattern *pattern, double degrees)
{
    PatternState state;
    if (!std::isfinite(degrees) || GetDocument() == nullptr ||
        !ReadPatternState(*GetDocument(), pattern, state))
        return false;
    state.dAngle = morvane::normalizePatternAngle(degrees * morvane::kDegToRadFactor * morvane::kRadToDegFactor);
    return Apply(state);
}

CCmdRotatePattern::CCmdRotatePattern()
{
    Create("RotatePattern");
    SetFlags(true, false, CMT_NO_MODIFY);
    SetToolTips(61328);
}

std::unique_ptr<ICommand> CCmdRotatePattern::Clone() const
{
    return std::make_unique<CCmdRotatePattern>(*this);
}

bool CCmdRotatePattern::OnExecute(void *data)
{
    const auto *record = static_cast<const PatternRotationRecord *>(data);
    const CFocusManager *focus = GetFocusManager();
    if (record == nullptr || focus == nullptr)
        return false;
    const DPOINT from{record->point.x + record->offset.x, record->point.y + record->offset.y};
    const DPOINT towards = focus->GetFocusPosition();
    const double radians = std::atan2(towards.y - from.y, towards.x - from.x) -
                           taskDouble(GetAttributes(), "dRotStartRad");
    return TurnTo(nullptr, morvane::normalizePatternAngle(radians * morvane::kRadToDegFactor));
}

bool CCmdRotatePattern::IsEnabled(void *)
{
    return CCmdChangePatternAngle::IsEnabled(nullptr);
}

CCmdFlipPattern::CCmdFlipPattern()
{
    Create("FlipPattern");
    SetFlags(true, true, CMT_NO_MODIFY);
    SetToolTips(61332);
}

std::unique_ptr<ICommand> CCmdFlipPattern::Clone() const
{
    return std::make_unique<CCmdFlipPattern>(*this);
}

bool CCmdFlipPattern::OnExecute(void *data)
{
    CPattern *pattern = PatternOrActive(static_cast<CPattern *>(data));
    PatternState state;
    if (GetDocument() == nullptr || !ReadPatternState(*GetDocument(), pattern, state))
        return false;
    state.bFlipped = !state.bFlipped;
    return Apply(state);
}

bool CCmdFlipPattern::IsEnabled(void *data)
{
    IDocumentServices *document = GetDocument();
    if (document == nullptr)
        return false;
    if (data != nullptr)
        return morvane::isPatternEditable(*document, static_cast<CPattern *>(data));
    return morvane::selectionMode(*document) == 0 &&
           morvane::isPatternEditable(*document, PatternOrActive(nullptr));
}

CCmdMovePatternToFocusPoint::CCmdMovePatternToFocusPoint()
{
    Create("MovePatternToFocusPoint");
    SetFlags(true, true, CMT_NO_MODIFY);
    SetToolTips(61386);
}

std::unique_ptr<ICommand> CCmdMovePatternToFocusPoint::Clone() const
{
    return std::make_unique<CCmdMovePatternToFocusPoint>(*this);
}

bool CCmdMovePatternToFocusPoint::OnExecute(void *data)
{
    const auto *mouse = static_cast<const VIEW_MOUSE_PARAM *>(data);
    const CFocusManager *focus = GetFocusManager();
    if (mouse == nullptr || focus == nullptr)
        return false;
    VIEW_MOUSE_PARAM toFocus = *mouse;
    toFocus.position = focus->GetFocusPosition();
    return RunCommand("MoveSelectedItems", &toFocus);
}

bool CCmdMovePatternToFocusPoint::IsEnabled(void *)
{
    return true;
}

CCmdMovePatternPivotPoint::CCmdMovePatternPivotPoint()
{
    Create("MovePatternPivotPoint");
    SetFlags(true, false, CMT_NO_MODIFY);
}

std::unique_ptr<ICommand> CCmdMovePatternPivotPoint::Clone() const
{
    return std::make_unique<CCmdMovePatternPivotPoint>(*this);
}

bool CCmdMovePatternPivotPoint::OnExecute(void *)
{
    IDocumentServices *document = GetDocument();
    CRotationPivot *pivot = document != nullptr ? document->GetRotationPivot() : nullptr;
    const CFocusManager *focus = GetFocusManager();
    if (pivot == nullptr || focus == nullptr)
        return false;
    m_oKept = pivot->GetPivotPoint();
    pivot->SetPivotPoint(focus->GetFocusPosition());
    return true;
}

void CCmdMovePatternPivotPoint::OnUndo()
{
    CRotationPivot *pivot = GetDocument() != nullptr ? GetDocument()->GetRotationPivot() : nullptr;
    if (pivot == nullptr)
        return;
    const DPOINT current = pivot->GetPivotPoint();
    pivot->SetPivotPoint(m_oKept);
    m_oKept = current;
}

void CCmdMovePatternPivotPoint::OnRedo()
{
    OnUndo();
}

bool CCmdMovePatternPivotPoint::IsEnabled(void *)
{
    return true;
}
