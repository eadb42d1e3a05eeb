// Morvane Brismond table-set library tests.
// Editing a table set: tables, sizes and measurements with the events they send, steps of the
// undo stack, relative values, inserted sizes' values, working copies and complex sizes.
#include "EventLog.h"
#include "TableSetFixture.h"
#include "platform/brismond/GradeSize.h"
#include "platform/brismond/IMeasureTable.h"
#include "platform/brismond/IMeasurement.h"
#include "platform/brismond/TableSetFactory.h"
#include "platform/brismond/TableSetUndoStack.h"

#include <gtest/gtest.h>
#include <limits>

using Lines = std::vector<std::string>;

namespace {

class TableSetEditingTest : public testing::Test
{
protected:
    TableSetEditingTest()
        : m_set(CTableSetFactory::Make("Untitled", m_handler))
    {
    }

    // Undoes (or redoes) one step and hands over what it sent.
    Lines undo() { return step(&CTableSetUndoStack::Undo); }
    Lines redo() { return step(&CTableSetUndoStack::Redo); }

    Lines step(bool (CTableSetUndoStack::*move)())
    {
        EXPECT_TRUE((m_set->GetUndoStack().*move)());
        return m_log.Take();
    }

    // The values of measurement at every size of its table, absolute or relative.
    static std::vector<double> values(const IMeasurement &measurement, bool relative = false)
    {
        std::vector<double> result;
        for (int i = 0; i < measurement.GetTable()->GetSizeCount(); ++i)
            result.push_back(measurement.GetValue(i, relative));
        return result;
    }

    static std::vector<std::string> sizeNames(const IMeasureTable &table)
    {
        std::vector<std::string> names;
        for (int i = 0; i < table.GetSizeCount(); ++i)
            names.push_back(table.GetSizeAt(i)->GetName());
        return names;
    }

    CEventHandler *m_handler = nullptr;
    std::unique_ptr<IBrismond> m_set;
    EventLog m_log{*m_handler};
};

} // namespace

TEST_F(TableSetEditingTest, TablesSendTheirIndexWhenInsertedRemovedAndRenamedAndUndoInOrder)
{
    EXPECT_EQ(m_set->InsertTable(0, 1, "A", -1), 0);
    EXPECT_EQ(m_set->InsertTable(0, 1, "B", 0), 0);
    EXPECT_EQ(m_log.Take(), (Lines{"attach 1000:1001", "attach 1000:1001"}));
    IMeasureTable *a = m_set->GetTableAt(1);
    a->SetName("Women");
    EXPECT_EQ(m_log.Take(), (Lines{"before 1001:1", "after 1001:1"}));
    EXPECT_EQ(m_set->FindTable("WOMEN"), 1);
    m_set->RemoveTableAt(1);
    EXPECT_EQ(m_log.Take(), (Lines{"detach 1000:1001"}));
    EXPECT_EQ(m_set->IndexOfTable(a), -1);

    EXPECT_EQ(undo(), (Lines{"attach 1000:1001"}));
    EXPECT_EQ(m_set->GetTableAt(1), a);
    EXPECT_EQ(undo(), (Lines{"before 1001:1", "after 1001:1"}));
    EXPECT_EQ(a->GetName(), "A");
    EXPECT_EQ(undo(), (Lines{"detach 1000:1001"}));
    EXPECT_EQ(m_set->GetTableAt(0), a);
    EXPECT_EQ(redo(), (Lines{"attach 1000:1001"}));
    EXPECT_EQ(redo(), (Lines{"before 1001:1", "after 1001:1"}));
    EXPECT_EQ(redo(), (Lines{"detach 1000:1001"}));
    EXPECT_FALSE(m_set->GetUndoStack().CanRedo());
    m_set->RemoveTableAt(5);
    EXPECT_TRUE(m_log.Take().empty());
}

TEST_F(TableSetEditingTest, ProposesATableNameThatNoTableHas)
{
    EXPECT_EQ(m_set->ProposeTableName(), "Table 1");
    m_set->InsertTable(0, 1, "table 2", -1);
    EXPECT_EQ(m_set->ProposeTableName(), "Table 3");
}

