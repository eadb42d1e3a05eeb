// Morvane Brismond table-set library.
// One measurement table of a set: its sizes, its base size and its measurements.
#include "platform/brismond/MeasureTable.h"

#include "platform/brismond/TableSet.h"
#include "platform/brismond/TableSetEvents.h"
#include "platform/brismond/TableSetUndoStack.h"

using namespace brismond;

// A kind or size naming outside its range reads as this.
static int clampedOr(int value, int least, int most, int otherwise)
{
    return value >= least && value <= most ? value : otherwise;
}

CMeasureTable::CMeasureTable(CTableSet *set, std::string name, int kind, int sizeNaming)
    : m_pSet(set)
    , m_sName(std::move(name))
    , m_nKind(clampedOr(kind, 0, 3, 0))
    , m_nSizeNaming(clampedOr(sizeNaming, 0, kNumberedSizeNames, kPlainSizeNames))
    , m_oSizes(m_oHandler, kSizeId, OwnedChildren<CGradeSize>::Argument::Object,
               [this] { MarkModified(); })
    , m_oMeasurements(m_oHandler, kMeasurementId, OwnedChildren<CMeasurement>::Argument::Object,
                      [this] { MarkModified(); })
{
    m_oHandler.SetHandlerId(kTableId, static_cast<IMeasureTable *>(this));
}

CMeasureTable::~CMeasureTable() = default;

std::unique_ptr<CMeasureTable> CMeasureTable::FromContents(CTableSet *set, const MstTable &contents)
{
    auto table =
        std::make_unique<CMeasureTable>(set, contents.name, contents.kind, contents.sizeNaming);
    for (const MstSize &size : contents.sizes)
        table->m_oSizes.append(std::make_unique<CGradeSize>(table.get(), size.name, size.number));
    table->m_pBaseSize = table->m_oSizes.at(contents.baseSize);
    for (const MstMeasurement &stored : contents.measurements) {
        auto measurement = std::make_unique<CMeasurement>(table.get(), stored.name);
        measurement->Fill(stored, table->m_oSizes);
        table->m_oMeasurements.append(std::move(measurement));
    }
    table->m_bModified = false;
    return table;
}

MstTable CMeasureTable::GetContents() const
{
    MstTable contents;
    contents.name = m_sName;
    contents.kind = m_nKind;
    contents.sizeNaming = m_nSizeNaming;
    contents.baseSize = GetBaseSizeIndex();
    for (int i = 0; i < GetSizeCount(); ++i)
        contents.sizes.push_back({GetSizeAt(i)->GetName(), GetSizeAt(i)->GetNumberName()});
    for (int i = 0; i < GetMeasurementCount(); ++i)
        contents.measurements.push_back(GetMeasurementAt(i)->GetContents());
    return contents;
}

void CMeasureTable::SetName(const std::string &name)
{
    if (name == m_sName)
        return;
    change(
        kTableName, [this, old = m_sName] { m_sName = old; }, [this, name] { m_sName = name; });
}

int CMeasureTable::GetSizeCount() const
{
    return m_oSizes.count();
}

CGradeSize *CMeasureTable::GetSizeAt(int index) const
{
    return m_oSizes.at(index);
}

int CMeasureTable::FindSize(const std::string &name) const
{
    return m_oSizes.findName(name);
}

int CMeasureTable::IndexOfSize(const CGradeSize *size) const
{
    return size != nullptr ? m_oSizes.indexOf(size) : -1;
}

void CMeasureTable::SetSizeName(int index, const std::string &name)
{
    CGradeSize *size = GetSizeAt(index);
    if (size != nullptr)
        size->SetName(name);
}

void CMeasureTable::InsertSizesAt(const std::vector<std::string> &names, int valueChoice,
                                  int position, int baseIndex)
{
    if (names.empty())
        return;
    const int index = m_oSizes.insertionIndex(position);
    const int count = static_cast<int>(names.size());
    const std::vector<std::vector<double>> values = newSizeValues(index, count, valueChoice);
    const bool hadSizes = GetSizeCount() > 0;
    CTableSetUndoStack &undo = GetUndoStack();
    undo.DoUpdate(m_oHandler, [&] {
        for (int k = 0; k < count; ++k) {
            auto size = std::make_unique<CGradeSize>(this, names[static_cast<size_t>(k)], 0);
            for (int m = 0; m < GetMeasurementCount(); ++m)
                GetMeasurementAt(m)->StoreSizeValue(
                    *size, values[static_cast<size_t>(k)][static_cast<size_t>(m)]);
            m_oSizes.insert(undo, index + k, std::move(size));
        }
        if (baseIndex >= 0 && baseIndex < count)
            SetBaseSize(index + baseIndex);
        else if (!hadSizes)
            SetBaseSize(index);
    });
}

