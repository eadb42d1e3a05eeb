// Morvane program foundation extras tests.
// Event-map entries: origin and id filters, the follow-ups of bulk changes, and call kinds.
#include "app/extras/EventMap.h"

#include "foundation/EventHandler.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

using namespace morvane;

namespace {

EventData makeData(uint32_t originId, uint32_t first, uintptr_t parameter = 0,
                   void *owner = nullptr)
{
    EventData data;
    data.m_nFirst = first;
    data.m_nSecond = parameter;
    data.m_nHopCount = 1;
    data.m_aIds[0] = originId;
    data.m_aOwners[0] = owner;
    return data;
}

// Counts the calls of each entry it registers.
class CountingMap : public CEventMap
{
public:
    bool Rebuild() override { return true; }

    // Adds an entry that counts under name.
    void Count(const std::string &name, uint32_t type, uint32_t origin, uint32_t id)
    {
        AddEntry(CEventMapEntry(type, origin, id, [this, name] { calls.push_back(name); }));
    }

    std::vector<std::string> calls;
};

struct FilterCase
{
    const char *name;
    uint32_t entryType;
    uint32_t originFilter;
    uint32_t idFilter;
    uint32_t type;
    uint32_t originId;
    uint32_t first;
    bool matches;
};

} // namespace

TEST(EventMapEntryTest, MatchesOriginAndIdByHalves)
{
    const FilterCase cases[] = {
        {"any origin, any id", 1, kMatchAny, kMatchAny, 1, 0x12340005, 0x00000009, true},
        {"another type", 1, kMatchAny, kMatchAny, 2, 0xFFFF0005, 0, false},
        {"origin low half, any high half", 8, 0xFFFF0005, kMatchAny, 8, 0x12340005, 3, true},
        {"origin low half differs", 8, 0xFFFF0005, kMatchAny, 8, 0xFFFF0006, 3, false},
        {"origin high half must agree", 1, 0x00010005, kMatchAny, 1, 0x00020005, 0, false},
        {"origin both halves agree", 1, 0x00010005, kMatchAny, 1, 0x00010005, 0, true},
        {"child id, any high half", 1, kMatchAny, EventFilter(7), 1, 0, 0x00000007, true},
        {"child id differs", 2, kMatchAny, EventFilter(7), 2, 0, 0xFFFF0008, false},
        {"property id", 4, kMatchAny, EventFilter(7), 4, 0, 7, true},
        {"property id without wildcard half", 4, kMatchAny, 0x00000007, 4, 0, 7, false},
        {"change of all properties", 8, kMatchAny, 0x00000007, 8, 0, kMatchAny, true},
        {"any property", 8, kMatchAny, kMatchAny, 8, 0, 12, true},
        {"other property", 8, kMatchAny, EventFilter(7), 8, 0, 6, false},
        {"property origin still filtered", 8, 0xFFFF0002, kMatchAny, 8, 0xFFFF0001, 7, false},
    };
    for (const auto &row : cases) {
        SCOPED_TRACE(row.name);
        const CEventMapEntry entry(row.entryType, row.originFilter, row.idFilter, [] {});
        EXPECT_EQ(entry.Matches(row.type, makeData(row.originId, row.first)), row.matches);
    }
}

TEST(EventMapTest, BulkChangesFollowUpAsChangesOfAllProperties)
{
    CountingMap map;
    map.Count("begin", kEventBeginUpdate, EventFilter(1), kMatchAny);
    map.Count("before 7", kEventBeforeChange, EventFilter(1), 0x00000007);
    map.Count("before other origin", kEventBeforeChange, EventFilter(2), kMatchAny);
    map.Count("after 3", kEventAfterChange, EventFilter(1), EventFilter(3));
    map.Count("end", kEventEndUpdate, kMatchAny, kMatchAny);

    EventData begin = makeData(0xFFFF0001, 0);
    map.OnBeginUpdate(&begin);
    EXPECT_EQ(map.calls, (std::vector<std::string>{"begin", "before 7"}));
    EXPECT_EQ(begin.m_nFirst, 0u) << "the follow-up works on a copy";

    map.calls.clear();
    EventData end = makeData(0xFFFF0001, 0);
    map.OnEndUpdate(&end);
    EXPECT_EQ(map.calls, (std::vector<std::string>{"end", "after 3"}));

    map.calls.clear();
    EventData change = makeData(0xFFFF0001, 7);
    map.OnBeforeChange(&change);
    EXPECT_TRUE(map.calls.empty()) << "a direct change of 7 does not reach the filter 0x00000007";
}

TEST(EventMapTest, CallsEveryMatchingEntryInTableOrder)
{
    CountingMap map;
    map.Count("first", kEvent128, kMatchAny, EventFilter(108));
    map.Count("other id", kEvent128, kMatchAny, EventFilter(6));
    map.Count("second", kEvent128, EventFilter(100), kMatchAny);
    EventData data = makeData(0xFFFF0064, 108);
    map.OnEvent128(&data);
    EXPECT_EQ(map.calls, (std::vector<std::string>{"first", "second"}));
}

namespace {

class Target
{
public:
    void Refresh() { calls.push_back("refresh"); }
    void OnObject(void *owner) { owners.push_back(owner); }
    void OnParameter(uintptr_t parameter, void *owner)
    {
        parameters.push_back(parameter);
        owners.push_back(owner);
    }

    std::vector<std::string> calls;
    std::vector<uintptr_t> parameters;
    std::vector<void *> owners;
};

} // namespace

TEST(EventMapEntryTest, CallsMemberFunctionsWithTheArgumentsOfTheirKind)
{
    Target target;
    int origin = 0;
    const EventData data = makeData(0xFFFF0000, 0xFFFF0007, 42, &origin);

    const CEventMapEntry none(kEventAttached, kMatchAny, kMatchAny, &target, &Target::Refresh);
    const CEventMapEntry owner(kEventAttached, kMatchAny, kMatchAny, &target, &Target::OnObject);
    const CEventMapEntry both(kEventAttached, kMatchAny, kMatchAny, &target,
                              &Target::OnParameter);
    EXPECT_EQ(none.GetKind(), 0);
    EXPECT_EQ(owner.GetKind(), 1);
    EXPECT_EQ(both.GetKind(), 2);

    none.Invoke(data);
    owner.Invoke(data);
    both.Invoke(data);
    EXPECT_EQ(target.calls, std::vector<std::string>{"refresh"});
    EXPECT_EQ(target.parameters, std::vector<uintptr_t>{42});
    EXPECT_EQ(target.owners, (std::vector<void *>{&origin, &origin}));
}

TEST(EventMapTest, AnswersNotificationsClimbingAHandlerChain)
{
    int pattern = 0;
    int mask = 0;
    CEventHandler patternHandler;
    CEventHandler maskHandler;
    patternHandler.SetHandlerId(kModelHandlerId | 0, &pattern);
    maskHandler.SetHandlerId(kModelHandlerId | 1, &mask);
    patternHandler.SetParent(0, &maskHandler);

    Target target;
    CountingMap map;
    map.AddEntry(CEventMapEntry(kEventAfterChange, EventFilter(0), EventFilter(3), &target,
                                &Target::OnObject));
    maskHandler.AddListener(&map);

    patternHandler.SendAfterChange(3);
    patternHandler.SendAfterChange(4);
    maskHandler.SendAfterChange(3);
    EXPECT_EQ(target.owners, std::vector<void *>{&pattern})
        << "only property 3 of a pattern, with the pattern as the event's object";
    maskHandler.RemoveListener(&map);
}