TEST_F(TableSetEditingTest, SizesArriveInOneUpdateThatUndoesAndRedoesWhole)
{
    IMeasureTable *table = m_set->GetTableAt(m_set->InsertTable(0, 1, "T", -1));
    m_log.Take();
    table->InsertSizesAt({"S", "M", "L"}, 0, -1, 1);
    const Lines inserted = {"begin 1001:0",     "attach 1001:1003", "attach 1001:1003",
                            "attach 1001:1003", "before 1001:0",    "after 1001:0",
                            "end 1001:0"};
    EXPECT_EQ(m_log.Take(), inserted);
    EXPECT_EQ(table->GetBaseSizeIndex(), 1);
    EXPECT_TRUE(table->GetSizeAt(1)->IsBaseSize());

    EXPECT_EQ(undo(), (Lines{"begin 1001:0", "before 1001:0", "after 1001:0", "detach 1001:1003",
                             "detach 1001:1003", "detach 1001:1003", "end 1001:0"}));
    EXPECT_EQ(table->GetSizeCount(), 0);
    EXPECT_EQ(table->GetBaseSizeIndex(), -1);
    EXPECT_EQ(redo(), inserted);
    EXPECT_EQ(sizeNames(*table), (std::vector<std::string>{"S", "M", "L"}));

    table->SetSizeName(2, "XL");
    table->GetSizeAt(2)->SetNumberName(44);
    EXPECT_EQ(m_log.Take(), (Lines{"before 1003:65535", "after 1003:65535", "before 1003:65535",
                                   "after 1003:65535"}));
    EXPECT_EQ(table->FindSize("xl"), 2);
    table->RemoveSizeAt(1);
    EXPECT_EQ(m_log.Take(), (Lines{"before 1001:0", "after 1001:0", "detach 1001:1003"}));
    EXPECT_EQ(sizeNames(*table), (std::vector<std::string>{"S", "XL"}));
    EXPECT_EQ(table->GetBaseSizeIndex(), 0);
    undo();
    EXPECT_EQ(sizeNames(*table), (std::vector<std::string>{"S", "M", "XL"}));
    EXPECT_EQ(table->GetBaseSizeIndex(), 1);
}

TEST_F(TableSetEditingTest, MeasurementsSendTheirChangesByProperty)
{
    IMeasureTable *table = m_set->GetTableAt(m_set->InsertTable(0, 1, "T", -1));
    table->InsertSizesAt({"S", "M"}, 0, -1, -1);
    m_log.Take();
    IMeasurement *chest = table->GetMeasurementAt(table->InsertMeasurement("CHEST", 1, 2, 3, -1));
    chest->SetValue(0, 880, false);
    chest->SetName("BUST");
    chest->SetComment("around");
    chest->SetLength(1, 20);
    chest->SetValue(0, 880, false);
    EXPECT_EQ(m_log.Take(), (Lines{"attach 1001:1002", "before 1002:0", "after 1002:0",
                                   "before 1002:1", "after 1002:1", "before 1002:2", "after 1002:2",
                                   "before 1002:3", "after 1002:3"}));
    EXPECT_EQ(table->IndexOfMeasurement("bust"), 0);
    EXPECT_EQ(chest->GetLength(1), 20);
    table->RemoveMeasurementAt(0);
    EXPECT_EQ(m_log.Take(), (Lines{"detach 1001:1002"}));
    EXPECT_EQ(undo(), (Lines{"attach 1001:1002"}));
    EXPECT_EQ(undo(), (Lines{"before 1002:3", "after 1002:3"}));
    EXPECT_EQ(chest->GetLength(1), 2);
    EXPECT_EQ(chest->GetTable(), table);
}

TEST_F(TableSetEditingTest, NestedStepsUndoAsOneAndChangesOutsideAStepOneByOne)
{
    const std::unique_ptr<IBrismond> set = makeTwoTableSet();
    CTableSetUndoStack &undo = set->GetUndoStack();
    IMeasureTable *women = set->GetTableAt(0);
    IMeasurement *chest = women->GetMeasurementAt(0);

    undo.BeginStep();
    women->SetName("Ladies");
    undo.BeginStep();
    chest->SetValue(0, 1, false);
    undo.EndStep();
    EXPECT_FALSE(undo.Undo()) << "no undo while a step is open";
    women->SetBaseSize(0);
    undo.EndStep();
    undo.EndStep();
    set->SetImageDirectory("/other/");
    set->SetImageFileName("other.jpg");

    ASSERT_TRUE(undo.Undo());
    EXPECT_EQ(set->GetImageFileName(), "chart.jpg");
    EXPECT_EQ(set->GetImageDirectory(), "/other/");
    ASSERT_TRUE(undo.Undo());
    ASSERT_TRUE(undo.Undo());
    EXPECT_EQ(women->GetName(), "Women");
    EXPECT_EQ(chest->GetValue(0, false), 880);
    EXPECT_EQ(women->GetBaseSizeIndex(), 1);
    ASSERT_TRUE(undo.Redo());
    EXPECT_EQ(women->GetName(), "Ladies");
    EXPECT_EQ(women->GetBaseSizeIndex(), 0);

    undo.BeginStep();
    undo.EndStep();
    EXPECT_TRUE(undo.CanRedo()) << "an empty step enters no history";
    chest->SetComment("new");
    EXPECT_FALSE(undo.CanRedo());
}

