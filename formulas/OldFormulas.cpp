// Morvane formula library.
// The formulas of the old storage format that masks before version 2100 hold, and their
// conversion into the current kinds.
#include "formulas/OldFormulas.h"

#include "formulas/DartPatternFormula.h"
#include "formulas/DartRegionFormula.h"
#include "formulas/GradeRegionFormula.h"
#include "formulas/LapelPatternFormula.h"
#include "formulas/LapelRegionFormula.h"
#include "formulas/PathPatternFormula.h"
#include "formulas/PathRegionFormula.h"
#include "formulas/PropDistFormula.h"
#include "foundation/ClassRegistry.h"
#include "foundation/NumberText.h"
#include "model/BasePoint.h"
#include "model/FormulaFactory.h"
#include "model/GradeRegion.h"
#include "model/MaskPattern.h"
#include "model/MaskPoint.h"

using namespace morvane;

static const CRuntimeClass kBaseFormulaOldClass("CBaseFormulaOld", nullptr,
                                                CMvItem::GetThisClass());
static const CRuntimeClass kGradeFormulaClass("CGradeFormula", &CreateObjectOf<CGradeFormula>,
                                              &kBaseFormulaOldClass);
static const CRuntimeClass kGlobalGradeFormulaClass("CGlobalGradeFormula",
                                                    &CreateObjectOf<CGlobalGradeFormula>,
                                                    &kGradeFormulaClass);
static const CRuntimeClass kDartFormulaClass("CDartFormula", &CreateObjectOf<CDartFormula>,
                                             &kBaseFormulaOldClass);
static const CRuntimeClass kGradeLapelFormulaClass("CGradeLapelFormula",
                                                   &CreateObjectOf<CGradeLapelFormula>,
                                                   &kBaseFormulaOldClass);
static const CRuntimeClass kPathDefinitionClass("CPathDefinition", &CreateObjectOf<CPathDefinition>,
                                                &kBaseFormulaOldClass);
static const CRuntimeClass kPointPathDefinitionClass("CPointPathDefinition",
                                                     &CreateObjectOf<CPointPathDefinition>,
                                                     &kPathDefinitionClass);
static const CRuntimeClass
    kProportionalDistanceGradingClass("CProportionalDistanceGrading",
                                      &CreateObjectOf<CProportionalDistanceGrading>,
                                      &kBaseFormulaOldClass);

namespace {

const CClassRegistry &oldFormulaClasses()
{
    static const CClassRegistry registry = [] {
        CClassRegistry classes;
        const CRuntimeClass *kinds[] = {&kGradeFormulaClass,
                                        &kGlobalGradeFormulaClass,
                                        &kDartFormulaClass,
                                        &kGradeLapelFormulaClass,
                                        &kPathDefinitionClass,
                                        &kPointPathDefinitionClass,
                                        &kProportionalDistanceGradingClass};
        uint32_t id = 0;
        for (const CRuntimeClass *kind : kinds)
            classes.Register(id++, kind, kind->m_sClassName);
        return classes;
    }();
    return registry;
}

// The grade mask, which cannot see this library, finds the old classes through the factory.
[[maybe_unused]] const bool kInstalled =
    (CFormulaFactory::SetOldClassRegistrySource(&oldFormulaClasses), true);

} // namespace

const CRuntimeClass *CBaseFormulaOld::GetThisClass()
{
    return &kBaseFormulaOldClass;
}

CBaseFormulaOld::CBaseFormulaOld()
{
    AddPtrCollectionAttribute(&m_oBasePoints, "BasePoints", "BasePoint", XmlPresence::Optional);
    AddClassCollectionAttribute(&m_oStrParams, "Parameters", "Param", CStrParam::GetThisClass(),
                                XmlNaming::None, XmlPresence::Optional);
    AddIntAttribute(&m_nFormulaType, "FormulaType", XmlPresence::ReadOnly);
}

CBasePoint *CBaseFormulaOld::GetBasePoint(int i) const
{
    return i >= 0 && i < m_oBasePoints.GetCount() ? m_oBasePoints.GetAt(i) : nullptr;
}

std::string CBaseFormulaOld::GetParamText(int i) const
{
    return i >= 0 && i < m_oStrParams.GetCount() ? m_oStrParams.GetAt(i)->GetValue()
                                                 : std::string();
}

void CBaseFormulaOld::CopyToNewFormula(CBaseFormula &converted) const
{
    for (int i = 0; i < m_oBasePoints.GetCount(); ++i)
        converted.SetIndexPoint(i, m_oBasePoints.GetAt(i));
    for (int i = 0; i < m_oStrParams.GetCount(); ++i)
        converted.GetParam(i)->SetValue(m_oStrParams.GetAt(i)->GetValue());
}

