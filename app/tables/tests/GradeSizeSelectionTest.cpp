// Morvane measurement tables tests.
// The sizes that the measurement-table document shows, and how changes of the set move them.
#include "EventLog.h"
#include "app/documents/testing/FakeGradingEvents.h"
#include "app/tables/MeasureTableDoc.h"
#include "model/InputPatterns.h"
#include "platform/brismond/IBrismond.h"
#include "platform/brismond/IMeasureTable.h"
#include "platform/brismond/TableSetFactory.h"

#include <gtest/gtest.h>

using Lines = std::vector<std::string>;

namespace {

class GradeSizeSelectionTest : public testing::Test
{
protected:
    GradeSizeSelectionTest()
    {
        m_document.Initialize(&m_owner);
        set().InsertTable(0, 1, "Women", -1);
        set().GetTableAt(0)->InsertSizesAt({"S", "M", "L"}, 0, -1, 1);
        set().InsertTable(0, 1, "Height", -1);
        set().GetTableAt(1)->InsertSizesAt({"164", "170"}, 0, -1, 0);
        m_document.SetActiveTable(set().GetTableAt(0));
        m_log.Take();
    }

    IBrismond &set() { return *m_document.GetTableSet(); }
    CGradeSizeSelection &selection() { return m_document.GetSizeSelection(); }

    // The shown sizes as "place,place" texts.
    std::vector<std::string> shown()
    {
        std::vector<std::string> texts;
        for (const auto &size : selection().GetShownSizes()) {
            std::string text;
            for (int i = 0; i < size->GetPlaceCount(); ++i)
                text += (i > 0 ? "," : "") + std::to_string(size->GetPlaceAt(i));
            texts.push_back(text);
        }
        return texts;
    }

    // The selection's own events (sender 102).
    Lines selectionEvents() { return m_log.TakeFrom(102); }

    // Makes a custom list of one size per place given and switches the custom selection on.
    void chooseCustom(std::vector<int> places)
    {
        const std::unique_ptr<IComplexGradeSize> size = CTableSetFactory::MakeComplexGradeSize(0);
        for (size_t i = 0; i < places.size(); ++i)
            size->SetPlaceAt(static_cast<int>(i), places[i]);
        selection().SetCustomSizes({size.get()});
        selection().SetCustomSelection(true);
    }

    morvane::FakeGradingEvents m_owner;
    CMeasureTableDoc m_document;
    EventLog m_log{m_document.GetEventHandler()};
};

} // namespace

TEST_F(GradeSizeSelectionTest, ShowsEverySizeOfTheActiveTableAtItsPlace)
{
    EXPECT_EQ(shown(), (std::vector<std::string>{"0,-1", "1,-1", "2,-1"}));
    m_document.SetActiveTable(set().GetTableAt(1));
    EXPECT_EQ(shown(), (std::vector<std::string>{"-1,0", "-1,1"}));
    EXPECT_EQ(selectionEvents(), (Lines{"before 102:0", "after 102:0"}));
    m_document.SetActiveTable(nullptr);
    EXPECT_TRUE(shown().empty()) << "no active table, no sizes";
}

TEST_F(GradeSizeSelectionTest, AddingASizeToTheActiveTableEndsTheCustomSelection)
{
    chooseCustom({2, 1});
    EXPECT_EQ(shown(), (std::vector<std::string>{"2,1"}));
    const int restarts = m_owner.gradingRestarts;
    set().GetTableAt(0)->InsertSizesAt({"XL"}, 0, -1, -1);
    EXPECT_FALSE(selection().IsCustomSelection());
    std::vector<const IComplexGradeSize *> custom;
    selection().GetCustomSizes(custom);
    EXPECT_TRUE(custom.empty());
    EXPECT_EQ(shown(), (std::vector<std::string>{"0,-1", "1,-1", "2,-1", "3,-1"}));
    EXPECT_GT(m_owner.gradingRestarts, restarts);
}

TEST_F(GradeSizeSelectionTest, RemovingASizeOnlyClearsTheCustomList)
{
    chooseCustom({2, 1});
    set().GetTableAt(0)->RemoveSizeAt(0);
    EXPECT_TRUE(selection().IsCustomSelection());
    EXPECT_TRUE(shown().empty());
    selection().SetCustomSelection(false);
    EXPECT_EQ(shown(), (std::vector<std::string>{"0,-1", "1,-1"}));
}

TEST_F(GradeSizeSelectionTest, CustomSizesAreCopiesAndSentOnlyWhileShown)
{
    const std::unique_ptr<IComplexGradeSize> size = CTableSetFactory::MakeComplexGradeSize(2);
    size->SetPlaceAt(0, 1);
    m_log.Take();
    selection().SetCustomSizes({size.get()});
    EXPECT_TRUE(selectionEvents().empty());
    size->SetPlaceAt(0, 2);
    std::vector<const IComplexGradeSize *> custom{nullptr};
    selection().GetCustomSizes(custom);
    ASSERT_EQ(custom.size(), 1u);
    EXPECT_EQ(custom[0]->GetPlaceAt(0), 1);

    selection().SetCustomSelection(true);
    selection().SetCustomSizes({size.get()});
    EXPECT_EQ(selectionEvents(),
              (Lines{"before 102:0", "after 102:0", "before 102:0", "after 102:0"}));
    EXPECT_EQ(shown(), (std::vector<std::string>{"2,-1"}));
    selection().ClearCustomSizes();
    selection().ClearCustomSizes();
    EXPECT_EQ(selectionEvents(), (Lines{"before 102:0", "after 102:0"}));
}

TEST_F(GradeSizeSelectionTest, RelaysChangesOfSizesAndOfTheTablesSizes)
{
    set().GetTableAt(0)->SetSizeName(0, "XS");
    EXPECT_EQ(selectionEvents(), (Lines{"before 102:1", "after 102:1"}));
    set().GetTableAt(0)->SetBaseSize(0);
    EXPECT_EQ(selectionEvents(), (Lines{"before 102:2", "after 102:2"}));
    set().GetTableAt(0)->SetName("Ladies");
    EXPECT_TRUE(selectionEvents().empty());
}

TEST_F(GradeSizeSelectionTest, ATableAddedOrRemovedDropsTheCustomListAndRestartsGrading)
{
    chooseCustom({0, 0});
    const int restarts = m_owner.gradingRestarts;
    m_log.Take();
    set().RemoveTableAt(1);
    EXPECT_EQ(m_owner.gradingRestarts, restarts + 1);
    EXPECT_TRUE(shown().empty());
    EXPECT_EQ(selectionEvents(),
              (Lines{"before 102:0", "before 102:0", "after 102:0", "after 102:0"}));
}

TEST_F(GradeSizeSelectionTest, AnUpdateOfTheInputPatternsDropsTheCustomList)
{
    CInputPatterns patterns;
    patterns.AddListener(&selection());
    chooseCustom({1, 1});
    const int restarts = m_owner.gradingRestarts;
    m_log.Take();
    patterns.SendBeginUpdate();
    patterns.SendEndUpdate();
    EXPECT_EQ(m_owner.gradingRestarts, restarts + 1);
    EXPECT_TRUE(shown().empty());
    EXPECT_EQ(selectionEvents(),
              (Lines{"before 102:0", "before 102:0", "after 102:0", "after 102:0"}));
    patterns.RemoveListener(&selection());
}
