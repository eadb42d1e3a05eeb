// Morvane program documents tests.
// The open grade masks: names, lookups, their announcements, and the work done on all of them.
#include "MainDocumentFixture.h"

#include "TemporaryFolder.h"
#include "app/grading/testing/MaskFormulas.h"
#include "foundation/RuntimeClass.h"

#include <functional>
#include <gtest/gtest.h>

using testdocuments::EventRecorder;
using testdocuments::HeardEvent;

namespace {

constexpr uint32_t kMasks = 107;
constexpr uint32_t kMaskDocument = 108;

class GradeMaskDocArrayTest : public testdocuments::MainDocumentFixture
{
protected:
    CGradeMaskDocArray &masks() { return *m_doc.GetMaskDocs(); }

    /// A mask document titled title, appended.
    CGradeMaskDoc *addTitled(const std::string &title)
    {
        std::unique_ptr<CGradeMaskDoc> doc = masks().CreateMaskDoc();
        doc->SetTitle(title);
        CGradeMaskDoc *added = doc.get();
        masks().InsertAt(masks().GetCount(), std::move(doc));
        return added;
    }
};

struct UniqueNameCase
{
    const char *name;
    std::vector<std::string> open;
    const char *expected;
};

} // namespace

TEST_F(GradeMaskDocArrayTest, NewMasksAreNumberedPastEveryOpenNameIgnoringCase)
{
    const UniqueNameCase cases[] = {
        {"no mask open", {}, "Mask1"},
        {"Mask1 and mask2", {"Mask1", "mask2"}, "Mask3"},
        {"the bare base open", {"Mask"}, "Mask1"},
        {"a gap", {"Mask2"}, "Mask1"},
        {"a gap after the first", {"MASK1", "Mask3"}, "Mask2"},
    };
    for (const UniqueNameCase &row : cases) {
        SCOPED_TRACE(row.name);
        masks().RemoveAll();
        for (const std::string &title : row.open)
            addTitled(title);
        EXPECT_EQ(masks().MakeUniqueName("Mask"), row.expected);
    }
}

TEST_F(GradeMaskDocArrayTest, MasksAreFoundByDisplayNameIgnoringCaseAndByTheirMask)
{
    const TemporaryFolder folder("morvane-masks");
    CGradeMaskDoc *saved = addTitled("Mask1");
    ASSERT_TRUE(saved->GetGradeMask()->Save(folder / "Front.msk"));
    CGradeMaskDoc *titled = addTitled("BACK");

    EXPECT_EQ(saved->GetDisplayName(), "Front");
    EXPECT_EQ(titled->GetDisplayName(), "BACK");
    EXPECT_EQ(masks().FindByName("front"), 0);
    EXPECT_EQ(masks().FindByName("back"), 1);
    EXPECT_EQ(masks().FindByName("Mask1"), -1);
    EXPECT_EQ(masks().FindByMask(titled->GetGradeMask()), titled);
    EXPECT_EQ(masks().FindByMask(nullptr), nullptr);
    EXPECT_EQ(masks().IndexOf(titled), 1);
    EXPECT_EQ(masks().GetAt(2), nullptr);
}

TEST_F(GradeMaskDocArrayTest, InsertionIsAnnouncedWithItsIndexAndRemovalWithTheDocument)
{
    addTitled("Mask1");
    addTitled("Mask2");
    EventRecorder heard(m_doc.GetEventHandler());
    std::unique_ptr<CGradeMaskDoc> doc = masks().CreateMaskDoc();
    const auto third = reinterpret_cast<uintptr_t>(doc.get());

    masks().InsertAt(2, std::move(doc));
    masks().RemoveAt(2);
    masks().RemoveAt(5);

    EXPECT_EQ(heard.events, (std::vector<HeardEvent>{
                                {morvane::kEventAttached, kMasks, kMaskDocument, 2},
                                {morvane::kEventDetached, kMasks, CGradeMaskDoc::kHandlerId, third},
                            }));
    EXPECT_EQ(masks().GetCount(), 2);
}

TEST_F(GradeMaskDocArrayTest, ItemsAndFocusPolylinesAreAnnouncedAndRemovedFromTheLast)
{
    CGradeMaskDoc *doc = addTitled("Mask1");
    struct ListCase
    {
        const char *name;
        uint32_t id;
        std::function<uintptr_t()> add;
        std::function<void()> clear;
        std::function<int()> count;
    };
    const ListCase lists[] = {
        {"items", CGradeMaskDoc::kItemListId,
         [doc] {
             auto item = std::make_unique<CObject>();
             const auto added = reinterpret_cast<uintptr_t>(item.get());
             doc->AddItem(std::move(item));
             return added;
         },
         [doc] { doc->ClearItemList(); }, [doc] { return doc->GetItemCount(); }},
        {"focus polylines", CGradeMaskDoc::kFocusPolylinesId,
         [doc] {
             auto polyline = CFocusObject::Create(nullptr, CFocusObject::kPolyline);
             const auto added = reinterpret_cast<uintptr_t>(polyline.get());
             doc->AddFocusPolyline(std::move(polyline));
             return added;
         },
         [doc] { doc->ClearFocusPolylines(); }, [doc] { return doc->GetFocusPolylineCount(); }},
    };
    for (const ListCase &list : lists) {
        SCOPED_TRACE(list.name);
        EventRecorder heard(doc->GetEventHandler());
        std::vector<uintptr_t> added;
        for (int i = 0; i < 3; ++i)
            added.push_back(list.add());

        list.clear();

        const uint32_t self = kMaskDocument;
        EXPECT_EQ(heard.events, (std::vector<HeardEvent>{
                                    {morvane::kEventAttached, self, list.id, 0},
                                    {morvane::kEventAttached, self, list.id, 1},
                                    {morvane::kEventAttached, self, list.id, 2},
                                    {morvane::kEventDetached, self, list.id, added[2]},
                                    {morvane::kEventDetached, self, list.id, added[1]},
                                    {morvane::kEventDetached, self, list.id, added[0]},
                                }));
        EXPECT_EQ(list.count(), 0);
    }
}

TEST_F(GradeMaskDocArrayTest, FocusTypesAreAListOfCodesEmptyAtFirst)
{
    CGradeMaskDoc *doc = addTitled("Mask1");
    EXPECT_FALSE(doc->IsFocusType(0));
    doc->AddFocusType(2);
    doc->AddFocusType(2);
    EXPECT_TRUE(doc->IsFocusType(2));
    EXPECT_FALSE(doc->IsFocusType(1));
    doc->ClearFocusTypes();
    EXPECT_FALSE(doc->IsFocusType(2));
}

TEST_F(GradeMaskDocArrayTest, ResettingClearsEveryMasksAssociationsAndLocations)
{
    loadStyle();
    CGradeMaskDoc *doc = addTitled("Mask1");
    CGradeMask &mask = placeStyleOn(*doc);
    testgrading::addIncrement(mask.GetFormulas(), inputPoint(0, 0)->GetAssociatedPoint(), "1",
                              "0");
    ASSERT_NE(inputPoint(0, 0)->GetAssociatedPoint(), nullptr);

    masks().ResetAssociationsAndFormulas();
    masks().ClearPatternLocations();

    EXPECT_EQ(inputPoint(0, 0)->GetAssociatedPoint(), nullptr);
    EXPECT_FALSE(m_doc.GetInputPatterns()->GetPatternAt(0)->IsFlagged());
    EXPECT_EQ(mask.GetFormulaManager()->GetFormulaCount(), 1);
}
