// Morvane editing commands.
// Placing input patterns on the active grade mask and taking them off: one, a list, or all.
#include "app/commands/CmdPlacePatterns.h"

#include "app/documents/IDocumentServices.h"
#include "app/interaction/FocusManager.h"
#include "model/IInputPatterns.h"
#include "model/InputPattern.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kPlacementLimit = 1000.0;
constexpr double kMoveThreshold = 0.1;

IInputPattern *inputOf(CPattern *pattern)
{
    return pattern != nullptr ? pattern->GetInputPattern() : nullptr;
}

bool isPlaced(CPattern *pattern)
{
    const IInputPattern *input = inputOf(pattern);
    return input != nullptr && input->IsFlagged();
}

bool isUnplaced(CPattern *pattern)
{
    const IInputPattern *input = inputOf(pattern);
    return input != nullptr && !input->IsFlagged();
}

/// Moves the pattern into the placement square when it lies more than 0.1 outside.
void clampIntoPlacementSquare(CPattern &pattern)
{
    const DPOINT position = pattern.GetPatternLocation()->GetPosition();
    const DPOINT clamped{std::clamp(position.x, -kPlacementLimit, kPlacementLimit),
                         std::clamp(position.y, -kPlacementLimit, kPlacementLimit)};
    if (std::hypot(clamped.x - position.x, clamped.y - position.y) > kMoveThreshold)
        pattern.SetPatternPosition(clamped.x, clamped.y);
}

void setPlaced(const CPtrCollection<CPattern> &patterns, bool placed)
{
    for (int i = 0; i < patterns.GetCount(); ++i) {
        if (IInputPattern *input = inputOf(patterns.GetAt(i)))
            placed ? input->SetFlagged() : input->ClearFlagged();
    }
}

const CPtrCollection<CPattern> &patternList(void *data)
{
    static const CPtrCollection<CPattern> empty;
    return data != nullptr ? *static_cast<const CPtrCollection<CPattern> *>(data) : empty;
}

/// The pattern given, or the active item when the active object is a pattern; null otherwise.
CPattern *givenOrActivePattern(void *data, const CFocusManager *focus)
{
    if (data != nullptr)
        return static_cast<CPattern *>(data);
    if (focus == nullptr || !focus->IsActivePattern())
        return nullptr;
    return focus->GetActiveObject()->GetPattern();
}

CPtrCollection<CPattern> oneElementList(CPattern *pattern)
{
    CPtrCollection<CPattern> list;
    if (pattern != nullptr)
        list.Add(pattern);
    return list;
}

/// The document's input patterns whose placed flag is the one given, in collection order.
CPtrCollection<CPattern> inputPatternsPlaced(IDocumentServices *document, bool placed)
{
    CPtrCollection<CPattern> list;
    IInputPatterns *patterns = document != nullptr ? document->GetInputPatterns() : nullptr;
    for (int i = 0; patterns != nullptr && i < patterns->GetPatternCount(); ++i) {
        CPattern *pattern = patterns->GetPatternAt(i);
        if (isPlaced(pattern) == placed)
            list.Add(pattern);
    }
    return list;
}

} // namespace

CCmdPlaceSelectedPatterns::CCmdPlaceSelectedPatterns()
{
    Create("PlaceSelectedPatterns");
    SetFlags(true, false, CMT_NO_MODIFY);
    SetToolTips(61394);
}

std::unique_ptr<ICommand> CCmdPlaceSelectedPatterns::Clone() const
{
    return std::make_unique<CCmdPlaceSelectedPatterns>(*this);
}

bool CCmdPlaceSelectedPatterns::OnExecute(void *data)
{
    return PlaceList(patternList(data));
}

void CCmdPlaceSelectedPatterns::OnUndo()
{
    setPlaced(m_oChanged, false);
}

void CCmdPlaceSelectedPatterns::OnRedo()
{
    setPlaced(m_oChanged, true);
}

bool CCmdPlaceSelectedPatterns::IsEnabled(void *data)
{
    return CanPlaceList(patternList(data));
}

bool CCmdPlaceSelectedPatterns::PlaceList(const CPtrCollection<CPattern> &patterns)
{
    for (int i = 0; i < patterns.GetCount(); ++i) {
        CPattern *pattern = patterns.GetAt(i);
        if (!isUnplaced(pattern))
            continue;
        clampIntoPlacementSquare(*pattern);
        pattern->GetInputPattern()->SetFlagged();
        m_oChanged.Add(pattern);
    }
    return true;
}

