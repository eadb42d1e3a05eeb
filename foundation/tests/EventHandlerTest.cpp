// Morvane foundation library tests.
// Events climbing handler chains: paths, locks, root events, links and listener dispatch.
#include "foundation/EventHandler.h"
#include "foundation/EventSink.h"

#include <array>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

using namespace morvane;

namespace {

// What a listener saw of one event, copied while the record was alive.
struct SeenEvent
{
    uint32_t kind = 0;
    uint32_t first = 0;
    uintptr_t second = 0;
    uint32_t hops = 0;
    std::vector<uint32_t> ids;
    std::vector<void *> owners;
};

class RecordingSink : public CEventSink
{
public:
    void OnEvent(CEventHandler *sender, EventRecord *record) override
    {
        SeenEvent seen;
        seen.kind = record->m_nKind;
        seen.first = record->m_pData->m_nFirst;
        seen.second = record->m_pData->m_nSecond;
        seen.hops = record->m_pData->m_nHopCount;
        seen.ids.assign(record->m_pData->m_aIds, record->m_pData->m_aIds + seen.hops);
        seen.owners.assign(record->m_pData->m_aOwners, record->m_pData->m_aOwners + seen.hops);
        events.push_back(seen);
        CEventSink::OnEvent(sender, record);
    }

    std::vector<SeenEvent> events;
};

class RootCountingHandler : public CEventHandler
{
public:
    void OnRootEvent(EventRecord *record) override
    {
        ++rootEvents;
        lastRootHops = record->m_pData->m_nHopCount;
    }

    int rootEvents = 0;
    uint32_t lastRootHops = 0;
};

// Four handlers chained from the lowest (0) to the top (3), each with its own owner and a
// listener.
class EventChainTest : public ::testing::Test
{
protected:
    EventChainTest()
    {
        for (uint32_t i = 0; i < 4; ++i) {
            handlers[i].SetHandlerId(kModelHandlerId | (10 + i), &owners[i]);
            handlers[i].AddListener(&sinks[i]);
            if (i > 0)
                handlers[i - 1].SetParent(0, &handlers[i]);
        }
        // Forget what the linking itself announced.
        for (auto &sink : sinks)
            sink.events.clear();
        for (auto &handler : handlers)
            handler.rootEvents = 0;
    }

    int rootEvents() const
    {
        int total = 0;
        for (const auto &handler : handlers)
            total += handler.rootEvents;
        return total;
    }

    std::array<int, 4> owners{};
    std::array<RootCountingHandler, 4> handlers;
    std::array<RecordingSink, 4> sinks;
};

} // namespace

TEST_F(EventChainTest, EventFromTheLowestReachesTheTopWithItsPath)
{
    handlers[0].SendAfterChange(3);

    for (size_t i = 0; i < 4; ++i) {
        SCOPED_TRACE(i);
        ASSERT_EQ(sinks[i].events.size(), 1u);
        EXPECT_EQ(sinks[i].events[0].hops, i + 1) << "each listener sees the hops so far";
    }
    const SeenEvent &top = sinks[3].events[0];
    EXPECT_EQ(top.kind, kEventAfterChange);
    EXPECT_EQ(top.first, 3u);
    EXPECT_EQ(top.hops, 4u);
    EXPECT_EQ(top.ids, (std::vector<uint32_t>{0xFFFF000A, 0xFFFF000B, 0xFFFF000C, 0xFFFF000D}));
    EXPECT_EQ(top.owners[0], &owners[0]);
    EXPECT_EQ(top.owners[3], &owners[3]);
    EXPECT_EQ(handlers[3].rootEvents, 1);
    EXPECT_EQ(handlers[3].lastRootHops, 4u);
    EXPECT_EQ(rootEvents(), 1);
}

TEST_F(EventChainTest, LockedAncestorStopsTheClimbWithoutRootEvent)
{
    handlers[2].LockEvents();
    handlers[0].SendBeforeChange(-1);

    EXPECT_EQ(sinks[0].events.size(), 1u);
    ASSERT_EQ(sinks[1].events.size(), 1u);
    EXPECT_EQ(sinks[1].events[0].first, 0xFFFFFFFFu) << "property -1 travels as all bits set";
    EXPECT_TRUE(sinks[2].events.empty());
    EXPECT_TRUE(sinks[3].events.empty());
    EXPECT_EQ(rootEvents(), 0);

    handlers[2].SendEndUpdate();
    EXPECT_TRUE(sinks[2].events.empty()) << "a locked handler does not even reach its own";
    EXPECT_EQ(rootEvents(), 0);
}

