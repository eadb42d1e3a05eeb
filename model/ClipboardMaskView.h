// Morvane model library.
// The copied part of a mask as a clipboard payload writes it, without owning anything.
#pragma once

#include "foundation/AttContainer.h"
#include "foundation/PtrCollection.h"
#include "model/MvItem.h"

class CGradeRegion;
class CMaskPattern;
class IBaseFormula;

/// The patterns, regions and formulas a copy collects from its source mask, held by pointer:
/// the source mask keeps owning them, whatever happens while the payload is written. It is
/// stored in the form of a mask file's "GradeMask" (Version, centre, "Patterns", "GradeRegions",
/// "Formulas"), so that the payload loads back into a grade mask; it is never loaded itself.
class CClipboardMaskView : public CAttContainer, public CMvItem
{
public:
    CClipboardMaskView();

    void AddPattern(CMaskPattern *pattern);
    void AddRegion(CGradeRegion *region);
    void AddFormula(IBaseFormula *formula);
    bool HoldsPattern(const CMaskPattern *pattern) const;
    bool HoldsRegion(const CGradeRegion *region) const;
    bool HoldsFormula(const IBaseFormula *formula) const;
    /// Drops every pointer.
    void Clear();

private:
    int m_nVersion;
    double m_dCenterX = 0.0;
    double m_dCenterY = 0.0;
    CPtrCollection<CMaskPattern> m_oPatterns;
    CPtrCollection<CGradeRegion> m_oGradeRegions;
    CPtrCollection<IBaseFormula> m_oFormulas;
};
