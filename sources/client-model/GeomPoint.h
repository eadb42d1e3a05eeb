// Morvane client grade model.
// One point of a client pattern: its base position and its rule values per table and size.
#pragma once

#include "sources/grade-model/IGradePattern.h"

#include <cstdint>

class CGeomPattern;
class CGradeRule;

/// A point of a client pattern. Its position in a size is its base position relative to the
/// pattern's origin plus its rule value for that table and size. The rule value is found in the
/// model's rule data under the point's rule number; a point not yet numbered (rule number -1)
/// has no rule: its values read (0, 0) and storing one changes nothing.
class CGeomPoint : public IGradePoint
{
public:
    /// Kind 1 makes a grade point, 0 an ordinary point; any other kind takes part in no
    /// numbering and follows the lines as an ordinary point.
    CGeomPoint(CGeomPattern *pattern, double x, double y, int32_t kind);
    ~CGeomPoint() override = default;
    CGeomPoint(const CGeomPoint &) = delete;
    CGeomPoint &operator=(const CGeomPoint &) = delete;

    GM_ERROR GetPosition(GradeSize size, DPOINT &position) override;
    /// Stores the rule value that puts the point at (x, y) in that table and size, and marks
    /// every polyline of the pattern for re-interpolation. A negative index, or a table or size
    /// that the rule data does not hold, changes nothing; the result is always GM_NO_ERROR.
    GM_ERROR SetPosition(int table, int size, double x, double y) override;
    /// isMark: whether the pattern's mark points hold the point; vector is left as it is.
    GM_ERROR IsMarkPoint(DPOINT &vector, bool &isMark) override;
    GM_ERROR GetSliderInfo(int &isSlider, IGradeCurve *&curve, int &reserved) override;

    /// Sets the point's rule value in that table and size; ignored where there is no such value.
    virtual void SetRuleValue(int table, int size, double dx, double dy);
    /// The base position relative to the origin, plus the rule value when size is given and
    /// both its indexes are 0 or more.
    virtual DPOINT GetPosition(const GradeSize *size) const;
    /// The base x relative to the pattern's origin.
    virtual double GetX() const;
    /// The base y relative to the pattern's origin.
    virtual double GetY() const;
    /// The rule value (dx, dy) in that table and size, creating the rule on first use; (0, 0)
    /// where there is no such table, size or rule number.
    virtual DPOINT GetRuleValue(int table, int size) const;
    /// Sets the point's rule values in every table and size so that it follows previous and next
    /// (the grade points around it on a line): the rotation and scaling that carries their base
    /// positions onto their graded ones, or their mean displacement when either pair coincides.
    virtual void Interpolate(const CGeomPoint &previous, const CGeomPoint &next);

    /// The base position as given, not relative to the origin.
    DPOINT GetBasePosition() const { return {m_dX, m_dY}; }
    int32_t GetKind() const { return m_nKind; }
    bool IsGradePoint() const { return m_nKind == 1; }
    /// The point's number among the points of its kind in the model; 0 until numbered.
    int32_t GetId() const { return m_nId; }
    void SetId(int32_t id) { m_nId = id; }
    /// The key of the point's rules in every table; -1 until numbered.
    int32_t GetRuleNumber() const { return m_nRuleNumber; }
    void SetRuleNumber(int32_t ruleNumber) { m_nRuleNumber = ruleNumber; }
    CGeomPattern *GetPattern() const { return m_pPattern; }

private:
    /// The point's rule in table, created on first use; null without such a table or a rule
    /// number.
    CGradeRule *FindRule(int table) const;

    double m_dX;
    double m_dY;
    int32_t m_nKind;
    int32_t m_nId = 0;
    int32_t m_nRuleNumber = -1;
    CGeomPattern *m_pPattern;
};
