// Morvane Brismond table-set library.
// One measurement of a measurement table: its name, comment, lengths and a value per size.
#include "platform/brismond/Measurement.h"

#include "platform/brismond/GradeSize.h"
#include "platform/brismond/MeasureTable.h"
#include "platform/brismond/TableSetEvents.h"
#include "platform/brismond/TableSetUndoStack.h"

#include <algorithm>
#include <cmath>
#include <optional>

using namespace brismond;

CMeasurement::CMeasurement(CMeasureTable *table, std::string name)
    : m_pTable(table)
    , m_sName(std::move(name))
{
    m_oHandler.SetHandlerId(kMeasurementId, static_cast<IMeasurement *>(this));
}

CMeasurement::~CMeasurement() = default;

void CMeasurement::SetName(const std::string &name)
{
    if (name == m_sName)
        return;
    change(
        kMeasurementName, [this, old = m_sName] { m_sName = old; },
        [this, name] { m_sName = name; });
}

void CMeasurement::SetComment(const std::string &comment)
{
    if (comment == m_sComment)
        return;
    change(
        kMeasurementComment, [this, old = m_sComment] { m_sComment = old; },
        [this, comment] { m_sComment = comment; });
}

double CMeasurement::GetLength(int which) const
{
    if (which < 0 || which >= kLengthCount)
        return 0.0;
    return m_aLengths[static_cast<size_t>(which)];
}

void CMeasurement::SetLength(int which, double millimetres)
{
    if (which < 0 || which >= kLengthCount || !std::isfinite(millimetres) ||
        GetLength(which) == millimetres)
        return;
    double &length = m_aLengths[static_cast<size_t>(which)];
    change(
        kMeasurementLengths, [&length, old = length] { length = old; },
        [&length, millimetres] { length = millimetres; });
}

double CMeasurement::GetValue(int sizeIndex, bool relative) const
{
    const int base = m_pTable->GetBaseSizeIndex();
    const double value = absoluteValue(sizeIndex);
    if (!relative || sizeIndex == base || m_pTable->GetSizeAt(sizeIndex) == nullptr)
        return value;
    return value - absoluteValue(base);
}

void CMeasurement::SetValue(int sizeIndex, double value, bool relative)
{
    const CGradeSize *size = m_pTable->GetSizeAt(sizeIndex);
    if (size == nullptr)
        return;
    const int base = m_pTable->GetBaseSizeIndex();
    SetSizeValue(*size, relative && sizeIndex != base ? value + absoluteValue(base) : value);
}

void CMeasurement::SetSizeValue(const CGradeSize &size, double value)
{
    const uint64_t id = size.GetId();
    const auto stored = m_oValues.find(id);
    if (!std::isfinite(value) || (stored != m_oValues.end() && stored->second == value))
        return;
    const std::optional<double> old =
        stored != m_oValues.end() ? std::optional<double>(stored->second) : std::nullopt;
    change(
        kMeasurementValues,
        [this, id, old] {
            if (old)
                m_oValues[id] = *old;
            else
                m_oValues.erase(id);
        },
        [this, id, value] { m_oValues[id] = value; });
}

int CMeasurement::GetStoredValueCount() const
{
    return static_cast<int>(storedSizeIndexes().size());
}

int CMeasurement::GetStoredValueSizeIndex(int i) const
{
    const std::vector<int> indexes = storedSizeIndexes();
    return i >= 0 && i < static_cast<int>(indexes.size()) ? indexes[static_cast<size_t>(i)] : -1;
}

double CMeasurement::GetStoredValue(int i) const
{
    return absoluteValue(GetStoredValueSizeIndex(i));
}

void CMeasurement::ClearValues()
{
    if (m_oValues.empty())
        return;
    // Only the values taken here come and go: a size inserted later keeps its own.
    change(
        kMeasurementValues,
        [this, old = m_oValues] {
            for (const auto &[id, value] : old)
                m_oValues[id] = value;
        },
        [this, old = m_oValues] {
            for (const auto &entry : old)
                m_oValues.erase(entry.first);
        });
}

