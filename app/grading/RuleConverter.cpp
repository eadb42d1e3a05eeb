// Morvane program grading.
// A global path formula turned into the grading of its paths' points, solved by the formula
// parser size by size.
#include "app/grading/RuleConverter.h"

#include "app/grading/ChainSearch.h"
#include "app/grading/ExpressionEvaluation.h"
#include "app/grading/GradingMeasures.h"
#include "app/grading/GradingMessages.h"
#include "app/grading/ParseErrorText.h"
#include "app/grading/PointGrading.h"
#include "app/grading/RuleTexts.h"
#include "formulas/BaseRelativeFormula.h"
#include "model/BasePoint.h"
#include "model/GradePath.h"
#include "model/GradePathProperty.h"
#include "model/IGradePathSource.h"
#include "model/InputPattern.h"

#include <cmath>

using hollicot::Vec2;

namespace {

bool isGradePoint(const CBasePoint *point)
{
    return point != nullptr && point->GetGradeType() == GRADE_POINT_GRADE;
}

std::vector<DPOINT> positionsOf(const std::vector<PATTERNDPOINT> &vertices)
{
    std::vector<DPOINT> positions;
    for (const PATTERNDPOINT &vertex : vertices)
        positions.push_back(vertex.position);
    return positions;
}

CBasePoint *pointOf(const PATTERNDPOINT &vertex)
{
    return vertex.pointIndex >= 0 && vertex.pattern != nullptr
               ? vertex.pattern->GetBasePointAt(vertex.pointIndex)
               : nullptr;
}

Vec2 placed(const ChainPlacement &placement, Vec2 increment, bool toChain)
{
    const DPOINT moved = toChain ? placement.placeIncrement({increment.x, increment.y})
                                 : placement.unplaceIncrement({increment.x, increment.y});
    return {moved.x, moved.y};
}

double &axisOf(Vec2 &cell, int sizeMode)
{
    return sizeMode == 2 ? cell.y : cell.x;
}

} // namespace

CRuleConverter::CRuleConverter(CBaseRelativeFormula &formula, CInputPattern &pattern,
                               const GradingSizes &sizes, const GradingMeasures &measures,
                               IGradingMessages &messages, std::string formulaText)
    : m_pFormula(&formula)
    , m_pPattern(&pattern)
    , m_sizes(sizes)
    , m_measures(measures)
    , m_messages(messages)
    , m_sFormulaText(std::move(formulaText))
    , m_nChainMode(formula.GetPathsGradeType())
    , m_nSizeMode(formula.GetPathAdjustType())
{
}

bool CRuleConverter::Run()
{
    m_pFormula->BuildJoinedSegments();
    // The pattern's shapes are kept from before the pass; the measured paths are measured as
    // graded so far.
    m_pPattern->InvalidatePolylines();
    CollectItems();
    RecordRules();
    const bool chained = m_nChainMode != 0;
    bool solved = true;
    for (std::size_t i = 0; i < m_oItems.size(); ++i) {
        if (chained && i > 0)
            JoinItems(m_oItems[i - 1].path->GetLastPoint(), m_oItems[i].path->GetFirstPoint(),
                      m_oItems[i - 1].mirror != m_oItems[i].mirror);
        const bool itemSolved = SolveItem(i);
        if (!chained)
            solved = SolveEnds(i) && solved;
        if (!itemSolved) {
            solved = false;
            break;
        }
    }
    if (chained && !m_oItems.empty()) {
        solved = SolveChain() && solved;
        FinishChain();
    }
    return Commit() && solved;
}

void CRuleConverter::CollectItems()
{
    for (int i = 0; i < m_pFormula->GetPathSourceCount(); ++i) {
        const IGradePathSource *source = m_pFormula->GetPathSource(i);
        IGradePath *path = source != nullptr ? source->GetGradePath() : nullptr;
        if (path == nullptr || path->GetSegmentCount() == 0)
            continue;
        PathItem item;
        item.path = path;
        path->GetPoints(item.vertices, nullptr);
        item.endKept = source->GetEndGraded();
        item.startKept = source->GetStartGraded();
        if (const auto *property = dynamic_cast<const CGradePathProperty *>(source)) {
            item.turn = property->GetFirstOption();
            item.mirror = property->GetSecondOption();
        }
        m_oItems.push_back(std::move(item));
    }
}

// Both ends of every item: the first item's start is a reference of the end fit as well.
void CRuleConverter::RecordRules()
{
    for (const PathItem &item : m_oItems) {
        for (CBasePoint *end : {item.path->GetFirstPoint(), item.path->GetLastPoint()}) {
            if (end == nullptr || m_oRuleData.count(end) > 0)
                continue;
            Offset(end, 0);
            m_oRuleData.emplace(end, m_oOffsets[end]);
        }
    }
}

