// Morvane AAMA grade model.
// A point of an AAMA pattern: its base position, kind, rule number and positions per size.
#pragma once

#include "sources/grade-model/IGradePattern.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace morvane {

/// The kinds of the points of an AAMA grade model. Any other value is kept as given and counts
/// as an ordinary point.
enum AamaPointKind : int32_t {
    kAamaOrdinaryPoint = 0,
    kAamaTurnPoint = 1,
    kAamaCurvePoint = 2,
    kAamaNotchPoint = 3,
    /// A drill hole, or another point inside the outline.
    kAamaInternalPoint = 4,
};

/// The kind that a reader's vertex flags give: 0x20 an internal point, else 0x10 a notch, else
/// bit 1 a turn point, else bit 2 a curve point, else an ordinary point.
int32_t pointKindFromFlags(int flags);

} // namespace morvane

class CAamaGradePoint;

/// Where the sizes of each grade table start among a point's positions per size, and the end
/// after the last table: one layout shared by the points of a pattern.
struct CAamaPositionLayout
{
    std::vector<std::size_t> starts{0};

    /// Lays out sizeCounts: each table with that many sizes (a negative count counting as 0).
    void Reset(const std::vector<int> &sizeCounts);

    /// The number of positions of each point.
    std::size_t PositionCount() const { return starts.back(); }

    /// The place of table and size among a point's positions; none outside the layout (a
    /// negative index wraps to one far outside).
    std::optional<std::size_t> PlaceOf(int table, int size) const
    {
        const auto t = static_cast<std::size_t>(table);
        if (t >= starts.size() - 1 || static_cast<std::size_t>(size) >= starts[t + 1] - starts[t])
            return std::nullopt;
        return starts[t] + static_cast<std::size_t>(size);
    }
};

class CAamaGradeCurve;

/// The notch that a point carries: its vector (the direction and depth of the cut, as read), its
/// angle in degrees, and the curve that lists it (null for none, as a notch off the outline).
struct CAamaNotch
{
    CAamaGradePoint *m_pPoint = nullptr;
    DPOINT m_oVector;
    double m_dAngle = 0.0;
    const CAamaGradeCurve *m_pCurve = nullptr;
};

/// A point of an AAMA pattern. It has one position per size of every grade table, held in its
/// pattern's block of positions, each the base position until the program stores another; a
/// size outside the arrays (before the first BeginGrading, or of a table the model does not
/// know) answers the base position, and storing one there changes nothing.
class CAamaGradePoint final : public IGradePoint
{
public:
    CAamaGradePoint(double x, double y, int32_t kind, int32_t ruleNumber);
    ~CAamaGradePoint() override = default;
    CAamaGradePoint(const CAamaGradePoint &) = delete;
    CAamaGradePoint &operator=(const CAamaGradePoint &) = delete;

    GM_ERROR GetPosition(GradeSize size, DPOINT &position) override;
    /// Stores (x, y) as the position in that table and size; a negative index, or one outside
    /// the arrays, changes nothing. Always GM_NO_ERROR.
    GM_ERROR SetPosition(int table, int size, double x, double y) override;
    /// A notch is a mark point whose vector is its notch vector; an internal point is a mark
    /// point and leaves vector as it is; any other point is none.
    GM_ERROR IsMarkPoint(DPOINT &vector, bool &isMark) override;
    /// Never a slider: 0, null, 0.
    GM_ERROR GetSliderInfo(int &isSlider, IGradeCurve *&curve, int &reserved) override;

    /// The position in size: the stored one, or the base position for a base size or a size
    /// outside the arrays.
    DPOINT GetGradedPosition(GradeSize size) const
    {
        const std::optional<std::size_t> place = PlaceOf(size.table, size.size);
        return place ? m_pPositions[*place] : GetBasePosition();
    }
    DPOINT GetBasePosition() const { return {m_dX, m_dY}; }
    int32_t GetKind() const { return m_nKind; }
    /// The rule number of the input file; -1 for none.
    int32_t GetRuleNumber() const { return m_nRuleNumber; }
    bool HasRule() const { return m_nRuleNumber >= 0; }
    /// The point's notch; null unless the point is a notch.
    CAamaNotch *GetNotch() const { return m_pNotch; }
    void SetNotch(CAamaNotch *notch) { m_pNotch = notch; }
    /// The point class that the second reader gave the vertex; 0 otherwise.
    int32_t GetExtraValue() const { return m_nExtraValue; }
    void SetExtraValue(int32_t value) { m_nExtraValue = value; }

    /// Takes positions for every size of layout at positions (layout.PositionCount() of them,
    /// owned by the point's pattern), each set to the base position. The layout and the
    /// positions must outlive the point's use of them.
    void ResetPositions(const CAamaPositionLayout &layout, DPOINT *positions);

private:
    /// The place of table and size among the positions; none outside the layout.
    std::optional<std::size_t> PlaceOf(int table, int size) const
    {
        if (m_pLayout == nullptr)
            return std::nullopt;
        return m_pLayout->PlaceOf(table, size);
    }

    int32_t m_nRuleNumber;
    int32_t m_nKind;
    double m_dX;
    double m_dY;
    /// Both null before the first reset.
    const CAamaPositionLayout *m_pLayout = nullptr;
    DPOINT *m_pPositions = nullptr;
    CAamaNotch *m_pNotch = nullptr;
    int32_t m_nExtraValue = 0;
};
