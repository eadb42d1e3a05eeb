// Morvane program grading.
// The program's formula configuration: formula texts evaluated and converted through the parser.
#pragma once

#include "model/UserFormulaConfig.h"
#include "platform/hollicot/GradeParse.h"

#include <memory>
#include <string>
#include <vector>

class IBaseFormula;
class IDocumentServices;
class IFormulaEvaluatorHost;
template <class T>
class CPtrCollection;

/// Evaluates formula texts for a grade mask with one parse object of its own, declaring before
/// each request the names that formula text may use: the mask's associations (upper-cased) or
/// the document's name sources, then the valid measure names of the mask's formulas.
class CFormulaEvaluator : public IUserFormulaConfig
{
public:
    CFormulaEvaluator();
    ~CFormulaEvaluator() override;
    CFormulaEvaluator(const CFormulaEvaluator &) = delete;
    CFormulaEvaluator &operator=(const CFormulaEvaluator &) = delete;

    /// The document's services and the grade-mask document the evaluator works for; neither is
    /// owned.
    void SetOwner(IDocumentServices *services, IFormulaEvaluatorHost *maskDoc);

    /// The text as shown: its value with the association values (when the view flag is set),
    /// in display units when inDisplayUnits; the text itself when it has no value. A text that
    /// is not for display (withNames false) is returned unchanged, as parser lines need it.
    std::string GetExpressionValue(const std::string &text, bool withNames,
                                   bool inDisplayUnits) override;
    /// True when the parser accepts text with the document's names. out receives the text, with
    /// its lengths converted from the display unit to millimetres when accepted and
    /// convertUnits; the text unchanged otherwise.
    bool ConvertUserValue(const std::string &text, bool convertUnits, std::string &out) override;
    /// The name of the formula's kind, empty for the kinds that have none.
    std::string getFormulaDisplayName(IBaseFormula *formula) override;

    /// Empties the declared names and their values.
    void ClearNames();
    /// Declares the names formula text may use: with associations, the mask's association names
    /// upper-cased (their texts as values); without, the names of the document's name sources;
    /// then the name of every item of list whose measure reports itself valid.
    void FillNames(bool withAssociations, const CPtrCollection<IBaseFormula> &list);
    /// A new expression object over freshly declared names; the caller owns it.
    std::unique_ptr<hollicot::IGradeParseExpression>
    MakeExpression(bool withAssociations, const CPtrCollection<IBaseFormula> &list);

    const std::vector<std::string> &GetParserNames() const { return m_oParserNames; }
    const std::vector<std::string> &GetValueNames() const { return m_oValueNames; }

private:
    void collectMaskFormulas(CPtrCollection<IBaseFormula> &list) const;
    void appendAssociations(std::vector<std::string> &names);
    void appendSourceNames(std::vector<std::string> &names) const;

    IDocumentServices *m_pServices = nullptr;
    IFormulaEvaluatorHost *m_pMaskDoc = nullptr;
    std::unique_ptr<hollicot::IGradeParseData> m_pParser;
    std::vector<std::string> m_oValueNames;
    std::vector<std::string> m_oParserNames;
};