std::vector<std::vector<double>> CMeasureTable::newSizeValues(int index, int count,
                                                              int valueChoice) const
{
    const bool between = valueChoice == 1 && index > 0 && index < GetSizeCount();
    std::vector<std::vector<double>> values(static_cast<size_t>(count));
    for (int k = 0; k < count; ++k) {
        for (int m = 0; m < GetMeasurementCount(); ++m) {
            const CMeasurement *measurement = GetMeasurementAt(m);
            if (!between) {
                values[static_cast<size_t>(k)].push_back(
                    measurement->GetValue(GetBaseSizeIndex(), false));
                continue;
            }
            const double before = measurement->GetValue(index - 1, false);
            const double after = measurement->GetValue(index, false);
            values[static_cast<size_t>(k)].push_back(before +
                                                     (after - before) * (k + 1) / (count + 1));
        }
    }
    return values;
}

void CMeasureTable::RemoveSizeAt(int index)
{
    CGradeSize *size = GetSizeAt(index);
    if (size == nullptr)
        return;
    CTableSetUndoStack &undo = GetUndoStack();
    undo.BeginStep();
    if (size == m_pBaseSize)
        changeBaseSize(GetSizeAt(index == 0 ? 1 : 0));
    m_oSizes.remove(undo, index);
    undo.EndStep();
}

int CMeasureTable::GetBaseSizeIndex() const
{
    return IndexOfSize(m_pBaseSize);
}

void CMeasureTable::SetBaseSize(int index)
{
    CGradeSize *size = GetSizeAt(index);
    if (size != nullptr)
        changeBaseSize(size);
}

void CMeasureTable::changeBaseSize(CGradeSize *size)
{
    if (size == m_pBaseSize)
        return;
    change(
        kTableSizes, [this, old = m_pBaseSize] { m_pBaseSize = old; },
        [this, size] { m_pBaseSize = size; });
}

int CMeasureTable::GetMeasurementCount() const
{
    return m_oMeasurements.count();
}

CMeasurement *CMeasureTable::GetMeasurementAt(int index) const
{
    return m_oMeasurements.at(index);
}

int CMeasureTable::IndexOfMeasurement(const std::string &name) const
{
    return m_oMeasurements.findName(name);
}

int CMeasureTable::InsertMeasurement(const std::string &name, double length1, double length2,
                                     double length3, int position)
{
    MstMeasurement contents;
    contents.name = name;
    contents.lengths = {length1, length2, length3};
    contents.values.assign(static_cast<size_t>(GetSizeCount()), 0.0);
    auto measurement = std::make_unique<CMeasurement>(this, name);
    measurement->Fill(contents, m_oSizes);
    return m_oMeasurements.insert(GetUndoStack(), position, std::move(measurement));
}

void CMeasureTable::RemoveMeasurementAt(int index)
{
    if (m_oMeasurements.isIndex(index))
        m_oMeasurements.remove(GetUndoStack(), index);
}

void CMeasureTable::SetTableSizeType(int type)
{
    const int naming = clampedOr(type, 0, kNumberedSizeNames, kPlainSizeNames);
    if (naming == m_nSizeNaming)
        return;
    change(
        kTableSizes, [this, old = m_nSizeNaming] { m_nSizeNaming = old; },
        [this, naming] { m_nSizeNaming = naming; });
}

void CMeasureTable::SetMeasureTableType(int type)
{
    const int kind = clampedOr(type, 0, 3, 0);
    if (kind == m_nKind)
        return;
    change(
        kTableSizes, [this, old = m_nKind] { m_nKind = old; }, [this, kind] { m_nKind = kind; });
}

CTableSetUndoStack &CMeasureTable::GetUndoStack() const
{
    return m_pSet->GetUndoStack();
}

void CMeasureTable::MarkModified()
{
    if (!m_bModified)
        sendModifiedChange(true);
}

void CMeasureTable::MarkSaved()
{
    if (m_bModified)
        sendModifiedChange(false);
}

void CMeasureTable::sendModifiedChange(bool modified)
{
    m_oHandler.SendBeforeChange(kTableModified);
    m_bModified = modified;
    m_oHandler.SendAfterChange(kTableModified);
}

void CMeasureTable::change(int32_t property, std::function<void()> undo, std::function<void()> redo)
{
    GetUndoStack().DoChange(m_oHandler, property, std::move(undo), std::move(redo),
                            [this] { MarkModified(); });
}
