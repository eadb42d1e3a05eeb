// Morvane formula library.
// The base of the dart formulas: the three points of a dart graded as one unit.
#pragma once

#include "formulas/BaseFormula.h"

#include <string>

/// Grades the three points of a dart together: dart point 0 and 2 are the ends of the legs,
/// dart point 1 the apex (the resolved points 0, 1, 2). Parameter 0 is the depth (stored by old
/// masks as "Delta1"), parameter 1 the opening ("Delta2"; an angle when its type is 1) and
/// parameter 2 the movement ("Movement"). The parser line is
/// "%DG(<0>,<1>,<2>,<movement>,<depth>,<opening>,<move control>,<reference length>,
/// <symmetric>,<length control>)", "%DGA(...)" for an opening angle. Type 3.
///
/// Stored keys after those of the base: "MoveXYDefined" and "Symmetric"; "DepthGrading" (the
/// length control) only where a kind registers it.
class CBaseDartFormula : public CBaseFormula
{
public:
    static constexpr int kFormulaType = 3;
    /// The move control under which the movement is a share of the reference length.
    static constexpr int kMoveByReferenceLength = 1;

    CBaseDartFormula();

    /// "CBaseDartFormula", base CBaseFormula, not creatable by name.
    static const CRuntimeClass *GetThisClass();
    const CRuntimeClass *GetRuntimeClass() const override { return GetThisClass(); }

    int GetFormulaType() const override { return kFormulaType; }
    /// Both 1: the parser sets the three points.
    int GetApplyTypeX() const override;
    int GetApplyTypeY() const override;
    /// The pattern of the first point the formula collects; null when none.
    CPattern *GetPatternOfPoints();
    /// Empty while a dart point is missing.
    std::string GetFormulaText() override;
    /// The base check, then each dart point in a read-only region fails (108 with its name).
    bool Validate(CFormulaMessageList *reporter, IFormulaTextChecker *checker) override;
    /// The base copy, then symmetry, move control and length control.
    void CopyFrom(const CBaseFormula &other) override;
    /// CopyFrom the replaced formula (the dart that a complex dart replaces in an older mask).
    void TakeOverFrom(IBaseFormula *replaced) override;

    std::string GetDepthText() { return FormatParamForDisplay(0); }
    bool SetDepthText(const std::string &text) { return SetParamText(0, text); }
    std::string GetOpeningText() { return FormatParamForDisplay(1); }
    bool SetOpeningText(const std::string &text) { return SetParamText(1, text); }
    std::string GetMovementText() { return FormatParamForDisplay(2); }
    bool SetMovementText(const std::string &text) { return SetParamText(2, text); }
    /// Whether the opening is an angle (parameter 1 of type 1).
    bool IsOpeningAngle();
    /// Makes the opening an angle (type 1) or a width (type 0).
    void SetOpeningAngle(bool angle);
    int GetLengthControl() const { return m_eLengthControl; }
    void SetLengthControl(int control);
    int GetMoveControl() const { return m_eMoveControl; }
    void SetMoveControl(int control);
    bool IsSymmetric() const { return m_bSymmetric; }
    void SetSymmetric(bool symmetric);
    /// Resolved point i (0, 1 or 2); null when missing.
    CBasePoint *GetDartPoint(int i) { return GetResolvedPoint(i); }

    /// With move control 1: the length along the line that leaves dart point 0 away from the
    /// dart (a line through it holding neither other dart point, else the last line through
    /// it), from dart point 0 to that line's far end, base size. 0 otherwise.
    double GetReferenceLength();

protected:
    int GetResolvedCount() const override { return kDartPointCount; }
    /// The dart points, each once.
    void DoCollectPoints(CPtrCollection<CBasePoint> &list) override;
    /// "<name>(<0>,<1>,<2>)" with the dart points, or with index points 0 to 2 when asked for
    /// ("<name>()" for a region dart then); "P?" for a missing one.
    void DoGetDisplayText(std::string &out, bool indexPoints) override;
    /// Registers "DepthGrading" at this place of the stored keys.
    void RegisterLengthControl();
    /// The point shown at position i of the display text.
    CBasePoint *GetShownPoint(int i, bool indexPoints);

    static constexpr int kDartPointCount = 3;

private:
    int m_eLengthControl = 0;
    int m_eMoveControl = 0;
    bool m_bSymmetric = false;
};