TEST_F(TableSetEditingTest, AnUnrecordedChangeIsMadeButEntersNoStep)
{
    const std::unique_ptr<IBrismond> set = makeTwoTableSet();
    CTableSetUndoStack &undo = set->GetUndoStack();
    undo.Reset();
    set->SetImageFileName("other.jpg");

    undo.RunUnrecorded([&set] { set->SetImageDirectory("/found/"); });
    EXPECT_EQ(set->GetImageDirectory(), "/found/");
    ASSERT_TRUE(undo.Undo());
    EXPECT_EQ(set->GetImageFileName(), "chart.jpg") << "the step before it is undone";
    EXPECT_EQ(set->GetImageDirectory(), "/found/");
    EXPECT_FALSE(undo.CanUndo());
    set->SetImageDirectory("/next/");
    EXPECT_TRUE(undo.CanUndo()) << "recording goes on after it";
}

TEST_F(TableSetEditingTest, RelativeValuesAreTakenFromTheBaseSize)
{
    const std::unique_ptr<IBrismond> set = makeTwoTableSet();
    IMeasureTable *women = set->GetTableAt(0);
    IMeasurement *chest = women->GetMeasurementAt(0);
    EXPECT_EQ(values(*chest, true), (std::vector<double>{-40, 920, 40.25}));
    chest->SetValue(2, 50, true);
    chest->SetValue(1, 900, true);
    EXPECT_EQ(values(*chest), (std::vector<double>{880, 900, 970}));
    women->SetBaseSize(0);
    EXPECT_EQ(values(*chest, true), (std::vector<double>{880, 20, 90}));
    EXPECT_EQ(chest->GetValue(7, true), 0);
    chest->SetValue(7, 1, false);
    chest->SetValue(0, std::numeric_limits<double>::quiet_NaN(), false);
    chest->SetLength(0, std::numeric_limits<double>::infinity());
    EXPECT_EQ(chest->GetLength(0), 10);
    EXPECT_EQ(values(*chest), (std::vector<double>{880, 900, 970}));
}

TEST_F(TableSetEditingTest, InsertedSizesTakeTheBaseValueOrSpreadBetweenTheirNeighbours)
{
    const std::unique_ptr<IBrismond> set = makeTwoTableSet();
    IMeasureTable *women = set->GetTableAt(0);
    const IMeasurement *waist = women->GetMeasurementAt(1);
    women->InsertSizesAt({"M1", "M2", "M3"}, 1, 2, -1);
    women->InsertSizesAt({"XL"}, 1, -1, 0);
    women->InsertSizesAt({"XS"}, 0, 0, -1);
    EXPECT_EQ(sizeNames(*women),
              (std::vector<std::string>{"XS", "S", "M", "M1", "M2", "M3", "L", "XL"}));
    EXPECT_EQ(values(*waist), (std::vector<double>{740, 700, 740, 750, 760, 770, 780, 740}));
    EXPECT_EQ(women->GetBaseSizeIndex(), 7);
    women->InsertSizesAt({}, 0, 0, 0);
    EXPECT_EQ(women->GetSizeCount(), 8);
}

TEST_F(TableSetEditingTest, TablesKnowWhetherTheyChangedSinceSaved)
{
    IMeasureTable *table = m_set->GetTableAt(m_set->InsertTable(0, 1, "T", -1));
    EXPECT_TRUE(table->IsTableModified());
    EXPECT_EQ(table->GetTableSizeType(), IMeasureTable::kPlainSizeNames);
    table->SetMeasureTableType(7);
    table->SetTableSizeType(9);
    EXPECT_EQ(table->GetMeasureTableType(), 0);
    EXPECT_EQ(table->GetTableSizeType(), IMeasureTable::kPlainSizeNames);
    table->SetMeasureTableType(3);
    table->SetTableSizeType(IMeasureTable::kNumberedSizeNames);
    EXPECT_EQ(table->GetMeasureTableType(), 3);
    EXPECT_EQ(table->GetTableSizeType(), IMeasureTable::kNumberedSizeNames);
}