TEST_F(EventChainTest, LockCountOpensAfterTheLastUnlock)
{
    RootCountingHandler &top = handlers[3];
    RecordingSink &sink = sinks[3];
    EXPECT_EQ(top.LockEvents(), 1);
    EXPECT_EQ(top.LockEvents(), 2);

    const struct {
        const char *name;
        int expectedCount;
        size_t eventsAfterSend;
    } steps[] = {
        {"first unlock", 1, 0},
        {"second unlock", 0, 1},
        {"unlock at zero", 0, 2},
    };
    for (const auto &step : steps) {
        SCOPED_TRACE(step.name);
        EXPECT_EQ(top.UnlockEvents(), step.expectedCount);
        top.SendBeginUpdate();
        EXPECT_EQ(sink.events.size(), step.eventsAfterSend);
    }
    EXPECT_EQ(top.rootEvents, 2) << "a handler without parent is its own root";
}

TEST_F(EventChainTest, LinkingAndUnlinkingAnnounceFromTheParent)
{
    RootCountingHandler child;
    int childOwner = 0;
    child.SetHandlerId(kModelHandlerId | 7, &childOwner);
    RecordingSink childSink;
    child.AddListener(&childSink);

    const uintptr_t object = reinterpret_cast<uintptr_t>(&child);
    child.SetParent(object, &handlers[2]);
    EXPECT_EQ(child.GetParent(), &handlers[2]);
    EXPECT_TRUE(childSink.events.empty()) << "the child's own listeners do not see it";
    ASSERT_EQ(sinks[3].events.size(), 1u);
    EXPECT_EQ(sinks[3].events[0].kind, kEventAttached);
    EXPECT_EQ(sinks[3].events[0].first, kModelHandlerId | 7);
    EXPECT_EQ(sinks[3].events[0].second, object);
    EXPECT_EQ(sinks[3].events[0].ids[0], handlers[2].GetHandlerId());

    child.DetachParent();
    EXPECT_EQ(child.GetParent(), nullptr);
    ASSERT_EQ(sinks[2].events.size(), 2u);
    EXPECT_EQ(sinks[2].events[1].kind, kEventDetached);
    EXPECT_EQ(sinks[2].events[1].second, reinterpret_cast<uintptr_t>(&childOwner));

    child.DetachParent();
    child.SetParent(object, &handlers[2]);
    child.SetParent(object, nullptr);
    EXPECT_EQ(child.GetParent(), nullptr);
    EXPECT_EQ(sinks[2].events.size(), 3u) << "neither a second detach nor a null parent sends";
}

TEST_F(EventChainTest, ArgumentsCarryFullWidthPointers)
{
    const uintptr_t wide = static_cast<uintptr_t>(0x12345678ABCDEF01ull & UINTPTR_MAX);
    handlers[1].SendEvent64(64, wide);
    handlers[1].SendEvent128(128, wide);
    handlers[1].SendAttached(5, wide);
    handlers[1].SendDetached(6, wide);
    const auto &events = sinks[3].events;
    ASSERT_EQ(events.size(), 4u);
    const uint32_t kinds[] = {kEvent64, kEvent128, kEventAttached, kEventDetached};
    const uint32_t firsts[] = {64, 128, 5, 6};
    for (size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(events[i].kind, kinds[i]);
        EXPECT_EQ(events[i].first, firsts[i]);
        EXPECT_EQ(events[i].second, wide);
        EXPECT_EQ(events[i].hops, 3u);
    }
}

TEST(EventHandlerTest, PathStopsRecordingAtItsLengthButTheEventClimbsOn)
{
    std::vector<std::unique_ptr<RootCountingHandler>> chain;
    for (uint32_t i = 0; i < kEventPathLength + 8; ++i) {
        chain.push_back(std::make_unique<RootCountingHandler>());
        chain.back()->SetHandlerId(i, nullptr);
        if (i > 0)
            chain[i - 1]->SetParent(0, chain[i].get());
    }
    RecordingSink top;
    chain.back()->AddListener(&top);
    chain.back()->rootEvents = 0;

    chain.front()->SendAfterChange(0);
    ASSERT_EQ(top.events.size(), 1u);
    EXPECT_EQ(top.events[0].hops, kEventPathLength);
    EXPECT_EQ(top.events[0].ids.front(), 0u);
    EXPECT_EQ(top.events[0].ids.back(), kEventPathLength - 1);
    EXPECT_EQ(chain.back()->rootEvents, 1);
}

namespace {

// The first time it hears an event: sends once more from the handler when asked to, adds a
// listener, removes another, and leaves the handler itself when asked to.
class ChangingSink : public CEventSink
{
public:
    ChangingSink(CEventHandler &handler, CEventSink *toAdd, CEventSink *toRemove,
                 bool leave = false, bool sendAgain = false)
        : m_handler(handler), m_toAdd(toAdd), m_toRemove(toRemove), m_leave(leave),
          m_sendAgain(sendAgain)
    {}