// A joint that is one point of both paths already moves as both; adding the previous end's
// grading again would count it twice.
void CRuleConverter::JoinItems(CBasePoint *previousEnd, CBasePoint *nextStart, bool mirror)
{
    if (previousEnd == nullptr || nextStart == nullptr || previousEnd == nextStart)
        return;
    for (int s = 0; s < m_sizes.count; ++s) {
        Vec2 added = Offset(previousEnd, s);
        if (mirror)
            added.y = -added.y;
        Vec2 &offset = Offset(nextStart, s);
        offset.x += added.x;
        offset.y += added.y;
    }
    m_oWritten.insert(nextStart);
}

bool CRuleConverter::SolveItem(std::size_t i)
{
    ClearEntries();
    CollectEntries(m_oItems[i], {});
    if (!HasNamedEnds())
        return false;
    std::vector<std::string> measureNames;
    hollicot::MeasureRows measureRows;
    std::vector<std::string> list;
    if (m_pFormula->IsRelative()) {
        MeasuredChanges(m_oItems[i], measureNames, measureRows);
        list = measureNames;
    } else {
        measureNames = m_measures.names;
        measureRows = m_measures.rows;
        for (const std::string &name : m_oNames)
            if (!name.empty())
                list.push_back(name);
    }
    FillCells();
    const std::string text = pathDistributionText(m_oNames.front(), m_oNames.back(), list);
    if (!Solve({text}, measureNames, measureRows, false))
        return false;
    WriteBack(0);
    return true;
}

bool CRuleConverter::SolveEnds(std::size_t i)
{
    ClearEntries();
    CollectEntries(m_oItems[i], {});
    if (!HasNamedEnds())
        return false;
    RegisterEnds();
    FillCells();
    const PathItem &item = m_oItems[i];
    if (!Solve(EndTexts(item.endKept, item.startKept), {}, {}, false))
        return false;
    WriteBack(item.startKept ? 1 : 0);
    return true;
}

bool CRuleConverter::SolveChain()
{
    ClearEntries();
    ChainPlacement placement;
    for (std::size_t i = 0; i < m_oItems.size(); ++i) {
        m_bChainFlag = m_oItems[i].endKept;
        if (i > 0)
            placement = ChainPlacement::follow(positionsOf(m_oItems[i - 1].vertices), placement,
                                               positionsOf(m_oItems[i].vertices), m_oItems[i].turn,
                                               m_oItems[i].mirror);
        CollectEntries(m_oItems[i], placement);
    }
    if (!HasNamedEnds())
        return false;
    RegisterEnds();
    FillCells();
    MapCellsToChain(true);
    const bool startKept = m_oItems.front().startKept;
    const bool alternative = (m_nSizeMode == 1 || m_nSizeMode == 2) &&
                             (m_nChainMode == 2 || m_nChainMode == 3) && m_bChainFlag;
    if (!Solve(EndTexts(m_oItems.back().endKept, startKept), {}, {}, alternative))
        return false;
    MapCellsToChain(false);
    WriteBack(startKept ? 1 : 0);
    return true;
}

// Each item after the first is brought back from the chain's cumulative movement: by its last
// point's own grading when another formula grades it, else by its first point's movement (twice
// it in chain mode 2) on the size mode's axis. The reference is read before the item's points
// change, since it is one of them.
void CRuleConverter::FinishChain()
{
    if ((m_nSizeMode != 1 && m_nSizeMode != 2) || (m_nChainMode != 2 && m_nChainMode != 3))
        return;
    const double factor = m_nChainMode == 2 ? 2.0 : 1.0;
    for (std::size_t i = 1; i < m_oItems.size(); ++i) {
        const PathItem &item = m_oItems[i];
        std::set<CBasePoint *> points;
        for (const PATTERNDPOINT &vertex : item.vertices)
            if (CBasePoint *point = pointOf(vertex))
                points.insert(point);
        CBasePoint *reference =
            item.endKept ? item.path->GetLastPoint() : item.path->GetFirstPoint();
        if (reference == nullptr)
            continue;
        for (int s = 0; s < m_sizes.count; ++s) {
            Vec2 change;
            if (item.endKept) {
                const auto rule = m_oRuleData.find(reference);
                if (rule != m_oRuleData.end()) {
                    const Vec2 recorded = rule->second[static_cast<std::size_t>(s)];
                    change = {recorded.x - Offset(reference, s).x,
                              recorded.y - Offset(reference, s).y};
                }
            } else {
                axisOf(change, m_nSizeMode) = -factor * axisOf(Offset(reference, s), m_nSizeMode);
            }
            for (CBasePoint *point : points) {
                Vec2 &offset = Offset(point, s);
                offset.x += change.x;
                offset.y += change.y;
            }
        }
        m_oWritten.insert(points.begin(), points.end());
    }
}

