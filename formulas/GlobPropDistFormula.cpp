// Morvane formula library.
// The relative formula that grades the points of several patterns along the paths of path
// formulas.
#include "formulas/GlobPropDistFormula.h"

#include "formulas/FormulaMakers.h"
#include "formulas/PathPatternFormula.h"
#include "formulas/PropDistFormula.h"
#include "formulas/RuntimeFormulaLikePoint.h"
#include "model/BasePoint.h"
#include "model/GradePath.h"
#include "model/IMeasureFormula.h"

using namespace morvane;

static const CRuntimeClass kGlobPropDistFormulaClass("CGlobPropDistFormula",
                                                     &CreateObjectOf<CGlobPropDistFormula>,
                                                     CBaseRelativeFormula::GetThisClass());

// Under both types, so that the undo history can copy a formula that measures its own paths.
static const FormulaMakerRegistration kRelativeMaker(FORMULA_ATTACH_NONE,
                                                     CBaseRelativeFormula::kRelativeType,
                                                     &makeGlobalFormula<CGlobPropDistFormula>);
static const FormulaMakerRegistration kOwnPathsMaker(
    FORMULA_ATTACH_NONE, CBaseRelativeFormula::kOwnPathsType,
    &makeOwnPathsFormula<CGlobPropDistFormula, &makeGlobalFormula<CGlobPropDistFormula>>);

const CRuntimeClass *CGlobPropDistFormula::GetThisClass()
{
    return &kGlobPropDistFormulaClass;
}

CGlobPropDistFormula::CGlobPropDistFormula()
{
    m_oGradePathProperties.SetOwner(this);
    AddClassCollectionAttribute(&m_oGradePathProperties, "GradePathProperties", "GradePathProperty",
                                CGradePathProperty::GetThisClass(), XmlNaming::None,
                                XmlPresence::Optional);
    RegisterRelativeFlag();
    RegisterRelativeKeys();
}

int CGlobPropDistFormula::GetPathSourceCount() const
{
    return m_oGradePathProperties.GetCount();
}

IGradePathSource *CGlobPropDistFormula::GetPathSource(int i) const
{
    return m_oGradePathProperties.GetAt(i);
}

int CGlobPropDistFormula::AddPathProperty(IBaseFormula *pathFormula)
{
    const int index = m_oGradePathProperties.AddPathProperty(pathFormula);
    Invalidate();
    return index;
}

void CGlobPropDistFormula::RemovePathProperty(int i)
{
    m_oGradePathProperties.RemoveAt(i);
    Invalidate();
}

void CGlobPropDistFormula::CopyFrom(const CBaseFormula &other)
{
    CBaseRelativeFormula::CopyFrom(other);
    if (const auto *formula = dynamic_cast<const CGlobPropDistFormula *>(&other)) {
        m_oGradePathProperties.RemoveAll();
        m_oGradePathProperties.CopyFrom(formula->m_oGradePathProperties);
    }
}

bool CGlobPropDistFormula::RelinkFrom(IBaseFormula *replaced, IBaseFormula *pathFormula)
{
    const auto *old = dynamic_cast<const CPropDistPatternFormula *>(replaced);
    if (old == nullptr)
        return false;
    RelinkSettingsFrom(*old);
    m_oGradePathProperties.RemoveAll();
    if (pathFormula != nullptr)
        AddPathProperty(pathFormula);
    return true;
}

void CGlobPropDistFormula::OnReferencesResolved()
{
    CBaseRelativeFormula::OnReferencesResolved();
    m_oGradePathProperties.SetOwner(this);
}

void CGlobPropDistFormula::DoGetDisplayText(std::string &out, bool)
{
    std::string names;
    for (const CGradePathProperty *property : m_oGradePathProperties) {
        IBaseFormula *pathFormula = property != nullptr ? property->GetGradeFormula() : nullptr;
        const IMeasureFormula *measure =
            pathFormula != nullptr ? pathFormula->AsMeasureFormula() : nullptr;
        if (!names.empty())
            names += ", ";
        if (measure != nullptr)
            names += measure->GetVarName();
    }
    out = GetDisplayName() + "(" + names + ")";
}

