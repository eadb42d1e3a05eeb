// Morvane program grading.
// The program's formula configuration: formula texts evaluated and converted through the parser.
#include "app/grading/FormulaEvaluator.h"

#include "app/documents/IDocumentServices.h"
#include "app/grading/FormulaEvaluatorHost.h"
#include "app/grading/FormulaKindNames.h"
#include "foundation/PtrCollection.h"
#include "model/AssociationMap.h"
#include "model/FormulaManager.h"
#include "model/GradeMask.h"
#include "model/IBaseFormula.h"
#include "model/IMeasureFormula.h"

#include <algorithm>

namespace {

std::string upperAscii(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
                   [](char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; });
    return text;
}

} // namespace

CFormulaEvaluator::CFormulaEvaluator() : m_pParser(hollicot::CGradeDataFactory::MakeGradeData()) {}

CFormulaEvaluator::~CFormulaEvaluator()
{
    ClearNames();
}

void CFormulaEvaluator::SetOwner(IDocumentServices *services, IFormulaEvaluatorHost *maskDoc)
{
    m_pServices = services;
    m_pMaskDoc = maskDoc;
}

void CFormulaEvaluator::ClearNames()
{
    m_oParserNames.clear();
    m_oValueNames.clear();
}

void CFormulaEvaluator::appendAssociations(std::vector<std::string> &names)
{
    IGradeMask *mask = m_pMaskDoc ? m_pMaskDoc->GetGradeMask() : nullptr;
    if (!mask)
        return;
    IAssociationMap *map = mask->GetAssociationMap();
    for (int i = 0; i < map->GetCount(); ++i) {
        names.push_back(upperAscii(map->GetAt(i)->GetFormulaMeasurementName()));
        m_oValueNames.push_back(map->GetAt(i)->GetDisplayName());
    }
}

void CFormulaEvaluator::appendSourceNames(std::vector<std::string> &names) const
{
    if (!m_pServices)
        return;
    std::vector<const IFormulaNameSource *> sources;
    m_pServices->GetNameSources(sources);
    for (const IFormulaNameSource *source : sources)
        source->AppendNames(names);
}

void CFormulaEvaluator::FillNames(bool withAssociations, const CPtrCollection<IBaseFormula> &list)
{
    std::vector<std::string> names;
    if (withAssociations)
        appendAssociations(names);
    else
        appendSourceNames(names);
    for (int i = 0; i < list.GetCount(); ++i) {
        IMeasureFormula *measure = list.GetAt(i) ? list.GetAt(i)->AsMeasureFormula() : nullptr;
        if (!measure || !measure->IsValid())
            continue;
        names.push_back(measure->GetVarName());
        if (withAssociations)
            m_oValueNames.push_back(measure->GetVarName());
    }
    m_pParser->SetNames(m_oParserNames, names);
}

std::unique_ptr<hollicot::IGradeParseExpression>
CFormulaEvaluator::MakeExpression(bool withAssociations, const CPtrCollection<IBaseFormula> &list)
{
    ClearNames();
    FillNames(withAssociations, list);
    return m_pParser->CreateExpression();
}

void CFormulaEvaluator::collectMaskFormulas(CPtrCollection<IBaseFormula> &list) const
{
    IGradeMask *mask = m_pMaskDoc ? m_pMaskDoc->GetGradeMask() : nullptr;
    if (mask)
        mask->GetFormulaManager()->CopyFormulas(list);
}

std::string CFormulaEvaluator::GetExpressionValue(const std::string &text, bool withNames,
                                                  bool inDisplayUnits)
{
    if (!withNames)
        return text;
    CPtrCollection<IBaseFormula> list;
    collectMaskFormulas(list);
    const auto expression = MakeExpression(true, list);
    expression->SetText(text);
    if (inDisplayUnits && m_pMaskDoc) {
        int decimals = 0;
        const double factor = m_pMaskDoc->ConvertToDisplayUnits(1.0, decimals);
        expression->SetUnitScale(factor, decimals);
    }
    if (m_pMaskDoc && m_pMaskDoc->GetViewFlag())
        expression->SetNameList(m_oValueNames);
    std::string value;
    expression->GetText(value, 0);
    return value;
}

bool CFormulaEvaluator::ConvertUserValue(const std::string &text, bool convertUnits,
                                         std::string &out)
{
    CPtrCollection<IBaseFormula> list;
    collectMaskFormulas(list);
    const auto expression = MakeExpression(false, list);
    const bool accepted = expression->SetText(text) == 0;
    if (accepted) {
        expression->Resolve();
        if (convertUnits && m_pMaskDoc) {
            int decimals = 0;
            const double factor = m_pMaskDoc->ConvertToDisplayUnits(1.0, decimals);
            expression->SetUnitScale(1.0 / factor, decimals);
        }
    }
    expression->GetText(out, 1);
    return accepted;
}

std::string CFormulaEvaluator::getFormulaDisplayName(IBaseFormula *formula)
{
    return formula ? std::string(formulaKindText(formulaKindStringId(*formula))) : std::string();
}
