// Morvane program grading.
// A global path formula turned into the grading of its paths' points, solved by the formula
// parser size by size.
#pragma once

#include "app/grading/ChainPlacement.h"
#include "app/grading/GradingSizes.h"
#include "model/PathSegment.h"
#include "platform/hollicot/GradeParse.h"

#include <map>
#include <set>
#include <string>
#include <vector>

class CBasePoint;
class CBaseRelativeFormula;
class CInputPattern;
class IGradePath;
class IGradingMessages;
struct GradingMeasures;

/// Grades the points of a global path formula's paths (a relative formula, types 28 and 32) in
/// one grade table. Each path is an item. An item's points are first spread along it
/// (SolveItem): by the measured length changes of its segments when the formula is relative,
/// else between its ends. Then its ends are brought back to the grading they had before
/// (SolveEnds): the last point keeps its grading when another formula grades it, the first
/// point is not written when another formula grades it. With a joined paths grade type (chain
/// mode 1 to 3) the items are solved as one chain laid end to end in the frame of the first
/// item (ChainPlacement), then adjusted per item (FinishChain). The size mode (the formula's
/// adjust type: 0 both axes, 1 x, 2 y) says which axes the end fit keeps.
///
/// The work is done on a copy of the points' grading on the mask; at the end only the grade
/// points of the graded pattern take their results, turned back into the pattern's frame,
/// size by size, the base size left as drawn. A parser failure is reported with the formula's
/// name and the parser's text and ends the items (those solved keep their results); a result
/// that is not a finite number is reported and nothing is written.
class CRuleConverter
{
public:
    CRuleConverter(CBaseRelativeFormula &formula, CInputPattern &pattern,
                   const GradingSizes &sizes, const GradingMeasures &measures,
                   IGradingMessages &messages, std::string formulaText);
    CRuleConverter(const CRuleConverter &) = delete;
    CRuleConverter &operator=(const CRuleConverter &) = delete;

    /// Solves every item (or the chain) and writes the results; false after any failure, which
    /// was reported.
    bool Run();

private:
    /// One path of the formula, its vertices on the mask in path order and its flags.
    struct PathItem
    {
        IGradePath *path = nullptr;
        std::vector<PATTERNDPOINT> vertices;
        bool endKept = false;
        bool startKept = false;
        bool turn = false;
        bool mirror = false;
    };

    void CollectItems();
    void RecordRules();
    void JoinItems(CBasePoint *previousEnd, CBasePoint *nextStart, bool mirror);
    bool SolveItem(std::size_t i);
    bool SolveEnds(std::size_t i);
    bool SolveChain();
    void FinishChain();

    void ClearEntries();
    void CollectEntries(const PathItem &item, const ChainPlacement &placement);
    bool HasNamedEnds();
    void RegisterEnds();
    int RegisterPoint(int k);
    std::string MakePointName(const CBasePoint *point) const;
    std::vector<std::string> EndTexts(bool endKept, bool startKept) const;
    void MeasuredChanges(const PathItem &item, std::vector<std::string> &names,
                         hollicot::MeasureRows &rows) const;

    void FillCells();
    void MapCellsToChain(bool toChain);
    bool Solve(const std::vector<std::string> &texts, const std::vector<std::string> &measureNames,
               const hollicot::MeasureRows &measureRows, bool alternative);
    int SearchChain(hollicot::IGradeParseData &parser);
    void WriteBack(int from);
    /// The entries of the path or chain, without the end references after them.
    int LineEntryCount() const;

    hollicot::Vec2 &Offset(CBasePoint *point, int size);
    bool Commit();
    void Report(const std::string &problem);

    CBaseRelativeFormula *m_pFormula;
    CInputPattern *m_pPattern;
    GradingSizes m_sizes;
    const GradingMeasures &m_measures;
    IGradingMessages &m_messages;
    std::string m_sFormulaText;
    int m_nChainMode = 0;
    int m_nSizeMode = 0;
    std::vector<PathItem> m_oItems;
    /// The grading of each item's end points before any solve, by size.
    std::map<const CBasePoint *, std::vector<hollicot::Vec2>> m_oRuleData;
    /// The working grading on the mask, by size, of every point read or written.
    std::map<CBasePoint *, std::vector<hollicot::Vec2>> m_oOffsets;
    std::set<CBasePoint *> m_oWritten;

    /// The entries of the current item or chain: a name, a position and a point (null for a
    /// vertex that is no point) each, then the two end references.
    std::vector<std::string> m_oNames;
    std::vector<hollicot::Vec2> m_oPositions;
    std::vector<CBasePoint *> m_oPoints;
    std::vector<ChainPlacement> m_oToChainFrame;
    std::vector<ChainPlacement> m_oFromChainFrame;
    int m_nEndRef = -1;
    int m_nStartRef = -1;
    int m_nLastItemStart = -1;
    bool m_bChainFlag = false;
    hollicot::CellRows m_oCells;
};