std::unique_ptr<IBaseFormula>
CBaseFormulaOld::TakeConverted(std::unique_ptr<CBaseFormula> formula,
                               std::initializer_list<std::string> leadingTexts)
{
    if (formula == nullptr)
        return nullptr;
    CopyToNewFormula(*formula);
    int n = 0;
    for (const std::string &text : leadingTexts)
        formula->GetParam(n++)->SetValue(text);
    m_pConverted = formula.get();
    return formula;
}

const CRuntimeClass *CGradeFormula::GetThisClass()
{
    return &kGradeFormulaClass;
}

CGradeFormula::CGradeFormula()
{
    AddStringAttribute(&m_sText, "Text");
    AddDoubleAttribute(&m_dDirection, "Direction");
}

std::unique_ptr<IBaseFormula> CGradeFormula::ConvertToNewFormula(IRegion *region)
{
    auto formula = std::make_unique<CGradeRegionFormula>();
    formula->SetRegion(dynamic_cast<CGradeRegion *>(region));
    std::string x;
    std::string y;
    CBaseGradeFormula::SplitPairText(m_sText, x, y, false);
    formula->GetParam(0)->SetValue(x);
    formula->GetParam(1)->SetValue(y);
    m_pConverted = formula.get();
    return formula;
}

const CRuntimeClass *CGlobalGradeFormula::GetThisClass()
{
    return &kGlobalGradeFormulaClass;
}

CGlobalGradeFormula::CGlobalGradeFormula()
{
    AddIntAttribute(&m_nFormulaId, "FormulaId");
}

// A region formula of kind Region for a region, else a pattern formula of kind Pattern on the
// pattern of base point 0; null without either.
template <class Region, class Pattern>
static std::unique_ptr<CBaseFormula> makeConverted(IRegion *region, const CBasePoint *first)
{
    if (auto *gradeRegion = dynamic_cast<CGradeRegion *>(region)) {
        auto formula = std::make_unique<Region>();
        formula->SetRegion(gradeRegion);
        return formula;
    }
    if (first == nullptr)
        return nullptr;
    auto formula = std::make_unique<Pattern>();
    formula->SetPattern(first->GetParent());
    return formula;
}

const CRuntimeClass *CDartFormula::GetThisClass()
{
    return &kDartFormulaClass;
}

CDartFormula::CDartFormula()
{
    AddStringAttribute(&m_sDelta1, "Delta1");
    AddStringAttribute(&m_sDelta2, "Delta2");
    AddStringAttribute(&m_sMovement, "Movement", XmlPresence::Optional);
}

std::unique_ptr<IBaseFormula> CDartFormula::ConvertToNewFormula(IRegion *region)
{
    return TakeConverted(
        makeConverted<CDartRegionFormula, CDartPatternFormula>(region, GetBasePoint(0)),
        {m_sDelta1, m_sDelta2, m_sMovement});
}

const CRuntimeClass *CGradeLapelFormula::GetThisClass()
{
    return &kGradeLapelFormulaClass;
}

CGradeLapelFormula::CGradeLapelFormula()
{
    AddStringAttribute(&m_sDelta1, "Delta1");
    AddStringAttribute(&m_sDelta2, "Delta2");
}

std::unique_ptr<IBaseFormula> CGradeLapelFormula::ConvertToNewFormula(IRegion *region)
{
    return TakeConverted(
        makeConverted<CLapelRegionFormula, CLapelPatternFormula>(region, GetBasePoint(0)),
        {m_sDelta1, m_sDelta2});
}

const CRuntimeClass *CPathDefinition::GetThisClass()
{
    return &kPathDefinitionClass;
}

CPathDefinition::CPathDefinition()
{
    AddExtraAttribute("SegmentCount", XmlPresence::ReadOnly, XmlForm::Element);
}

std::unique_ptr<IBaseFormula> CPathDefinition::ConvertToNewFormula(IRegion *region)
{
    auto *gradeRegion = dynamic_cast<CGradeRegion *>(region);
    if (gradeRegion == nullptr)
        return nullptr;
    auto formula = std::make_unique<CPathRegionFormula>();
    formula->SetRegion(gradeRegion);
    m_pConverted = formula.get();
    return formula;
}

const CRuntimeClass *CPointPathDefinition::GetThisClass()
{
    return &kPointPathDefinitionClass;
}

CPointPathDefinition::CPointPathDefinition()
{
    AddBoolAttribute(&m_bClockWise, "ClockWise", XmlPresence::Optional);
    AddPtrAttribute(&m_pPointStart, "PointStart", "BasePoint", XmlPresence::Optional);
    AddPtrAttribute(&m_pPointEnd, "PointEnd", "BasePoint", XmlPresence::Optional);
}

// The mask point of a point; null for none or for a point of another kind.
static IMaskPoint *maskPointOf(CBasePoint *point)
{
    return point != nullptr ? point->GetMaskPoint() : nullptr;
}

