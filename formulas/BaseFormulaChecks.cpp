// Morvane formula library.
// The checks of a formula, the names its parameters use, and the dependencies between formulas.
#include "formulas/BaseFormula.h"

#include "foundation/NameCompare.h"
#include "foundation/TextFormat.h"
#include "model/BasePoint.h"
#include "model/FormulaManager.h"
#include "model/FormulaMessageList.h"
#include "model/GradeMask.h"
#include "model/IMeasureFormula.h"
#include "platform/hollicot/GradeParse.h"

using namespace morvane;

bool CBaseFormula::CheckIndexPoints(CFormulaMessageList *reporter)
{
    bool complete = true;
    for (int i = 0; i < m_nRequiredIndexCount; ++i) {
        if (GetIndexPoint(i) != nullptr)
            continue;
        complete = false;
        if (reporter == nullptr)
            return false;
        reporter->AddFormulaMessage(FM_INDEX_POINT_MISSING, this, format("#%d", i + 1));
    }
    return complete;
}

bool CBaseFormula::Validate(CFormulaMessageList *reporter, IFormulaTextChecker *checker)
{
    bool valid = true;
    const int resolved = m_bSkipResolvedCheck ? 0 : GetResolvedCount();
    for (int i = 0; i < resolved; ++i) {
        if (GetResolvedPoint(i) != nullptr)
            continue;
        valid = false;
        if (reporter == nullptr)
            break;
        if (const CBasePoint *point = GetIndexPoint(i))
            reporter->AddFormulaMessage(FM_POINT_WITHOUT_RULE, this, point->GetFormatName());
        else
            reporter->AddFormulaMessage(FM_POINT_NOT_NUMBERED, this, format("#%d", i + 1));
    }
    if (checker == nullptr)
        return valid;
    for (int n = 0; n < GetParamCount(); ++n) {
        const std::string text = GetParamText(n);
        if (!checker->IsFaultyText(text))
            continue;
        valid = false;
        if (reporter == nullptr)
            break;
        reporter->AddFormulaMessage(FM_FAULTY_PARAMETER, this, text);
    }
    return valid;
}

bool CBaseFormula::ValidatePointSet(CFormulaMessageList *reporter, IFormulaTextChecker *checker,
                                    bool hasPoints)
{
    m_bSkipResolvedCheck = true;
    const bool valid = CBaseFormula::Validate(reporter, checker);
    m_bSkipResolvedCheck = false;
    if (!valid)
        return false;
    if (hasPoints)
        return true;
    return Refuse(reporter, FM_REGION_WITHOUT_POINTS, {});
}

bool CBaseFormula::Refuse(CFormulaMessageList *reporter, int code, const std::string &text)
{
    if (reporter != nullptr)
        reporter->AddFormulaMessage(code, this, text);
    return false;
}

bool CBaseFormula::IsValid(IFormulaTextChecker *checker)
{
    if (m_bValidating)
        return true;
    m_bValidating = true;
    const bool valid = Validate(nullptr, checker);
    m_bValidating = false;
    return valid;
}

bool CBaseFormula::DependsOnFormula(IBaseFormula *)
{
    return false;
}

void CBaseFormula::CollectVariableNames(CNameArray &names)
{
    const std::unique_ptr<hollicot::IGradeParseData> data =
        hollicot::CGradeDataFactory::MakeGradeData();
    const std::unique_ptr<hollicot::IGradeParseExpression> expression = data->CreateExpression();
    for (int n = 0; n < GetParamCount(); ++n) {
        expression->SetText(GetParamText(n));
        std::vector<std::string> used;
        expression->GetNames(used);
        names.Merge(used, false);
    }
}

void CBaseFormula::RenameVariable(const std::string &oldName, const std::string &newName)
{
    const std::unique_ptr<hollicot::IGradeParseData> data =
        hollicot::CGradeDataFactory::MakeGradeData();
    data->SetUp({}, nullptr, {}, -1, 0, nullptr, {oldName}, 0, nullptr, true);
    const std::unique_ptr<hollicot::IGradeParseExpression> expression = data->CreateExpression();
    for (int n = 0; n < GetParamCount(); ++n) {
        CStrParam *param = GetParam(n);
        expression->ReplaceName(GetParamText(n), oldName, newName);
        std::string renamed;
        expression->GetText(renamed, 1);
        param->SetValue(renamed);
    }
}

bool CBaseFormula::ReferencesFormula(IBaseFormula *other)
{
    const IMeasureFormula *measure = other->AsMeasureFormula();
    if (measure == nullptr || measure->GetVarName().empty())
        return false;
    CNameArray names;
    CollectVariableNames(names);
    return names.FindName(measure->GetVarName(), false) >= 0;
}

void CBaseFormula::CollectDependentFormulas(CPtrCollection<IBaseFormula> &list)
{
    CFormulaManager *manager = GetOwnerManager();
    if (manager == nullptr)
        return;
    for (int i = 0; i < manager->GetFormulaCount(); ++i) {
        IBaseFormula *formula = manager->GetFormulaAt(i);
        if (formula != this && DependsOnFormula(formula))
            list.Add(formula);
    }
}

// An extend formula measured along this path formula needs the path, not the other way round,
// even when the path reads the point it grades.
bool CBaseFormula::IsExtendOfThisPath(IBaseFormula *other)
{
    constexpr int kPathType = 2;
    constexpr int kExtendType = 10;
    return GetFormulaType() == kPathType && other->GetFormulaType() == kExtendType &&
           !IsRuntimeFormula() && !other->IsRuntimeFormula() && other->DependsOnFormula(this);
}

bool CBaseFormula::IsDependentOn(IBaseFormula *other)
{
    const auto remembered = m_oDependencyMemo.find(other);
    if (remembered != m_oDependencyMemo.end())
        return remembered->second;
    CPtrCollection<CBasePoint> points;
    other->CollectPoints(points);
    const bool dependent = IsDependentOnCollected(other, points);
    m_oDependencyMemo.emplace(other, dependent);
    return dependent;
}

bool CBaseFormula::IsDependentOnCollected(IBaseFormula *other,
                                          const CPtrCollection<CBasePoint> &otherPoints)
{
    if (DependsOnFormula(other) || ReferencesFormula(other))
        return true;
    if (IsExtendOfThisPath(other))
        return false;
    for (const CBasePoint *point : otherPoints) {
        if (UsesPoint(point))
            return true;
    }
    return false;
}
