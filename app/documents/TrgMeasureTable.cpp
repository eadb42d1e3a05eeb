// Morvane program documents.
// The automation object of one measurement table of the document's table set.
#include "app/documents/TrgMeasureTable.h"

#include "app/documents/AutomationError.h"
#include "foundation/NumberText.h"
#include "foundation/TextFormat.h"
#include "platform/brismond/GradeSize.h"
#include "platform/brismond/IBrismond.h"
#include "platform/brismond/IMeasureTable.h"

using namespace morvane;

void CTrgMeasureTable::SetMeasureTable(IBrismond *set, IMeasureTable *table)
{
    m_pSet = set;
    m_pTable = table;
}

IMeasureTable &CTrgMeasureTable::table(const char *call) const
{
    if (m_pTable == nullptr)
        throw AutomationError(std::string(call) +
                              ": no measurement table was asked for (GetIMeasureTableAt)");
    if (m_pSet->IndexOfTable(m_pTable) < 0)
        throw AutomationError(std::string(call) +
                              ": the measurement table is no longer in the table set");
    return *m_pTable;
}

int32_t CTrgMeasureTable::GetOriginalGradeSize()
{
    return table("GetOriginalGradeSize").GetBaseSizeIndex();
}

void CTrgMeasureTable::SetOriginalGradeSize(int32_t size)
{
    IMeasureTable &target = table("SetOriginalGradeSize");
    checkAutomationIndex("SetOriginalGradeSize", "size", size, target.GetSizeCount());
    target.SetBaseSize(size);
}

int32_t CTrgMeasureTable::GetGradeSizeCount()
{
    return table("GetGradeSizeCount").GetSizeCount();
}

void CTrgMeasureTable::SetGradeSizeName(int32_t index, const std::string &text)
{
    IMeasureTable &target = table("SetGradeSizeName");
    checkAutomationIndex("SetGradeSizeName", "size", index, target.GetSizeCount());
    const size_t open = text.find('<');
    if (open == std::string::npos) {
        target.SetTableSizeType(IMeasureTable::kPlainSizeNames);
        target.SetSizeName(index, text);
        return;
    }
    const size_t close = text.find('>', open + 1);
    const size_t nameLength = close == std::string::npos ? std::string::npos : close - open - 1;
    target.SetTableSizeType(IMeasureTable::kNumberedSizeNames);
    target.SetSizeName(index, text.substr(open + 1, nameLength));
    target.GetSizeAt(index)->SetNumberName(parseInt(std::string_view(text).substr(0, open)));
}

int32_t CTrgMeasureTable::GetMeasurementCount()
{
    return table("GetMeasurementCount").GetMeasurementCount();
}

CTrgMeasurement &CTrgMeasureTable::GetIMeasurementAt(int32_t index)
{
    IMeasureTable &target = table("GetIMeasurementAt");
    checkAutomationIndex("GetIMeasurementAt", "measurement", index, target.GetMeasurementCount());
    m_oMeasurement.SetMeasurement(m_pSet, m_pTable, target.GetMeasurementAt(index));
    return m_oMeasurement;
}

std::string CTrgMeasureTable::GetGradeSizeName(int32_t index)
{
    IMeasureTable &target = table("GetGradeSizeName");
    checkAutomationIndex("GetGradeSizeName", "size", index, target.GetSizeCount());
    const CGradeSize &size = *target.GetSizeAt(index);
    switch (target.GetTableSizeType()) {
    case 0:
    case IMeasureTable::kPlainSizeNames:
        return size.GetName();
    case IMeasureTable::kNumberedSizeNames:
        return format("%d<%s>", size.GetNumberName(), size.GetName().c_str());
    default:
        return {};
    }
}

void CTrgMeasureTable::SetName(const std::string &name)
{
    table("SetName").SetName(name);
}

void CTrgMeasureTable::SetTableType(int32_t type)
{
    table("SetTableType").SetMeasureTableType(type >= 0 && type <= 3 ? type : 0);
}

int32_t CTrgMeasureTable::GetTableType()
{
    return table("GetTableType").GetMeasureTableType();
}
