// Morvane Hollicot formula parser.
// One evaluation: the declared names, the tables it works on and its last error.
#include "platform/hollicot/GradeParseData.h"

#include "platform/hollicot/ErrorCode.h"
#include "platform/hollicot/GradeParseExpression.h"

#include <algorithm>

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

} // namespace

std::unique_ptr<IGradeParseData> CGradeDataFactory::MakeGradeData()
{
    return std::make_unique<GradeParseData>();
}

GradeParseData::GradeParseData() : m_declared(std::make_shared<DeclaredNames>()) {}

int GradeParseData::fail(int code, std::string text)
{
    m_ready = false;
    m_errorCode = code;
    m_errorText = std::move(text);
    return code;
}

int GradeParseData::checkTables(const std::vector<std::string> &variables,
                                const std::vector<Vec2> *positions, int baseSize, int sizeCount,
                                const MeasureRows *measureRows,
                                const std::vector<std::string> &measureNames, const CellRows *cells)
{
    const auto sizes = static_cast<std::size_t>(std::max(sizeCount, 0));
    if (sizeCount < 0)
        return fail(kBadSetUp, "size count " + std::to_string(sizeCount));
    if (baseSize < -1 || baseSize >= sizeCount)
        return fail(kBadSetUp, "base size " + std::to_string(baseSize) + " of " +
                                   std::to_string(sizeCount) + " sizes");
    if (positions && positions->size() != variables.size())
        return fail(kBadSetUp, countText(positions->size(), "positions", variables.size(), "variables"));
    if (cells && cells->size() != variables.size())
        return fail(kBadSetUp, countText(cells->size(), "cell rows", variables.size(), "variables"));
    if (cells && std::any_of(cells->begin(), cells->end(),
                             [sizes](const auto &row) { return row.size() != sizes; }))
        return fail(kBadSetUp, "a cell row without " + std::to_string(sizes) + " sizes");
    if (measureRows && measureRows->size() != measureNames.size())
        return fail(kBadSetUp, countText(measureRows->size(), "measure rows", measureNames.size(),
                                         "measure names"));
    if (measureRows && std::any_of(measureRows->begin(), measureRows->end(),
                                   [sizes](const auto &row) { return row.size() != sizes; }))
        return fail(kBadSetUp, "a measure row without " + std::to_string(sizes) + " sizes");
    return kOk;
}

int GradeParseData::SetUp(const std::vector<std::string> &variables,
                          const std::vector<Vec2> *positions,
                          const std::vector<std::string> &expressions, int baseSize, int sizeCount,
                          const MeasureRows *measureRows,
                          const std::vector<std::string> &measureNames, int /*reserved*/,
                          CellRows *cells, bool /*samePattern*/)
{
    m_ready = false;
    m_cells.attach(nullptr, 0);
    if (const int code = checkTables(variables, positions, baseSize, sizeCount, measureRows,
                                     measureNames, cells))
        return code;
    m_declared = std::make_shared<DeclaredNames>(measureNames);
    for (const std::string &text : expressions) {
        if (!trimmed(text).empty())
            return fail(kBadSetUp, text + ": grading statements cannot be computed by this parser");
    }
    m_sizeCount = sizeCount;
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

int GradeParseData::ComputeSize(int size)
{
    if (!m_ready)
        return fail(kBadSetUp, "computing without a successful set-up");
    if (size < 0 || size >= m_sizeCount)
        return fail(kBadSetUp, "size " + std::to_string(size) + " of " +
                                   std::to_string(m_sizeCount) + " sizes");
    return kOk;
}

int GradeParseData::Compute()
{
    if (!m_ready)
        return fail(kBadSetUp, "computing without a successful set-up");
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
