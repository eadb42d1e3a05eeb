// Morvane program foundation extras tests.
// Broadcasting to listeners: hooks on adding and removing, order, isolation and the lock.
#include "app/extras/EventMap.h"
#include "app/extras/ListenerList.h"

#include <functional>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

using namespace morvane;

namespace {

// Writes every hook it runs into a shared log, prefixed with its name.
class LoggingListener : public CEventMap
{
public:
    LoggingListener(std::vector<std::string> &log, std::string name)
        : m_log(log), m_name(std::move(name))
    {}

    bool OnNotify(EventRecord *record) override
    {
        m_log.push_back(m_name + " notify " + std::to_string(record->m_nKind));
        if (throwOnNotify)
            throw std::runtime_error("listener failed");
        return true;
    }
    bool Rebuild() override
    {
        m_log.push_back(m_name + " rebuild");
        return true;
    }
    void RegisterEventHandlers() override { m_log.push_back(m_name + " register"); }
    void OnListenerRemoved() override { m_log.push_back(m_name + " removed"); }
    void OnAfterChange(EventData *data) override
    {
        m_log.push_back(m_name + " after change " + std::to_string(data->m_nFirst));
        if (onAfterChange)
            onAfterChange();
    }

    bool throwOnNotify = false;
    std::function<void()> onAfterChange;

private:
    std::vector<std::string> &m_log;
    std::string m_name;
};

class ListenerListTest : public ::testing::Test
{
protected:
    void notifyAfterChange(uint32_t property)
    {
        EventData data;
        data.m_nFirst = property;
        list.Notify(kEventAfterChange, data);
    }

    std::vector<std::string> log;
    CEventHandler source;
    CListenerList list;
    LoggingListener first{log, "first"};
    LoggingListener second{log, "second"};
};

} // namespace

TEST_F(ListenerListTest, AddingBindsTheSourceRegistersAndRebuilds)
{
    list.Add(&first, source);
    EXPECT_EQ(first.GetHandler(), &source);
    EXPECT_EQ(log, (std::vector<std::string>{"first register", "first rebuild"}));
    EXPECT_EQ(list.GetCount(), 1);
}

TEST_F(ListenerListTest, TellsEachListenerInOrderGeneralHookFirst)
{
    list.Add(&first, source);
    list.Add(&second, source);
    log.clear();
    notifyAfterChange(5);
    EXPECT_EQ(log, (std::vector<std::string>{"first notify 8", "first after change 5",
                                             "second notify 8", "second after change 5"}));

    log.clear();
    EventData data;
    list.Notify(3, data);
    EXPECT_EQ(log, (std::vector<std::string>{"first notify 3", "second notify 3"}))
        << "a kind that is none of the eight reaches only the general hook";
}

TEST_F(ListenerListTest, AThrowingListenerDoesNotStopTheOthers)
{
    list.Add(&first, source);
    list.Add(&second, source);
    first.throwOnNotify = true;
    log.clear();
    notifyAfterChange(1);
    EXPECT_EQ(log, (std::vector<std::string>{"first notify 8", "second notify 8",
                                             "second after change 1"}));
    EXPECT_EQ(list.GetLockCount(), 0);
}

TEST_F(ListenerListTest, ALockedListSilencesBroadcastsAndScopedLocksUnwind)
{
    list.Add(&first, source);
    log.clear();
    EXPECT_EQ(list.Lock(), 1);
    notifyAfterChange(1);
    EXPECT_TRUE(log.empty());
    EXPECT_EQ(list.Unlock(), 0);
    EXPECT_EQ(list.Unlock(), 0) << "the count does not go below 0";

    try {
        const ListenerListLock lock(list);
        EXPECT_EQ(list.GetLockCount(), 1);
        throw std::runtime_error("failed while locked");
    } catch (const std::runtime_error &) {
    }
    EXPECT_EQ(list.GetLockCount(), 0);
    notifyAfterChange(2);
    EXPECT_EQ(log, (std::vector<std::string>{"first notify 8", "first after change 2"}));
}

TEST_F(ListenerListTest, RemovingCallsTheHookEvenForAStranger)
{
    list.Add(&first, source);
    log.clear();
    list.Remove(&second);
    list.Remove(&first);
    EXPECT_EQ(log, (std::vector<std::string>{"second removed", "first removed"}));
    EXPECT_EQ(list.GetCount(), 0);
    notifyAfterChange(1);
    EXPECT_EQ(log.size(), 2u);
}

TEST_F(ListenerListTest, AListenerRemovedDuringABroadcastHearsNoMore)
{
    LoggingListener third{log, "third"};
    list.Add(&first, source);
    list.Add(&second, source);
    list.Add(&third, source);
    first.onAfterChange = [this] { list.Remove(&second); };
    log.clear();
    notifyAfterChange(4);
    EXPECT_EQ(log, (std::vector<std::string>{"first notify 8", "first after change 4",
                                             "second removed", "third notify 8",
                                             "third after change 4"}));
    EXPECT_EQ(list.GetCount(), 2);
}