TEST_F(TableSetEditingTest, AWorkingCopyChangesSilentlyAndComesBackAsOneStep)
{
    const std::unique_ptr<IBrismond> set = makeTwoTableSet();
    IMeasurement *chest = set->GetTableAt(0)->GetMeasurementAt(0);
    EventLog log(set->GetEventHandler());
    const std::unique_ptr<IMeasurement> copy = chest->Clone();
    copy->SetName("BUST");
    copy->SetValue(0, 1, false);
    copy->SetLength(2, 3);
    copy->SetOwnSizeIndex(-1);
    EXPECT_TRUE(log.Take().empty());
    EXPECT_EQ(chest->GetName(), "CHEST");

    chest->Assign(*copy);
    EXPECT_EQ(chest->GetName(), "BUST");
    EXPECT_EQ(values(*chest), (std::vector<double>{1, 920, 960.25}));
    EXPECT_EQ(chest->GetOwnSizeIndex(), -1);
    ASSERT_TRUE(set->GetUndoStack().Undo());
    EXPECT_EQ(chest->GetName(), "CHEST");
    EXPECT_EQ(chest->GetLength(2), 0);
    EXPECT_EQ(chest->GetOwnSizeIndex(), 1);
}

TEST_F(TableSetEditingTest, ComplexSizesNameTheirSizesAndAnswerAsGradeSizes)
{
    const std::unique_ptr<IBrismond> set = makeTwoTableSet();
    const std::unique_ptr<IComplexGradeSize> size = CTableSetFactory::MakeComplexGradeSize(2);
    EXPECT_EQ(size->GetName(*set), "");
    size->SetPlaceAt(0, 2);
    size->SetPlaceAt(1, 0);
    EXPECT_EQ(size->GetName(*set), "L/164");
    size->SetPlaceAt(3, 1);
    EXPECT_EQ(size->GetPlaceCount(), 4);
    EXPECT_EQ(size->GetPlaceAt(2), -1);

    const std::unique_ptr<IComplexGradeSize> copy = CTableSetFactory::MakeComplexGradeSize(0);
    copy->CopyFrom(*size);
    EXPECT_EQ(copy->GetGradeTableCount(), 4);
    EXPECT_EQ(copy->GetGradeTableAt(1), 1);
    EXPECT_EQ(copy->GetGradeSizeAt(0), 2);
    EXPECT_EQ(copy->GetGradeSizeAt(9), -1);
}

TEST_F(TableSetEditingTest, StoredValuesCanBeClearedAndSetBySize)
{
    const std::unique_ptr<IBrismond> set = makeTwoTableSet();
    IMeasureTable *women = set->GetTableAt(0);
    IMeasurement *waist = women->GetMeasurementAt(1);
    CTableSetUndoStack &undo = set->GetUndoStack();
    EXPECT_EQ(waist->GetStoredValueCount(), 3);
    EXPECT_EQ(waist->GetStoredValueSizeIndex(2), 2);
    EXPECT_EQ(waist->GetStoredValue(2), 780);

    undo.BeginStep();
    waist->ClearValues();
    waist->SetSizeValue(*women->GetSizeAt(2), 790);
    undo.EndStep();
    EXPECT_EQ(waist->GetStoredValueCount(), 1);
    EXPECT_EQ(waist->GetStoredValueSizeIndex(0), 2);
    EXPECT_EQ(waist->GetStoredValueSizeIndex(1), -1);
    EXPECT_EQ(values(*waist), (std::vector<double>{0, 0, 790}));

    women->InsertSizesAt({"XL"}, 0, -1, -1);
    EXPECT_EQ(waist->GetStoredValueCount(), 2);
    ASSERT_TRUE(undo.Undo());
    ASSERT_TRUE(undo.Undo());
    EXPECT_EQ(values(*waist), (std::vector<double>{700, 740, 780}));
    ASSERT_TRUE(undo.Redo());
    ASSERT_TRUE(undo.Redo());
    EXPECT_EQ(values(*waist), (std::vector<double>{0, 0, 790, 0}))
        << "the new size keeps the base value it was given, which was 0 then";
    EXPECT_EQ(waist->GetStoredValueCount(), 2);
}
