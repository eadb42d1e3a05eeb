// Morvane formula library.
// The proportional-distance formulas of a mask pattern and of a grade region: their settings
// and measure paths, as older mask files store them.
#include "formulas/PropDistFormula.h"

#include "formulas/FormulaText.h"
#include "model/FormulaFactory.h"
#include "model/GradeRegion.h"
#include "model/MaskPattern.h"

using namespace morvane;

static const CRuntimeClass kBasePropDistFormulaClass("CBasePropDistFormula", nullptr,
                                                     CBaseFormula::GetThisClass());
static const CRuntimeClass kPropDistPatternFormulaClass("CPropDistPatternFormula",
                                                        &CreateObjectOf<CPropDistPatternFormula>,
                                                        &kBasePropDistFormulaClass);
static const CRuntimeClass kPropDistRegionFormulaClass("CPropDistRegionFormula",
                                                       &CreateObjectOf<CPropDistRegionFormula>,
                                                       &kBasePropDistFormulaClass);

// Made under type 1 of their categories so that the undo history can copy their state.
static std::unique_ptr<IBaseFormula> makePatternPropDist(void *context, const FormulaTarget &target)
{
    auto formula = std::make_unique<CPropDistPatternFormula>();
    formula->SetContextValue(context);
    formula->SetPattern(dynamic_cast<CMaskPattern *>(target.pattern));
    return formula;
}

static std::unique_ptr<IBaseFormula> makeRegionPropDist(void *context, const FormulaTarget &target)
{
    auto formula = std::make_unique<CPropDistRegionFormula>();
    formula->SetContextValue(context);
    formula->SetRegion(dynamic_cast<CGradeRegion *>(target.region));
    return formula;
}

static const FormulaMakerRegistration
    kPatternMaker(FORMULA_ATTACH_PATTERN, CBasePropDistFormula::kFormulaType, &makePatternPropDist);
static const FormulaMakerRegistration
    kRegionMaker(FORMULA_ATTACH_REGION, CBasePropDistFormula::kFormulaType, &makeRegionPropDist);

const CRuntimeClass *CBasePropDistFormula::GetThisClass()
{
    return &kBasePropDistFormulaClass;
}

CBasePropDistFormula::CBasePropDistFormula()
{
    SetRequiredIndexCount(2);
    AddStringAttribute(&m_sVarName, "VarName", XmlPresence::WhenSet);
    AddIntAttribute(&m_nValueType, "ValueType", XmlPresence::ReadOnly);
}

void CBasePropDistFormula::RegisterMeasureKeys()
{
    AddClassCollectionAttribute(&m_oMeasurePaths, "MeasurePaths", "MeasureGradePath",
                                CMeasureGradePath::GetThisClass(), XmlNaming::None,
                                XmlPresence::WhenSet);
    AddIntAttribute(&m_nAdjustType, "AdjustType", XmlPresence::WhenSet);
    AddBoolAttribute(&m_bProportionByLength, "ProportionByLength", XmlPresence::WhenSet);
}

int CBasePropDistFormula::GetApplyTypeX() const
{
    return APPLY_DRIVEN;
}

int CBasePropDistFormula::GetApplyTypeY() const
{
    return APPLY_DRIVEN;
}

int CBasePropDistFormula::AddMeasurePath(IBaseFormula *pathFormula)
{
    auto path = std::make_unique<CMeasureGradePath>();
    path->SetPathFormula(pathFormula);
    return m_oMeasurePaths.AddOwned(std::move(path));
}

void CBasePropDistFormula::CopyFrom(const CBaseFormula &other)
{
    CBaseFormula::CopyFrom(other);
    const auto *formula = dynamic_cast<const CBasePropDistFormula *>(&other);
    if (formula == nullptr)
        return;
    m_bProportionByLength = formula->m_bProportionByLength;
    m_nAdjustType = formula->m_nAdjustType;
    m_sVarName = formula->m_sVarName;
    m_oMeasurePaths.RemoveAll();
    for (const CMeasureGradePath *path : formula->m_oMeasurePaths) {
        const int index = AddMeasurePath(path->GetPathFormula());
        m_oMeasurePaths.GetAt(index)->CopySegmentsFrom(*path);
    }
}

void CBasePropDistFormula::DoCollectPoints(CPtrCollection<CBasePoint> &) {}

void CBasePropDistFormula::DoGetDisplayText(std::string &out, bool)
{
    out.clear();
}

const CRuntimeClass *CPropDistPatternFormula::GetThisClass()
{
    return &kPropDistPatternFormulaClass;
}

CPropDistPatternFormula::CPropDistPatternFormula()
{
    AddBoolAttribute(&m_bReverse, "Reverse", XmlPresence::WhenSet);
    AddPtrAttribute(&m_pPattern, "Pattern", "Pattern");
    RegisterMeasureKeys();
}

CPattern *CPropDistPatternFormula::GetPattern() const
{
    return m_pPattern;
}

void CPropDistPatternFormula::CopyFrom(const CBaseFormula &other)
{
    CBasePropDistFormula::CopyFrom(other);
    if (const auto *formula = dynamic_cast<const CPropDistPatternFormula *>(&other)) {
        m_pPattern = formula->m_pPattern;
        m_bReverse = formula->m_bReverse;
    }
}

const CRuntimeClass *CPropDistRegionFormula::GetThisClass()
{
    return &kPropDistRegionFormulaClass;
}

CPropDistRegionFormula::CPropDistRegionFormula()
{
    AddPtrAttribute(&m_pRegion, "Region", "GradeRegion");
    RegisterMeasureKeys();
}

IRegion *CPropDistRegionFormula::GetRegion() const
{
    return m_pRegion;
}

void CPropDistRegionFormula::CopyFrom(const CBaseFormula &other)
{
    CBasePropDistFormula::CopyFrom(other);
    if (const auto *formula = dynamic_cast<const CPropDistRegionFormula *>(&other))
        m_pRegion = formula->m_pRegion;
}
