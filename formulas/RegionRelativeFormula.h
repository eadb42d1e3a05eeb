// Morvane formula library.
// The relative formula whose single path is the run of an input pattern's outline inside a
// grade region.
#pragma once

#include "formulas/BaseRelativeFormula.h"
#include "model/GradePath.h"
#include "model/IGradePathSource.h"
#include "model/IMeasureFormula.h"

class CGradeRegion;

/// A relative formula of a grade region (region types 28 and 32): its one path source is the
/// run of the first shown input pattern's outline inside the region, found as the region path
/// formula finds it; it publishes that path's length per size under its variable name. Stored
/// after the relative keys: "Region" (required), "VarName" (required) and "Relative".
class CRegionRelativeFormula : public CBaseRelativeFormula,
                               public IMeasureFormula,
                               public IGradePathSource
{
public:
    CRegionRelativeFormula();

    /// "CRegionRelativeFormula", base CBaseRelativeFormula, creatable by name.
    static const CRuntimeClass *GetThisClass();
    const CRuntimeClass *GetRuntimeClass() const override { return GetThisClass(); }

    IRegion *GetRegion() const override;
    IMeasureFormula *AsMeasureFormula() override { return this; }
    /// The relative part, the reverse flag and the variable name.
    void CopyFrom(const CBaseFormula &other) override;
    /// From a region's proportional-distance formula: its settings and measured paths
    /// (RelinkSettingsFrom), its region and its variable name. The path is the region's own.
    bool RelinkFrom(IBaseFormula *replaced, IBaseFormula *pathFormula) override;

    CGradeRegion *GetGradeRegion() const { return m_pRegion; }
    void SetRegion(CGradeRegion *region);
    bool GetReverse() const { return m_bReverse; }

    /// One: the region path.
    int GetPathSourceCount() const override { return 1; }
    IGradePathSource *GetPathSource(int i) const override;

    // IMeasureFormula: the region path's length.
    std::string GetVarName() const override { return m_sVarName; }
    void SetVarName(const std::string &name) override;
    /// The region path's length for the size; (-1, -1) is the base size.
    double GetValue(int table, int size) override;
    using CBaseRelativeFormula::IsValid;
    bool IsValid() override { return CBaseRelativeFormula::IsValid(nullptr); }
    bool IsRuntime() const override { return false; }
    /// Whether the region path has a segment.
    bool HasPath();

    // IGradePathSource: the region path and whether other formulas grade its ends.
    /// The region path, brought up to date.
    IGradePath *GetGradePath() const override;
    bool GetStartGraded() const override { return m_bFirstGraded; }
    bool GetEndGraded() const override { return m_bLastGraded; }
    void SetStartGraded(bool graded) override { m_bFirstGraded = graded; }
    void SetEndGraded(bool graded) override { m_bLastGraded = graded; }
    void UpdateStartGraded() override;
    void UpdateEndGraded() override;

protected:
    /// The resolved points, then the region path: the run inside the region on the first shown
    /// input pattern that has one (empty when none).
    void Recalculate() override;
    /// Short form: "<display name>(<region name>)"; else "<display name>(<first>-><last>)", with
    /// "<-" when reversed and "P?" for a missing point.
    void DoGetDisplayText(std::string &out, bool shortForm) override;

private:
    void FillRegionPath();
    bool IsGradedElsewhere(const CBasePoint *point);

    CGradeRegion *m_pRegion = nullptr;
    CGradePath m_oRegionPath;
    bool m_bReverse = false;
    std::string m_sVarName;
    bool m_bFirstGraded = false;
    bool m_bLastGraded = false;
};