static int gradePointCount(const IGradePath *path)
{
    CPtrCollection<CBasePoint> points;
    if (path != nullptr)
        path->AppendGradePoints(points);
    return points.GetCount();
}

// The pattern path formula of the only grade-path property, when one of its two paths holds
// two points or more; null otherwise.
CPathPatternFormula *CGlobPropDistFormula::FindSinglePatternPath() const
{
    if (m_oGradePathProperties.GetCount() != 1)
        return nullptr;
    IBaseFormula *formula = m_oGradePathProperties.GetAt(0)->GetGradeFormula();
    if (formula == nullptr || formula->GetFormulaType() != CPathPatternFormula::kFormulaType ||
        formula->GetAttachKind() != FORMULA_ATTACH_PATTERN)
        return nullptr;
    auto *pathFormula = dynamic_cast<CPathPatternFormula *>(formula);
    if (pathFormula == nullptr)
        return nullptr;
    if (gradePointCount(pathFormula->GetPath()) < 2 &&
        gradePointCount(pathFormula->GetMaskPath()) < 2)
        return nullptr;
    return pathFormula;
}

// The formula grades the points of its paths in the run through its counterpart. Of the path
// formula's two paths (its path and its mask path) each pair of points on one pattern gives one
// runtime like-point formula (made by type id, apply types 1 and 1) that grades the point like
// its partner, owned by the manager for the run. A point without a partner gets no formula of
// its own: the counterpart grades it along the path, so the update makes the fewest formulas
// that grade the paths' points and the pairs.
void CGlobPropDistFormula::Update()
{
    if (std::unique_ptr<IBaseFormula> counterpart = FindManagedCounterpartOf())
        RefreshThroughRuntimeCopy(std::move(counterpart));
    if (CPathPatternFormula *pathFormula = FindSinglePatternPath())
        GenerateFormulas(*pathFormula);
}

std::vector<std::pair<CBasePoint *, CBasePoint *>>
CGlobPropDistFormula::PairPoints(const CPtrCollection<CBasePoint> &first,
                                 const CPtrCollection<CBasePoint> &second)
{
    const bool firstIsWalked = first.GetCount() >= second.GetCount();
    const CPtrCollection<CBasePoint> &walked = firstIsWalked ? first : second;
    CPtrCollection<CBasePoint> others = firstIsWalked ? second : first;
    std::vector<std::pair<CBasePoint *, CBasePoint *>> pairs;
    for (CBasePoint *point : walked) {
        CBasePoint *partner = nullptr;
        for (int i = 0; i < others.GetCount() && partner == nullptr; ++i) {
            if (others.GetAt(i)->GetParent() == point->GetParent()) {
                partner = others.GetAt(i);
                others.RemoveAt(i);
            }
        }
        pairs.emplace_back(point, partner);
    }
    return pairs;
}

void CGlobPropDistFormula::GenerateFormulas(CPathPatternFormula &pathFormula)
{
    CPtrCollection<CBasePoint> first;
    CPtrCollection<CBasePoint> second;
    if (const IGradePath *path = pathFormula.GetPath())
        path->AppendGradePoints(first);
    if (const IGradePath *path = pathFormula.GetMaskPath())
        path->AppendGradePoints(second);
    for (const auto &[point, partner] : PairPoints(first, second)) {
        if (partner == nullptr)
            continue;
        std::unique_ptr<IBaseFormula> made = CFormulaFactory::Make(
            FORMULA_ATTACH_NONE, CRuntimeFormulaLikePoint::kFormulaType, GetContextValue(), {});
        auto *likePoint = dynamic_cast<CRuntimeFormulaLikePoint *>(made.get());
        if (likePoint == nullptr)
            return;
        likePoint->SetOwner(GetOwner());
        likePoint->SetGradedPoint(point);
        likePoint->SetCopiedPoint(partner);
        RefreshThroughRuntimeCopy(std::move(made));
    }
}
