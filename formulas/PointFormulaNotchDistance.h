// Morvane formula library.
// The point formula that puts a slider point at a distance from a reference point along its line.
#pragma once

#include "formulas/BasePointFormula.h"

class CPolyline;

/// Grades the slider point S that governs the bound point at a distance (parameter 0) from
/// reference point 0, measured along S's polyline (along-line flag set) or along the outline of
/// the contour that holds it: "%PA(...S)=%CR(<S>,<r0>,<d>,<first>,<last>,<closed>)" with the
/// first and last points of that line or outline (closed: 1 for a closed contour or line, else
/// 0). Type 11, apply types 1 and 1; the along-line flag is not stored.
class CPointFormulaNotchDistance : public CBasePointFormula
{
public:
    static constexpr int kFormulaType = 11;

    CPointFormulaNotchDistance();

    /// "CPointFormulaNotchDistance", base CBasePointFormula, creatable by name.
    static const CRuntimeClass *GetThisClass();
    const CRuntimeClass *GetRuntimeClass() const override { return GetThisClass(); }

    int GetFormulaType() const override { return kFormulaType; }
    std::string GetFormulaText() override { return {}; }
    void AddFormulaText(std::vector<std::string> &texts) override;
    /// The point-formula check; then a bound point without slider point fails (106), and with
    /// the along-line flag a reference point off the slider line fails (107).
    bool Validate(CFormulaMessageList *reporter, IFormulaTextChecker *checker) override;
    bool UsesPoint(const CBasePoint *point) override;
    /// The base copy and the along-line flag; the apply types stay.
    void CopyFrom(const CBaseFormula &other) override;

    std::string GetDistance() { return FormatParam(0); }
    bool SetDistance(const std::string &text) { return SetParamText(0, text); }
    bool GetAlongLine() const { return m_bAlongLine; }
    void SetAlongLine(bool alongLine) { m_bAlongLine = alongLine; }
    /// Appends the line of the slider point to texts, the slider point to points and its line to
    /// lines; nothing when the bound point has no slider point.
    void AddSliderTexts(std::vector<std::string> &texts, CPtrCollection<CBasePoint> &points,
                        CPtrCollection<CPolyline> &lines);
    /// The points from which the distance is measured, in order: the slider line's points
    /// (slider points included) with the along-line flag or when no contour holds the line,
    /// else the outline of the contour that holds it; closed is set for a closed contour, and
    /// for a line that ends at the point it starts from, which then lists that point once.
    CPtrCollection<CBasePoint> MeasuredPoints(const CPolyline &line, bool &closed) const;

protected:
    /// The slider point of the bound point, once.
    void DoCollectPoints(CPtrCollection<CBasePoint> &list) override;
    /// "<name>(<reference>, <distance>)".
    void DoGetDisplayText(std::string &out, bool maskLabels) override;

private:
    /// The slider point of the bound point and its polyline; null when none.
    CBasePoint *FindSlider(CPolyline *&line) const;

    bool m_bAlongLine = true;
};
