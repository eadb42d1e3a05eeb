// Morvane formula library.
// The formulas of the old storage format that masks before version 2100 hold, and their
// conversion into the current kinds.
#pragma once

#include "formulas/MeasureGradePath.h"
#include "formulas/StrParam.h"
#include "foundation/AttContainer.h"
#include "model/IOldFormula.h"
#include "model/MvItem.h"

#include <initializer_list>
#include <memory>
#include <string>

class CBaseFormula;
class CBasePoint;
class CBasePropDistFormula;

/// An old-format formula: base points ("BasePoints", references to "BasePoint" elements), text
/// parameters ("Parameters", "Param" elements) and a type number ("FormulaType", read only,
/// 1 when absent). Never written.
class CBaseFormulaOld : public IOldFormula, public CAttContainer, public CMvItem
{
public:
    CBaseFormulaOld();

    /// "CBaseFormulaOld", base CMvItem, not creatable by name.
    static const CRuntimeClass *GetThisClass();
    const CRuntimeClass *GetRuntimeClass() const override { return GetThisClass(); }

    int GetOldFormulaType() const override { return m_nFormulaType; }
    /// Base point i; null past the end.
    CBasePoint *GetBasePoint(int i) const;
    /// The text of parameter i; empty past the end.
    std::string GetParamText(int i) const;
    /// The formula the last conversion made (not owned); null before one.
    CBaseFormula *GetConvertedFormula() const { return m_pConverted; }

protected:
    /// The shared step of the dart and lapel conversions: converted's index point i becomes
    /// base point i, and its parameters take this one's texts in order (as expressions).
    void CopyToNewFormula(CBaseFormula &converted) const;
    /// Null for a null formula; otherwise CopyToNewFormula, then the leading parameters take
    /// the texts given, and the formula becomes the converted one.
    std::unique_ptr<IBaseFormula> TakeConverted(std::unique_ptr<CBaseFormula> formula,
                                                std::initializer_list<std::string> leadingTexts);

    CBaseFormula *m_pConverted = nullptr;

private:
    CPtrCollection<CBasePoint> m_oBasePoints;
    COwningCollection<CStrParam> m_oStrParams;
    int m_nFormulaType = OLD_FORMULA_GRADE;
};

/// The old grade formula: "Text" ("x,y") and "Direction". It becomes a region grade formula
/// whose parameters are the text before the first "," and the text after it up to a second ","
/// (empty without one).
class CGradeFormula : public CBaseFormulaOld
{
public:
    CGradeFormula();

    /// "CGradeFormula", base CBaseFormulaOld, creatable by name.
    static const CRuntimeClass *GetThisClass();
    const CRuntimeClass *GetRuntimeClass() const override { return GetThisClass(); }

    std::unique_ptr<IBaseFormula> ConvertToNewFormula(IRegion *region) override;

private:
    std::string m_sText;
    double m_dDirection = 0.0;
};

/// The old grade formula shared under a number: "FormulaId" after the grade formula's keys.
class CGlobalGradeFormula : public CGradeFormula
{
public:
    CGlobalGradeFormula();

    /// "CGlobalGradeFormula", base CGradeFormula, creatable by name.
    static const CRuntimeClass *GetThisClass();
    const CRuntimeClass *GetRuntimeClass() const override { return GetThisClass(); }

private:
    int m_nFormulaId = -1;
};

/// The old dart formula: "Delta1", "Delta2" and "Movement". It becomes a region dart for its
/// region, else a pattern dart on the pattern of base point 0; the base points become its index
/// points and the three texts its parameters 0, 1 and 2.
class CDartFormula : public CBaseFormulaOld
{
public:
    CDartFormula();

    /// "CDartFormula", base CBaseFormulaOld, creatable by name.
    static const CRuntimeClass *GetThisClass();
    const CRuntimeClass *GetRuntimeClass() const override { return GetThisClass(); }

    /// Null without a region and without base point 0.
    std::unique_ptr<IBaseFormula> ConvertToNewFormula(IRegion *region) override;

private:
    std::string m_sDelta1;
    std::string m_sDelta2;
    std::string m_sMovement;
};

