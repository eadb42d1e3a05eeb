// Morvane program interaction.
// Which cursor the view shows over the object under the pointer, by the running tool's scheme.
#include "app/interaction/CursorTable.h"

#include "app/documents/IDocumentServices.h"
#include "app/interaction/FocusManager.h"

#include <array>
#include <utility>

int32_t CCursorTable::GetCursor() const
{
    CFocusManager *focus = m_pOwner != nullptr ? m_pOwner->GetFocusManager() : nullptr;
    const CFocusObject *object = focus != nullptr ? focus->GetFocusObject() : nullptr;
    int32_t kind = object != nullptr ? object->GetType() : CFocusObject::kNothing;
    if (kind == CFocusObject::kRegion && object->GetSubObjectType() != CFocusObject::kNothing)
        kind = object->GetSubObjectType();
    return GetCursorForKind(kind);
}

int32_t CCursorTable::GetCursorForKind(int32_t kind) const
{
    const auto found = m_oKindCursors.find(kind);
    const int32_t id = found != m_oKindCursors.end() ? found->second : m_nDefaultCursor;
    return id >= kArrowCursor && id <= kLastCursor ? id : kArrowCursor;
}

void CCursorTable::SetModeCursor(int32_t kind, int32_t cursorId)
{
    m_oKindCursors[kind] = cursorId;
}

void CCursorTable::ClearModeCursors()
{
    m_oKindCursors.clear();
    m_nDefaultCursor = kArrowCursor;
}

void CCursorTable::SetDefaultCursor(int32_t cursorId)
{
    m_nDefaultCursor = cursorId;
    if (m_pOwner != nullptr)
        m_pOwner->NotifyChanged7();
}

void CCursorTable::FillModeCursors(CCursorTable &table)
{
    static constexpr std::array<std::pair<int32_t, int32_t>, 10> kStandardScheme = {{
        {0, 0}, {9, 1}, {10, 4}, {2, 4}, {3, 2}, {4, 2}, {5, 3}, {6, 3}, {7, 3}, {8, 4},
    }};
    for (const auto &[kind, cursor] : kStandardScheme)
        table.SetModeCursor(kind, cursor);
}