    void OnAfterChange(EventData *) override
    {
        ++heard;
        if (heard > 1)
            return;
        if (m_sendAgain)
            m_handler.SendAfterChange(9);
        if (m_toAdd != nullptr)
            m_handler.AddListener(m_toAdd);
        if (m_toRemove != nullptr)
            m_handler.RemoveListener(m_toRemove);
        if (m_leave)
            m_handler.RemoveListener(this);
    }

    int heard = 0;

private:
    CEventHandler &m_handler;
    CEventSink *m_toAdd;
    CEventSink *m_toRemove;
    bool m_leave;
    bool m_sendAgain;
};

} // namespace

TEST(EventHandlerTest, ListenersChangedDuringASendTakeEffectAtOnce)
{
    CEventHandler handler;
    RecordingSink late;
    RecordingSink removed;
    RecordingSink last;
    ChangingSink changer(handler, &late, &removed);
    handler.AddListener(&changer);
    handler.AddListener(&removed);
    handler.AddListener(&last);
    handler.RemoveListener(&late);

    handler.SendAfterChange(1);
    EXPECT_EQ(changer.heard, 1);
    EXPECT_TRUE(removed.events.empty()) << "removed before its turn";
    EXPECT_EQ(last.events.size(), 1u) << "the rest shifted, none skipped";
    EXPECT_EQ(late.events.size(), 1u) << "added during the send, called in it";
}

TEST(EventHandlerTest, ListenersLeavingDuringASendMakeNoOtherMissIt)
{
    CEventHandler handler;
    RecordingSink first;
    RecordingSink last;
    ChangingSink leaving(handler, nullptr, &first, true);
    handler.AddListener(&first);
    handler.AddListener(&leaving);
    handler.AddListener(&last);

    handler.SendAfterChange(1);
    EXPECT_EQ(first.events.size(), 1u) << "called before it was removed";
    EXPECT_EQ(leaving.heard, 1);
    EXPECT_EQ(last.events.size(), 1u) << "the two removals before it do not skip it";
    handler.SendAfterChange(2);
    EXPECT_EQ(first.events.size(), 1u);
    EXPECT_EQ(leaving.heard, 1);
    EXPECT_EQ(last.events.size(), 2u);

    CEventHandler nesting;
    RecordingSink after;
    ChangingSink sender(nesting, nullptr, nullptr, true, true);
    nesting.AddListener(&sender);
    nesting.AddListener(&after);
    nesting.SendAfterChange(1);
    EXPECT_EQ(sender.heard, 2) << "the nested send reached it too";
    EXPECT_EQ(after.events.size(), 2u) << "both the nested and the outer send";
}

namespace {

class DispatchSink : public CEventSink
{
public:
    void OnAttached(EventData *) override { called += "attached "; }
    void OnDetached(EventData *) override { called += "detached "; }
    void OnEvent128(EventData *) override { called += "128 "; }
    void OnEvent64(EventData *) override { called += "64 "; }
    void OnBeforeChange(EventData *) override { called += "before "; }
    void OnAfterChange(EventData *) override { called += "after "; }
    void OnBeginUpdate(EventData *) override { called += "begin "; }
    void OnEndUpdate(EventData *) override { called += "end "; }

    std::string called;
};

} // namespace

TEST(EventSinkTest, DispatchesEachKindToItsHandlerAndIgnoresOthers)
{
    const struct {
        uint32_t kind;
        const char *handler;
    } cases[] = {
        {1, "attached "}, {2, "detached "}, {4, "before "}, {8, "after "}, {16, "begin "},
        {32, "end "},     {64, "64 "},      {128, "128 "}, {0, ""},      {3, ""},
        {256, ""},        {12, ""},
    };
    CEventHandler handler;
    for (const auto &row : cases) {
        SCOPED_TRACE(row.kind);
        DispatchSink sink;
        EventData data;
        EventRecord record{row.kind, &data};
        sink.OnEvent(&handler, &record);
        EXPECT_EQ(sink.called, row.handler);
    }
}

TEST(EventSinkTest, AttachSinkOnlyBindsTheHandler)
{
    CEventHandler handler;
    RecordingSink sink;
    EXPECT_EQ(sink.GetHandler(), nullptr);
    handler.AttachSink(sink);
    EXPECT_EQ(sink.GetHandler(), &handler);
    handler.SendAfterChange(0);
    EXPECT_TRUE(sink.events.empty()) << "binding registers no listener";
}