/// The old lapel formula: "Delta1" and "Delta2". It becomes a region lapel for its region,
/// else a pattern lapel on the pattern of base point 0; the base points become its index
/// points and the two texts its parameters 0 and 1.
class CGradeLapelFormula : public CBaseFormulaOld
{
public:
    CGradeLapelFormula();

    /// "CGradeLapelFormula", base CBaseFormulaOld, creatable by name.
    static const CRuntimeClass *GetThisClass();
    const CRuntimeClass *GetRuntimeClass() const override { return GetThisClass(); }

    /// Null without a region and without base point 0.
    std::unique_ptr<IBaseFormula> ConvertToNewFormula(IRegion *region) override;

private:
    std::string m_sDelta1;
    std::string m_sDelta2;
};

/// The old path definition: the length of the path its region finds ("SegmentCount", a text
/// read and never written, is not used). It becomes a region path formula for its region; null
/// without a region.
class CPathDefinition : public CBaseFormulaOld
{
public:
    CPathDefinition();

    /// "CPathDefinition", base CBaseFormulaOld, creatable by name.
    static const CRuntimeClass *GetThisClass();
    const CRuntimeClass *GetRuntimeClass() const override { return GetThisClass(); }

    std::unique_ptr<IBaseFormula> ConvertToNewFormula(IRegion *region) override;
};

/// The old path between two points of a pattern: "ClockWise", "PointStart" and "PointEnd"
/// (references to "BasePoint" elements), after the path definition's keys. It becomes a
/// pattern path formula on the start point's pattern from the start point to the end point,
/// reversed when the old path ran clockwise; null without a start point.
class CPointPathDefinition : public CPathDefinition
{
public:
    CPointPathDefinition();

    /// "CPointPathDefinition", base CPathDefinition, creatable by name.
    static const CRuntimeClass *GetThisClass();
    const CRuntimeClass *GetRuntimeClass() const override { return GetThisClass(); }

    std::unique_ptr<IBaseFormula> ConvertToNewFormula(IRegion *region) override;

    CBasePoint *GetPointStart() const { return m_pPointStart; }
    CBasePoint *GetPointEnd() const { return m_pPointEnd; }
    bool GetClockWise() const { return m_bClockWise; }

private:
    bool m_bClockWise = false;
    CBasePoint *m_pPointStart = nullptr;
    CBasePoint *m_pPointEnd = nullptr;
};

/// The old proportional-distance grading: references to old path definitions that give its end
/// points or mark it as a region's ("GradePathDefinitions", read only), the paths it measures
/// along ("MeasurePathDefinitions") and how their segments are counted
/// ("MeasurePathProperties"). It becomes a proportional-distance formula of its region, else of
/// the pattern of its end points, measuring along what its measure path definitions became.
class CProportionalDistanceGrading : public CBaseFormulaOld, public IOldPropDistGrading
{
public:
    CProportionalDistanceGrading();

    /// "CProportionalDistanceGrading", base CBaseFormulaOld, creatable by name.
    static const CRuntimeClass *GetThisClass();
    const CRuntimeClass *GetRuntimeClass() const override { return GetThisClass(); }

    /// Appends one property per measure path definition: automatic, unless the definition's
    /// "SegmentCount" reads as an integer above 0, which becomes its segment count.
    void ConvertPathProperties() override;
    bool HoldsGradePath(const IOldFormula *formula) const override;
    bool HoldsPath(const IOldFormula *formula) const override;
    /// For a region, a region formula on it; otherwise a pattern formula whose end points,
    /// pattern and direction come from the first grade path definition when that is a point
    /// path. Each measure path definition that was converted into a formula becomes a measure
    /// path on that formula, counting its segments as the property of the same index. Call it
    /// after the path definitions are converted.
    std::unique_ptr<IBaseFormula> ConvertToNewFormula(IRegion *region) override;

private:
    std::unique_ptr<CBasePropDistFormula> MakeFormula(IRegion *region) const;
    void AddMeasurePaths(CBasePropDistFormula &formula) const;

    CPtrCollection<CBaseFormulaOld> m_oGradePathDefinitions;
    CPtrCollection<CBaseFormulaOld> m_oMeasurePathDefinitions;
    COwningCollection<CMeasurePathProperty> m_oMeasurePathProperties;
};