std::unique_ptr<IBaseFormula> CPointPathDefinition::ConvertToNewFormula(IRegion *)
{
    auto *pattern = m_pPointStart != nullptr
                        ? dynamic_cast<CMaskPattern *>(m_pPointStart->GetParent())
                        : nullptr;
    if (pattern == nullptr)
        return nullptr;
    auto formula = std::make_unique<CPathPatternFormula>();
    formula->SetPattern(pattern);
    formula->SetFirstPoint(maskPointOf(m_pPointStart));
    formula->SetLastPoint(maskPointOf(m_pPointEnd));
    formula->SetReverse(m_bClockWise);
    m_pConverted = formula.get();
    return formula;
}

const CRuntimeClass *CProportionalDistanceGrading::GetThisClass()
{
    return &kProportionalDistanceGradingClass;
}

CProportionalDistanceGrading::CProportionalDistanceGrading()
{
    AddPtrCollectionAttribute(&m_oGradePathDefinitions, "GradePathDefinitions", "GradeFormula",
                              XmlPresence::ReadOnly);
    AddPtrCollectionAttribute(&m_oMeasurePathDefinitions, "MeasurePathDefinitions", "GradeFormula",
                              XmlPresence::Optional);
    AddClassCollectionAttribute(&m_oMeasurePathProperties, "MeasurePathProperties",
                                "MeasurePathProperty", CMeasurePathProperty::GetThisClass(),
                                XmlNaming::None, XmlPresence::Optional);
}

void CProportionalDistanceGrading::ConvertPathProperties()
{
    for (const CBaseFormulaOld *definition : m_oMeasurePathDefinitions) {
        auto property = std::make_unique<CMeasurePathProperty>();
        int segments = 0;
        if (definition != nullptr &&
            tryParseInt(definition->GetExtraAttribute("SegmentCount"), segments) && segments > 0) {
            property->SetAutoSegments(false);
            property->SetSegments(segments);
        }
        m_oMeasurePathProperties.AddOwned(std::move(property));
    }
}

bool CProportionalDistanceGrading::HoldsGradePath(const IOldFormula *formula) const
{
    for (const CBaseFormulaOld *definition : m_oGradePathDefinitions) {
        if (definition != nullptr && definition == formula)
            return true;
    }
    return false;
}

bool CProportionalDistanceGrading::HoldsPath(const IOldFormula *formula) const
{
    if (HoldsGradePath(formula))
        return true;
    for (const CBaseFormulaOld *definition : m_oMeasurePathDefinitions) {
        if (definition != nullptr && definition == formula)
            return true;
    }
    return false;
}

std::unique_ptr<IBaseFormula> CProportionalDistanceGrading::ConvertToNewFormula(IRegion *region)
{
    std::unique_ptr<CBasePropDistFormula> formula = MakeFormula(region);
    AddMeasurePaths(*formula);
    m_pConverted = formula.get();
    return formula;
}

std::unique_ptr<CBasePropDistFormula>
CProportionalDistanceGrading::MakeFormula(IRegion *region) const
{
    if (region != nullptr) {
        auto formula = std::make_unique<CPropDistRegionFormula>();
        formula->SetRegion(dynamic_cast<CGradeRegion *>(region));
        return formula;
    }
    auto formula = std::make_unique<CPropDistPatternFormula>();
    const auto *ends =
        m_oGradePathDefinitions.GetCount() > 0
            ? dynamic_cast<const CPointPathDefinition *>(m_oGradePathDefinitions.GetAt(0))
            : nullptr;
    if (ends != nullptr && ends->GetPointStart() != nullptr) {
        formula->SetPattern(dynamic_cast<CMaskPattern *>(ends->GetPointStart()->GetParent()));
        formula->SetIndexPoint(0, ends->GetPointStart());
        formula->SetIndexPoint(1, ends->GetPointEnd());
        formula->SetReverse(ends->GetClockWise());
    }
    return formula;
}

void CProportionalDistanceGrading::AddMeasurePaths(CBasePropDistFormula &formula) const
{
    for (int i = 0; i < m_oMeasurePathDefinitions.GetCount(); ++i) {
        const CBaseFormulaOld *definition = m_oMeasurePathDefinitions.GetAt(i);
        CBaseFormula *path = definition != nullptr ? definition->GetConvertedFormula() : nullptr;
        // A definition that became no formula leaves nothing to measure along.
        if (path == nullptr)
            continue;
        CMeasureGradePath *measure = formula.GetMeasurePathAt(formula.AddMeasurePath(path));
        if (i < m_oMeasurePathProperties.GetCount())
            measure->CopySegmentsFrom(*m_oMeasurePathProperties.GetAt(i));
    }
}
