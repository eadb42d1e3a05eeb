// Morvane formula library.
// The records of a measured path: which path formula, and how its segments are counted.
#pragma once

#include "foundation/AttContainer.h"
#include "model/MvItem.h"

class IBaseFormula;

/// How the segments of a measured path are counted: a number, whether it is found
/// automatically, and whether the segments of the paths are matched. Stored as "Segments",
/// "AutoSegments" and "MatchSegments", always.
class CMeasurePathProperty : public CAttContainer, public CMvItem
{
public:
    CMeasurePathProperty();

    /// "CMeasurePathProperty", base CMvItem, creatable by name.
    static const CRuntimeClass *GetThisClass();
    const CRuntimeClass *GetRuntimeClass() const override { return GetThisClass(); }

    int GetSegments() const { return m_nSegments; }
    void SetSegments(int segments) { m_nSegments = segments; }
    bool GetAutoSegments() const { return m_bAutoSegments; }
    void SetAutoSegments(bool automatic) { m_bAutoSegments = automatic; }
    bool GetMatchSegments() const { return m_bMatchSegments; }
    void SetMatchSegments(bool match) { m_bMatchSegments = match; }
    /// Takes the three values of other.
    void CopySegmentsFrom(const CMeasurePathProperty &other);

private:
    int m_nSegments = 0;
    bool m_bAutoSegments = true;
    bool m_bMatchSegments = true;
};

/// A path along which a proportional-distance formula measures: the segment counting of
/// CMeasurePathProperty and the path formula, stored as "PathFormula" (by name, required) after
/// the three keys.
class CMeasureGradePath : public CMeasurePathProperty
{
public:
    CMeasureGradePath();

    /// "CMeasureGradePath", base CMeasurePathProperty, creatable by name.
    static const CRuntimeClass *GetThisClass();
    const CRuntimeClass *GetRuntimeClass() const override { return GetThisClass(); }

    IBaseFormula *GetPathFormula() const { return m_pPathFormula; }
    void SetPathFormula(IBaseFormula *formula) { m_pPathFormula = formula; }

private:
    IBaseFormula *m_pPathFormula = nullptr;
};