bool CCmdPlaceSelectedPatterns::CanPlaceList(const CPtrCollection<CPattern> &patterns)
{
    for (int i = 0; i < patterns.GetCount(); ++i) {
        if (isUnplaced(patterns.GetAt(i)))
            return true;
    }
    return false;
}

CCmdPlacePattern::CCmdPlacePattern()
{
    Create("PlacePattern");
    SetFlags(true, true, CMT_NO_MODIFY);
    SetToolTips(61352);
}

std::unique_ptr<ICommand> CCmdPlacePattern::Clone() const
{
    return std::make_unique<CCmdPlacePattern>(*this);
}

bool CCmdPlacePattern::OnExecute(void *data)
{
    return PlaceList(oneElementList(givenOrActivePattern(data, GetFocusManager())));
}

bool CCmdPlacePattern::IsEnabled(void *data)
{
    return CanPlaceList(oneElementList(givenOrActivePattern(data, GetFocusManager())));
}

CCmdPlaceAllPatterns::CCmdPlaceAllPatterns()
{
    Create("PlaceAllPatterns");
    SetFlags(true, true, CMT_NO_MODIFY);
    SetToolTips(61356);
}

std::unique_ptr<ICommand> CCmdPlaceAllPatterns::Clone() const
{
    return std::make_unique<CCmdPlaceAllPatterns>(*this);
}

bool CCmdPlaceAllPatterns::OnExecute(void *)
{
    return PlaceList(inputPatternsPlaced(GetDocument(), false));
}

bool CCmdPlaceAllPatterns::IsEnabled(void *)
{
    return CanPlaceList(inputPatternsPlaced(GetDocument(), false));
}

CCmdUnplaceSelectedPatterns::CCmdUnplaceSelectedPatterns()
{
    Create("UnplaceSelectedPatterns");
    SetFlags(true, false, CMT_NO_MODIFY);
    SetToolTips(61396);
}

std::unique_ptr<ICommand> CCmdUnplaceSelectedPatterns::Clone() const
{
    return std::make_unique<CCmdUnplaceSelectedPatterns>(*this);
}

bool CCmdUnplaceSelectedPatterns::OnExecute(void *data)
{
    return UnplaceList(patternList(data));
}

void CCmdUnplaceSelectedPatterns::OnUndo()
{
    setPlaced(m_oChanged, true);
}

void CCmdUnplaceSelectedPatterns::OnRedo()
{
    setPlaced(m_oChanged, false);
}

bool CCmdUnplaceSelectedPatterns::IsEnabled(void *data)
{
    return CanUnplaceList(patternList(data));
}

bool CCmdUnplaceSelectedPatterns::UnplaceList(const CPtrCollection<CPattern> &patterns)
{
    for (int i = 0; i < patterns.GetCount(); ++i) {
        CPattern *pattern = patterns.GetAt(i);
        if (!isPlaced(pattern))
            continue;
        pattern->GetInputPattern()->ClearFlagged();
        m_oChanged.Add(pattern);
    }
    return true;
}

bool CCmdUnplaceSelectedPatterns::CanUnplaceList(const CPtrCollection<CPattern> &patterns)
{
    for (int i = 0; i < patterns.GetCount(); ++i) {
        if (isPlaced(patterns.GetAt(i)))
            return true;
    }
    return false;
}

CCmdUnPlacePattern::CCmdUnPlacePattern()
{
    Create("UnPlacePattern");
    SetFlags(true, true, CMT_NO_MODIFY);
    SetToolTips(61354);
}

std::unique_ptr<ICommand> CCmdUnPlacePattern::Clone() const
{
    return std::make_unique<CCmdUnPlacePattern>(*this);
}

bool CCmdUnPlacePattern::OnExecute(void *data)
{
    return UnplaceList(oneElementList(givenOrActivePattern(data, GetFocusManager())));
}

bool CCmdUnPlacePattern::IsEnabled(void *data)
{
    return CanUnplaceList(oneElementList(givenOrActivePattern(data, GetFocusManager())));
}

CCmdUnplaceAllPatterns::CCmdUnplaceAllPatterns()
{
    Create("UnplaceAllPatterns");
    SetFlags(true, true, CMT_NO_MODIFY);
    SetToolTips(61358);
}

std::unique_ptr<ICommand> CCmdUnplaceAllPatterns::Clone() const
{
    return std::make_unique<CCmdUnplaceAllPatterns>(*this);
}

bool CCmdUnplaceAllPatterns::OnExecute(void *)
{
    return UnplaceList(inputPatternsPlaced(GetDocument(), true));
}

bool CCmdUnplaceAllPatterns::IsEnabled(void *)
{
    return CanUnplaceList(inputPatternsPlaced(GetDocument(), true));
}
