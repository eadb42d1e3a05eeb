// Morvane program interaction.
// The grade path that the path tools build, point by point, along a pattern's contour.
#pragma once

#include "model/GradePath.h"
#include "model/GradeSize.h"

#include <optional>

class CPattern;
class IDocumentServices;

/// A point of a pattern as the path tools name it: a vertex of one of its polylines.
struct GradePathPointRef
{
    int polyline = -1;
    int vertex = -1;
};

/// The grade path being edited in one open mask: its pattern, its start and end points (base
/// point indexes, -1 when none) and the way round the contour it runs. Its changes are told to
/// the main document (its after-change notification of property 0) so that the view redraws.
///
/// The effective direction of a path is its direction flag as it is on a pattern that lies as
/// drawn, inverted on a flipped one.
class CGradePathEditor
{
public:
    CGradePathEditor();
    virtual ~CGradePathEditor();
    CGradePathEditor(const CGradePathEditor &) = delete;
    CGradePathEditor &operator=(const CGradePathEditor &) = delete;

    void SetOwner(IDocumentServices *owner) { m_pOwner = owner; }

    /// Empties the path, takes the pattern, and makes the referenced point both start and end
    /// (-1 for a reference the pattern does not hold); the direction flag becomes false.
    void SetPath(CPattern *pattern, const GradePathPointRef &point);
    /// Runs the path from the start to the referenced point and tells the owner. The direction
    /// is kept on a closed contour once the path has two ends, and for the start point itself;
    /// otherwise the way that gives a path, or the shorter of two (false on equal lengths).
    /// Nothing without a pattern or for a reference the pattern does not hold.
    void ExtendPath(const GradePathPointRef &point);
    /// The base-size length of the path between two base points of the pattern in the effective
    /// direction; false (length 0) when it has no segment.
    bool MeasurePath(CPattern *pattern, int from, int to, bool direction, double &length) const;
    /// Empties the path and forgets the edited size; tells the owner when the flag changes.
    void SetActive(bool active);
    bool IsActive() const { return m_bActive; }
    bool GetDirection() const { return m_bDirection; }
    CGradePath &GetGradePath() { return m_oPath; }
    CPattern *GetPattern() const { return m_pPattern; }
    int GetStartIndex() const { return m_nStart; }
    /// The size the path's first point was picked in (the base size until one is set); the
    /// rules that offer the path's next points take it.
    morvane::GradeSizeKey GetStartSize() const { return m_oStartSize; }
    void SetStartSize(const morvane::GradeSizeKey &size) { m_oStartSize = size; }
    int GetEndIndex() const { return m_nEnd; }
    /// The size whose path the path-grading tool edits; none until it is chosen.
    std::optional<morvane::GradeSizeKey> GetEditedSize() const { return m_oEditedSize; }
    void SetEditedSize(const morvane::GradeSizeKey &size) { m_oEditedSize = size; }

private:
    int resolve(const GradePathPointRef &point) const;
    bool effectiveDirection(const CPattern &pattern, bool direction) const;
    bool keepsDirection(const GradePathPointRef &point, int index) const;
    void notifyOwner();

    bool m_bActive = false;
    CGradePath m_oPath;
    bool m_bDirection = false;
    IDocumentServices *m_pOwner = nullptr;
    CPattern *m_pPattern = nullptr;
    int m_nStart = -1;
    int m_nEnd = -1;
    morvane::GradeSizeKey m_oStartSize;
    std::optional<morvane::GradeSizeKey> m_oEditedSize;
};
