// Morvane program interaction.
// Which cursor the view shows over the object under the pointer, by the running tool's scheme.
#pragma once

#include <cstdint>
#include <unordered_map>

class IDocumentServices;

/// The main document's cursor scheme: a map from focus-object kind to cursor id that the running
/// tool fills, and a default id for the kinds it does not map. Cursor ids are those the view
/// turns into cursors: 0 the arrow, 1 to 8 the program's cursor images.
class CCursorTable
{
public:
    static constexpr int32_t kArrowCursor = 0;
    static constexpr int32_t kLastCursor = 8;

    /// An empty scheme and the arrow as default.
    CCursorTable() = default;
    virtual ~CCursorTable() = default;
    CCursorTable(const CCursorTable &) = delete;
    CCursorTable &operator=(const CCursorTable &) = delete;

    /// The main document: where the focus object comes from and who hears a new default.
    void SetOwner(IDocumentServices *owner) { m_pOwner = owner; }

    /// The cursor id for the active mask's focus object (a grade region uses the kind of its
    /// nested object when it has one): the kind's mapping, else the default. An id that names
    /// no cursor gives the arrow, so a cursor is always shown.
    int32_t GetCursor() const;
    /// The cursor id for a focus-object kind, as GetCursor looks it up.
    int32_t GetCursorForKind(int32_t kind) const;
    /// Maps the kind to the cursor id (a mapping of the kind is replaced).
    void SetModeCursor(int32_t kind, int32_t cursorId);
    /// Empties the scheme; the arrow becomes the default.
    void ClearModeCursors();
    /// Sets the default id, then tells the owner (its notification 7) so that the view sets
    /// its cursor again.
    void SetDefaultCursor(int32_t cursorId);
    int32_t GetDefaultCursor() const { return m_nDefaultCursor; }
    /// The standard scheme: free space the arrow, polylines 1, points and single mask objects 4,
    /// region bodies 2, region edges 3. Patterns and multiple selections take the default.
    static void FillModeCursors(CCursorTable &table);

private:
    IDocumentServices *m_pOwner = nullptr;
    std::unordered_map<int32_t, int32_t> m_oKindCursors;
    int32_t m_nDefaultCursor = kArrowCursor;
};
