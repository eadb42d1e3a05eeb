// Morvane formula library.
// The relative formula that grades the points of several patterns along the paths of path
// formulas.
#pragma once

#include "formulas/BaseRelativeFormula.h"
#include "model/GradePathProperty.h"

#include <utility>
#include <vector>

class CPathPatternFormula;

/// A relative formula (global) whose paths are those of the path formulas its grade-path
/// properties name. Its update joins the run through its managed counterpart, pairs the points
/// of a pattern path formula's two paths and generates the runtime formulas of the pairs.
/// Stored: "GradePathProperties" ("GradePathProperty" elements, when set), "Relative", then
/// the relative keys.
class CGlobPropDistFormula : public CBaseRelativeFormula
{
public:
    CGlobPropDistFormula();

    /// "CGlobPropDistFormula", base CBaseRelativeFormula, creatable by name.
    static const CRuntimeClass *GetThisClass();
    const CRuntimeClass *GetRuntimeClass() const override { return GetThisClass(); }

    /// The number of grade-path properties.
    int GetPathSourceCount() const override;
    /// Grade-path property i; null for an empty slot.
    IGradePathSource *GetPathSource(int i) const override;
    /// The relative part, then copies of other's grade-path properties.
    void CopyFrom(const CBaseFormula &other) override;
    /// From a pattern's proportional-distance formula: its settings and measured paths
    /// (RelinkSettingsFrom), and one grade-path property for pathFormula (when given), the path
    /// formula that took over its end points.
    bool RelinkFrom(IBaseFormula *replaced, IBaseFormula *pathFormula) override;
    /// Every loaded point match and grade-path property gets this formula as its owner.
    void OnReferencesResolved() override;
    /// Refreshes its managed counterpart through itself; then, with one grade-path property
    /// naming a pattern path formula one of whose paths holds two points or more, generates the
    /// formulas of the point pairs of its two paths.
    void Update() override;

    /// Each point of the longer list (the first when both are as long) with the first point of
    /// the other list on the same pattern, each partner taken once; null when there is none.
    static std::vector<std::pair<CBasePoint *, CBasePoint *>>
    PairPoints(const CPtrCollection<CBasePoint> &first, const CPtrCollection<CBasePoint> &second);

    CGradePathPropertyList &GetGradePathProperties() { return m_oGradePathProperties; }
    /// Appends a property for the path formula; returns its index.
    int AddPathProperty(IBaseFormula *pathFormula);
    void RemovePathProperty(int i);

protected:
    /// "<display name>(<variable names of the path formulas, joined by ", ">)".
    void DoGetDisplayText(std::string &out, bool flag) override;

private:
    CPathPatternFormula *FindSinglePatternPath() const;
    void GenerateFormulas(CPathPatternFormula &pathFormula);

    CGradePathPropertyList m_oGradePathProperties;
};
