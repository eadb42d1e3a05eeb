// Morvane Hollicot formula parser.
// One evaluation: statements compiled once by SetUp and computed size by size.
#include "platform/hollicot/GradeParseData.h"

#include "platform/hollicot/Compiler.h"
#include "platform/hollicot/ErrorCode.h"
#include "platform/hollicot/GradeParseExpression.h"
#include "platform/hollicot/Lexer.h"
#include "platform/hollicot/NameFold.h"
#include "platform/hollicot/Parser.h"

#include <algorithm>
#include <cmath>

namespace hollicot {

namespace {

std::string trimmed(const std::string &text)
{
    constexpr const char *blanks = " \t\r\n";
    const std::size_t first = text.find_first_not_of(blanks);
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(blanks) - first + 1);
}

std::string countText(std::size_t count, const char *what, std::size_t expected, const char *per)
{
    return std::to_string(count) + " " + what + " for " + std::to_string(expected) + " " + per;
}

template <typename Rows>
bool allRowsHold(const Rows &rows, std::size_t size)
{
    return std::all_of(rows.begin(), rows.end(), [size](const auto &row) { return row.size() == size; });
}

} // namespace

std::unique_ptr<IGradeParseData> CGradeDataFactory::MakeGradeData()
{
    return std::make_unique<GradeParseData>();
}

GradeParseData::GradeParseData() : m_declared(std::make_shared<DeclaredNames>()) {}

int GradeParseData::fail(int code, std::string text)
{
    m_errorCode = code;
    m_errorText = std::move(text);
    return code;
}

int GradeParseData::checkTables(const std::vector<std::string> &variables,
                                const std::vector<Vec2> *positions, int baseSize, int sizeCount,
                                const MeasureRows *measureRows,
                                const std::vector<std::string> &measureNames, const CellRows *cells)
{
    if (sizeCount < 0)
        return fail(kBadSetUp, "size count " + std::to_string(sizeCount));
    const auto sizes = static_cast<std::size_t>(sizeCount);
    if (baseSize < -1 || baseSize >= sizeCount)
        return fail(kBadSetUp, "base size " + std::to_string(baseSize) + " of " +
                                   std::to_string(sizeCount) + " sizes");
    if (positions && positions->size() != variables.size())
        return fail(kBadSetUp, countText(positions->size(), "positions", variables.size(), "variables"));
    if (cells && cells->size() != variables.size())
        return fail(kBadSetUp, countText(cells->size(), "cell rows", variables.size(), "variables"));
    if (cells && !allRowsHold(*cells, sizes))
        return fail(kBadSetUp, "a cell row without " + std::to_string(sizes) + " sizes");
    if (measureRows && measureRows->size() != measureNames.size())
        return fail(kBadSetUp, countText(measureRows->size(), "measure rows", measureNames.size(),
                                         "measure names"));
    if (measureRows && !allRowsHold(*measureRows, sizes))
        return fail(kBadSetUp, "a measure row without " + std::to_string(sizes) + " sizes");
    if (positions && std::any_of(positions->begin(), positions->end(), [](Vec2 p) {
            return !std::isfinite(p.x) || !std::isfinite(p.y);
        }))
        return fail(kBadSetUp, "a position that is not a finite number");
    return kOk;
}

int GradeParseData::compileTexts(const std::vector<std::string> &variables,
                                 const std::vector<std::string> &expressions, SourceTexts &texts)
{
    const NameIndex variableIndex(variables);
    const NameIndex &measureIndex = m_declared->index;
    CompileSetting setting;
    setting.grading = true;
    setting.sizeCount = m_sizeCount;
    setting.baseSize = m_baseSize;
    setting.resolve = [&](std::string_view name) -> Binding {
        if (const int row = variableIndex.find(name); row >= 0)
            return {Binding::Kind::Variable, row};
        if (const int measure = measureIndex.find(name); measure >= 0)
            return {Binding::Kind::Scalar, measure};
        return {};
    };
    for (const std::string &source : expressions) {
        const TokenList tokens = tokenize(source);
        const ParseResult parsed = parse(source, tokens);
        if (parsed.code != kOk)
            return fail(parsed.code, source.substr(parsed.faultOffset, parsed.faultLength));
        CompileResult compiled = compile(source, tokens, parsed.tree, setting);
        if (compiled.code != kOk)
            return fail(compiled.code, source.substr(compiled.faultOffset, compiled.faultLength));
        texts.push_back({source, std::move(compiled.text)});
    }
    return kOk;
}