void CRuleConverter::ClearEntries()
{
    m_oNames.clear();
    m_oPositions.clear();
    m_oPoints.clear();
    m_oToChainFrame.clear();
    m_oFromChainFrame.clear();
    m_nStartRef = -1;
    m_nEndRef = -1;
    m_nLastItemStart = -1;
}

void CRuleConverter::CollectEntries(const PathItem &item, const ChainPlacement &placement)
{
    m_nLastItemStart = static_cast<int>(m_oNames.size());
    ChainPlacement turnOnly = placement;
    turnOnly.origin = {};
    for (const PATTERNDPOINT &vertex : item.vertices) {
        CBasePoint *point = pointOf(vertex);
        m_oNames.push_back(point != nullptr ? MakePointName(point) : std::string());
        const DPOINT position = placement.place(vertex.position);
        m_oPositions.push_back({position.x, position.y});
        m_oPoints.push_back(point);
        m_oToChainFrame.push_back(placement);
        m_oFromChainFrame.push_back(turnOnly);
    }
}

// A path runs from a point to a point; one that does not cannot be solved.
bool CRuleConverter::HasNamedEnds()
{
    if (!m_oNames.empty() && !m_oNames.front().empty() && !m_oNames.back().empty())
        return true;
    Report("formula '" + m_sFormulaText + "': a path does not run from a point to a point");
    return false;
}

void CRuleConverter::RegisterEnds()
{
    const int last = static_cast<int>(m_oNames.size()) - 1;
    m_nStartRef = RegisterPoint(0);
    m_nEndRef = RegisterPoint(last);
}

int CRuleConverter::RegisterPoint(int k)
{
    const auto entry = static_cast<std::size_t>(k);
    m_oNames.push_back(MakePointName(m_oPoints[entry]));
    m_oPositions.push_back(m_oPositions[entry]);
    m_oPoints.push_back(m_oPoints[entry]);
    m_oToChainFrame.push_back(m_oToChainFrame[entry]);
    m_oFromChainFrame.push_back(m_oFromChainFrame[entry]);
    return static_cast<int>(m_oNames.size()) - 1;
}

std::string CRuleConverter::MakePointName(const CBasePoint *point) const
{
    return uniquePointName(point->GetFormatName(), m_oNames);
}

std::vector<std::string> CRuleConverter::EndTexts(bool endKept, bool startKept) const
{
    const auto name = [this](int entry) { return m_oNames[static_cast<std::size_t>(entry)]; };
    return pathEndTexts(endKept, startKept, m_nSizeMode, name(0), name(LineEntryCount() - 1),
                        name(m_nEndRef), name(m_nStartRef));
}

// One measure per segment of the item, named after the segment's place among all the formula's
// segments: how much longer than in the base size the segment is to be, by the ratio of the
// joined segment it belongs to.
void CRuleConverter::MeasuredChanges(const PathItem &item, std::vector<std::string> &names,
                                     hollicot::MeasureRows &rows) const
{
    const auto sizes = static_cast<std::size_t>(m_sizes.count);
    const int count = item.path->GetSegmentCount();
    for (int j = 0; j < count; ++j) {
        names.push_back(
            "k" + std::to_string(m_pFormula->GetGlobalSegmentIndex(item.path->GetSegmentAt(j))));
        rows.emplace_back(sizes);
    }
    for (int s = 0; s < m_sizes.count; ++s) {
        m_pFormula->ComputeJoinedSegments(m_sizes.table, s);
        for (int j = 0; j < count; ++j)
            rows[static_cast<std::size_t>(j)][static_cast<std::size_t>(s)] =
                m_pFormula->GetRatioFor(item.path->GetSegmentAt(j));
    }
    for (int j = 0; j < count; ++j) {
        auto &row = rows[static_cast<std::size_t>(j)];
        const double base = m_sizes.base >= 0 ? row[static_cast<std::size_t>(m_sizes.base)] : 1.0;
        const double length = item.path->GetSegmentAt(j)->GetLength(nullptr);
        for (double &value : row)
            value = (value - base) * length;
    }
}

// The end references take the grading their points had before any solve.
void CRuleConverter::FillCells()
{
    const auto sizes = static_cast<std::size_t>(m_sizes.count);
    m_oCells.assign(m_oPoints.size(), std::vector<Vec2>(sizes));
    for (std::size_t k = 0; k < m_oPoints.size(); ++k)
        if (m_oPoints[k] != nullptr)
            for (int s = 0; s < m_sizes.count; ++s)
                m_oCells[k][static_cast<std::size_t>(s)] = Offset(m_oPoints[k], s);
    for (const int reference : {m_nStartRef, m_nEndRef}) {
        if (reference < 0)
            continue;
        const auto rule = m_oRuleData.find(m_oPoints[static_cast<std::size_t>(reference)]);
        if (rule != m_oRuleData.end())
            m_oCells[static_cast<std::size_t>(reference)] = rule->second;
    }
}