std::vector<int> CMeasurement::storedSizeIndexes() const
{
    std::vector<int> indexes;
    for (int i = 0; i < m_pTable->GetSizeCount(); ++i) {
        if (m_oValues.count(m_pTable->GetSizeAt(i)->GetId()) != 0)
            indexes.push_back(i);
    }
    return indexes;
}

int CMeasurement::GetOwnSizeIndex() const
{
    for (int i = 0; i < m_pTable->GetSizeCount(); ++i) {
        if (m_pTable->GetSizeAt(i)->GetId() == m_nOwnSizeId)
            return i;
    }
    return -1;
}

void CMeasurement::SetOwnSizeIndex(int sizeIndex)
{
    const CGradeSize *size = m_pTable->GetSizeAt(sizeIndex);
    const uint64_t id = size != nullptr ? size->GetId() : 0;
    if (id == m_nOwnSizeId)
        return;
    change(
        kMeasurementValues, [this, old = m_nOwnSizeId] { m_nOwnSizeId = old; },
        [this, id] { m_nOwnSizeId = id; });
}

IMeasureTable *CMeasurement::GetTable() const
{
    return m_pTable;
}

std::unique_ptr<IMeasurement> CMeasurement::Clone() const
{
    auto copy = std::make_unique<CMeasurement>(m_pTable, m_sName);
    copy->m_bWorkingCopy = true;
    copy->m_sComment = m_sComment;
    copy->m_aLengths = m_aLengths;
    copy->m_oValues = m_oValues;
    copy->m_nOwnSizeId = m_nOwnSizeId;
    return copy;
}

void CMeasurement::Assign(const IMeasurement &other)
{
    CTableSetUndoStack &undo = m_pTable->GetUndoStack();
    undo.BeginStep();
    SetName(other.GetName());
    SetComment(other.GetComment());
    for (int i = 0; i < kLengthCount; ++i)
        SetLength(i, other.GetLength(i));
    for (int i = 0; i < m_pTable->GetSizeCount(); ++i)
        SetValue(i, other.GetValue(i, false), false);
    SetOwnSizeIndex(other.GetOwnSizeIndex());
    undo.EndStep();
}

void CMeasurement::Fill(const MstMeasurement &contents, const OwnedChildren<CGradeSize> &sizes)
{
    m_sComment = contents.comment;
    std::copy(contents.lengths.begin(), contents.lengths.end(), m_aLengths.begin());
    for (size_t i = 0; i < contents.values.size(); ++i)
        StoreSizeValue(*sizes.at(static_cast<int>(i)), contents.values[i]);
    const CGradeSize *own = sizes.at(contents.ownSize);
    m_nOwnSizeId = own != nullptr ? own->GetId() : 0;
}

MstMeasurement CMeasurement::GetContents() const
{
    MstMeasurement contents;
    contents.name = m_sName;
    contents.comment = m_sComment;
    std::copy(m_aLengths.begin(), m_aLengths.end(), contents.lengths.begin());
    contents.ownSize = GetOwnSizeIndex();
    for (int i = 0; i < m_pTable->GetSizeCount(); ++i)
        contents.values.push_back(GetSizeValue(*m_pTable->GetSizeAt(i)));
    return contents;
}

double CMeasurement::GetSizeValue(const CGradeSize &size) const
{
    const auto found = m_oValues.find(size.GetId());
    return found != m_oValues.end() ? found->second : 0.0;
}

void CMeasurement::StoreSizeValue(const CGradeSize &size, double value)
{
    m_oValues[size.GetId()] = value;
}

void CMeasurement::change(int32_t property, std::function<void()> undo, std::function<void()> redo)
{
    if (m_bWorkingCopy) {
        redo();
        return;
    }
    m_pTable->GetUndoStack().DoChange(m_oHandler, property, std::move(undo), std::move(redo),
                                      [this] { m_pTable->MarkModified(); });
}

double CMeasurement::absoluteValue(int sizeIndex) const
{
    const CGradeSize *size = m_pTable->GetSizeAt(sizeIndex);
    return size != nullptr ? GetSizeValue(*size) : 0.0;
}