void GradeParseData::keepMeasures(const MeasureRows *measureRows, std::size_t measureCount)
{
    const auto sizes = static_cast<std::size_t>(m_sizeCount);
    m_measureCount = measureCount;
    m_measures.assign(sizes * measureCount + 1, 0);
    if (!measureRows)
        return;
    for (std::size_t m = 0; m < measureCount; ++m) {
        for (std::size_t s = 0; s < sizes; ++s)
            m_measures[s * measureCount + m] = (*measureRows)[m][s];
    }
}

int GradeParseData::SetUp(const std::vector<std::string> &variables,
                          const std::vector<Vec2> *positions,
                          const std::vector<std::string> &expressions, int baseSize, int sizeCount,
                          const MeasureRows *measureRows,
                          const std::vector<std::string> &measureNames, int /*reserved*/,
                          CellRows *cells, bool /*samePattern*/)
{
    m_ready = false;
    m_texts = nullptr;
    m_rows = nullptr;
    m_cells.attach(nullptr, 0);
    if (const int code = checkTables(variables, positions, baseSize, sizeCount, measureRows,
                                     measureNames, cells))
        return code;
    m_baseSize = baseSize;
    m_sizeCount = sizeCount;
    if (m_declared->names != measureNames)
        m_declared = std::make_shared<DeclaredNames>(measureNames);
    const CompileInput input{variables, expressions, measureNames, sizeCount, baseSize};
    m_texts = m_compiled.find(input);
    if (m_texts == nullptr) {
        auto texts = std::make_shared<SourceTexts>();
        if (const int code = compileTexts(variables, expressions, *texts))
            return code;
        m_compiled.keep(input, texts);
        m_texts = std::move(texts);
    }
    m_positions = positions ? *positions : std::vector<Vec2>(variables.size());
    keepMeasures(measureRows, measureNames.size());
    m_column.assign(variables.size() + 1, Vec2{});
    m_rows = cells;
    m_cells.attach(cells, sizeCount);
    m_errorCode = kOk;
    m_errorText.clear();
    m_ready = true;
    return kOk;
}

void GradeParseData::SetNames(std::vector<std::string> &parserNames,
                              const std::vector<std::string> &names)
{
    parserNames.clear();
    std::transform(names.begin(), names.end(), std::back_inserter(parserNames), trimmed);
    m_declared = std::make_shared<DeclaredNames>(parserNames);
}

int GradeParseData::computeOne(int size)
{
    const std::size_t s = static_cast<std::size_t>(size);
    const std::size_t rowCount = m_positions.size();
    for (std::size_t row = 0; row < rowCount; ++row)
        m_column[row] = m_rows ? (*m_rows)[row][s] : Vec2{};
    SizeState state;
    state.cells = m_column.data();
    state.positions = m_positions.data();
    state.scalars = m_measures.data() + s * m_measureCount;
    state.rowCount = static_cast<int>(rowCount);
    state.size = size;
    state.isBase = size == m_baseSize;
    state.step = m_baseSize < 0 ? 0 : size - m_baseSize;
    for (const SourceText &text : *m_texts) {
        for (const CompiledStatement &statement : text.compiled.statements) {
            if (const int code = m_machine.runStatement(text.compiled, statement, state))
                return fail(code, text.source.substr(statement.offset, statement.length));
        }
    }
    for (std::size_t row = 0; row < rowCount; ++row) {
        if (!std::isfinite(m_column[row].x) || !std::isfinite(m_column[row].y))
            return fail(kNotFinite, "a result that is not a finite number in size " +
                                        std::to_string(size));
    }
    for (std::size_t row = 0; m_rows && row < rowCount; ++row)
        (*m_rows)[row][s] = m_column[row];
    return kOk;
}

int GradeParseData::ComputeSize(int size)
{
    if (!m_ready)
        return fail(kBadSetUp, "computing without a successful set-up");
    if (size < 0 || size >= m_sizeCount)
        return fail(kBadSetUp, "size " + std::to_string(size) + " of " +
                                   std::to_string(m_sizeCount) + " sizes");
    return computeOne(size);
}

int GradeParseData::Compute()
{
    if (!m_ready)
        return fail(kBadSetUp, "computing without a successful set-up");
    for (int size = 0; size < m_sizeCount; ++size) {
        if (const int code = computeOne(size))
            return code;
    }
    return kOk;
}

std::unique_ptr<IGradeParseExpression> GradeParseData::CreateExpression()
{
    return std::make_unique<GradeParseExpression>(m_declared);
}

int GradeParseData::GetError(int &code, std::string &text) const
{
    code = m_errorCode;
    text = m_errorText;
    return code;
}

ICellTable *GradeParseData::GetCells()
{
    return &m_cells;
}

} // namespace hollicot
