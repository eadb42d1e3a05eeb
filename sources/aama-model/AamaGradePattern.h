// Morvane AAMA grade model.
// One pattern of an AAMA grade model: its outline points, curves, notches and internal points.
#pragma once

#include "sources/aama-model/AamaGradeCurve.h"
#include "sources/aama-model/AamaGradePoint.h"
#include "sources/aama-reader/IAAMAData.h"
#include "sources/grade-model/IGradePattern.h"

#include <deque>
#include <string>
#include <utility>
#include <vector>

namespace morvane {

/// What a pattern file gives a piece besides its outline and points, kept to be written back as
/// it was read: the values of its piece texts and what else it draws, in the base size (none of
/// it is graded).
struct AamaPieceExtras
{
    std::string annotation;
    int quantity = 1;
    std::string category = "1";
    /// Whether the piece has a "Piece Name:" text, even one with no name after the key.
    bool hasNameText = true;
    std::vector<AamaDrawingItem> drawing;
};

} // namespace morvane

/// A pattern read from one piece of a pattern file. It owns its outline points, its internal
/// points (drill holes, and copies of internal points found on the outline), its notches off the
/// outline (on a sew line, an internal line or nothing), its notches and its curves, each kind in
/// its own store, where they keep their addresses as more are added. Its grade points, as
/// IGradePattern lists them, are its rule points: every internal point and every curve point or
/// notch off the outline with a rule number, each once, in order of addition.
class CAamaGradePattern : public IGradePattern
{
public:
    explicit CAamaGradePattern(std::string name);
    ~CAamaGradePattern() override = default;
    CAamaGradePattern(const CAamaGradePattern &) = delete;
    CAamaGradePattern &operator=(const CAamaGradePattern &) = delete;

    /// The name as shown: in UTF-8.
    GM_ERROR GetName(std::string &name) override;
    GM_ERROR GetCurveCount(int &count) override;
    CAamaGradeCurve *GetCurveAt(int index) override;
    GM_ERROR GetInternalPointCount(int &count) override;
    CAamaGradePoint *GetInternalPointAt(int index) override;

    /// The name as the file holds it, in the file's bytes; written back unchanged.
    const std::string &GetPatternName() const { return m_sName; }
    /// Sets the name that GetName() shows; the file's name until then.
    void SetShownName(std::string name) { m_sShownName = std::move(name); }

    /// Appends an outline point of that position, kind and rule number; returns it.
    CAamaGradePoint *AddBoundaryPoint(double x, double y, int32_t kind, int32_t ruleNumber);
    /// Appends an internal point of that position, kind and rule number, which also becomes a
    /// rule point; returns it.
    CAamaGradePoint *AddInternalPoint(double x, double y, int32_t kind, int32_t ruleNumber);
    /// Appends a new, empty curve; returns it.
    CAamaGradeCurve *AddCurve();
    /// Gives point (a point of this pattern) a notch of that vector and angle; returns it.
    CAamaNotch *AddNotch(CAamaGradePoint *point, DPOINT vector, double angle);
    /// Appends point, a point of this pattern that is no rule point yet, to the rule points.
    void AddRulePoint(CAamaGradePoint *point);
    /// Appends a notch off the outline at (x, y) with that vector and angle, lying on the item of
    /// the drawing drawingItem (-1 for none); with a rule number it becomes a rule point, graded
    /// by its rule, else it stays where it is, as what it lies on does. Returns its point.
    CAamaGradePoint *AddNotchOffOutline(double x, double y, DPOINT vector, double angle,
                                        int32_t ruleNumber, int drawingItem);

    /// Splits the outline into curves at its turn points, in outline order. Ordinary points are
    /// left out; turn, curve and notch points join the current curve (a notch with its notch);
    /// a turn point that does not start the current curve ends it and starts the next one; an
    /// internal point becomes a copy among the internal points. The last curve ends with the
    /// first point of the first curve, closing the outline. Points with a rule number become
    /// rule points. Nothing for an outline without points.
    void BuildCurvesFromBoundary();

    /// Gives every point one array of positions per table, sizeCounts[t] sizes each, all at the
    /// base position: one block for all the points, laid out alike.
    void ResetPositions(const std::vector<int> &sizeCounts);

    void SetExtras(morvane::AamaPieceExtras extras) { m_oExtras = std::move(extras); }
    const morvane::AamaPieceExtras &GetExtras() const { return m_oExtras; }

    /// The owned internal points, in order of addition.
    const std::deque<CAamaGradePoint> &GetInternalPoints() const { return m_oInternalPoints; }
    /// The notches off the outline, in order of addition, each with its notch.
    const std::deque<CAamaGradePoint> &GetNotchesOffOutline() const
    {
        return m_oNotchesOffOutline;
    }
    /// The drawing item that notch off the outline index lies on; -1 for none.
    int GetNotchDrawingItem(std::size_t index) const { return m_oNotchDrawingItems[index]; }

private:
    std::string m_sName;
    std::string m_sShownName;
    std::deque<CAamaGradeCurve> m_oCurves;
    std::deque<CAamaGradePoint> m_oInternalPoints;
    std::vector<CAamaGradePoint *> m_oRulePoints;
    std::deque<CAamaGradePoint> m_oBoundaryPoints;
    std::deque<CAamaGradePoint> m_oNotchesOffOutline;
    std::vector<int> m_oNotchDrawingItems;
    std::deque<CAamaNotch> m_oNotches;
    /// The layout of the positions per size of the outline and internal points and the notches
    /// off the outline, and those positions: one run of the layout's count per point, in that
    /// order.
    CAamaPositionLayout m_oPositionLayout;
    std::vector<DPOINT> m_oPositions;
    morvane::AamaPieceExtras m_oExtras;
};