void CRuleConverter::MapCellsToChain(bool toChain)
{
    for (std::size_t k = 0; k < m_oCells.size(); ++k) {
        const ChainPlacement &placement = toChain ? m_oToChainFrame[k] : m_oFromChainFrame[k];
        for (Vec2 &cell : m_oCells[k])
            cell = placed(placement, cell, toChain);
    }
}

bool CRuleConverter::Solve(const std::vector<std::string> &texts,
                           const std::vector<std::string> &measureNames,
                           const hollicot::MeasureRows &measureRows, bool alternative)
{
    auto parser = hollicot::CGradeDataFactory::MakeGradeData();
    int code = parser->SetUp(m_oNames, &m_oPositions, texts, m_sizes.base, m_sizes.count,
                             &measureRows, measureNames, 0, &m_oCells, true);
    if (code == 0)
        code = alternative ? SearchChain(*parser) : parser->Compute();
    if (code == 0)
        return true;
    // A cell the search could not set is not a parser error: the parser has none stored then.
    int storedCode = 0;
    std::string faultyText;
    parser->GetError(storedCode, faultyText);
    Report(formatParseFailure(m_sFormulaText, storedCode != 0 ? storedCode : code, faultyText));
    return false;
}

// Per size, the chain's end reference is moved on the size mode's axis until the end comes to
// (twice, in chain mode 2) the movement of the last item's first point.
int CRuleConverter::SearchChain(hollicot::IGradeParseData &parser)
{
    hollicot::ICellTable &cells = *parser.GetCells();
    const double factor = m_nChainMode == 2 ? 2.0 : 1.0;
    const auto rows = static_cast<int>(m_oCells.size());
    for (int s = 0; s < m_sizes.count; ++s) {
        std::vector<Vec2> kept(m_oCells.size());
        for (int row = 0; row < rows; ++row)
            cells.GetCell(row, s, kept[static_cast<std::size_t>(row)].x,
                          kept[static_cast<std::size_t>(row)].y);
        const auto residual = [&](double d, double &result) {
            for (int row = 0; row < rows; ++row) {
                Vec2 cell = kept[static_cast<std::size_t>(row)];
                if (row == m_nEndRef)
                    axisOf(cell, m_nSizeMode) += d;
                if (const int code = cells.SetCell(row, s, cell.x, cell.y))
                    return code;
            }
            if (const int code = parser.ComputeSize(s))
                return code;
            Vec2 start;
            cells.GetCell(m_nLastItemStart, s, start.x, start.y);
            result = d - factor * axisOf(start, m_nSizeMode);
            return 0;
        };
        Vec2 start = kept[static_cast<std::size_t>(m_nLastItemStart)];
        if (const int code = SearchChainEnd(factor * axisOf(start, m_nSizeMode), residual))
            return code;
    }
    return 0;
}

// The entries of the path take their cells; the end references after them are only read.
void CRuleConverter::WriteBack(int from)
{
    for (int k = from; k < LineEntryCount(); ++k) {
        CBasePoint *point = m_oPoints[static_cast<std::size_t>(k)];
        if (!isGradePoint(point))
            continue;
        for (int s = 0; s < m_sizes.count; ++s)
            Offset(point, s) = m_oCells[static_cast<std::size_t>(k)][static_cast<std::size_t>(s)];
        m_oWritten.insert(point);
    }
}

int CRuleConverter::LineEntryCount() const
{
    return m_nStartRef >= 0 ? m_nStartRef : static_cast<int>(m_oPoints.size());
}

Vec2 &CRuleConverter::Offset(CBasePoint *point, int size)
{
    std::vector<Vec2> &row = m_oOffsets[point];
    if (row.empty()) {
        const PointGrading grading(point);
        for (int s = 0; s < m_sizes.count; ++s) {
            const DPOINT shift = grading.GetOnMask(m_sizes.key(s));
            row.push_back({shift.x, shift.y});
        }
    }
    return row[static_cast<std::size_t>(size)];
}

bool CRuleConverter::Commit()
{
    std::vector<CBasePoint *> targets;
    for (CBasePoint *point : m_oWritten) {
        if (!isGradePoint(point) || point->GetParent() != m_pPattern)
            continue;
        for (const Vec2 &offset : m_oOffsets[point]) {
            if (std::isfinite(offset.x) && std::isfinite(offset.y))
                continue;
            Report("formula '" + m_sFormulaText + "': the result for " + point->GetFormatName() +
                   " is not a finite number");
            return false;
        }
        targets.push_back(point);
    }
    for (CBasePoint *point : targets)
        WriteResultRow(point, m_oOffsets[point], m_sizes);
    return true;
}

void CRuleConverter::Report(const std::string &problem)
{
    m_messages.ReportProblem(problem);
}
