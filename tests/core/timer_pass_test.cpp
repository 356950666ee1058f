#include <vector>

#include <gtest/gtest.h>

#include "allocation_counter.h"
#include "app/timer_list.h"
#include "state/program_state.h"

namespace {

std::vector<int>& fired()
{
    static std::vector<int> calls;
    return calls;
}

void recordFire(int userData)
{
    fired().push_back(userData);
}

// Fires once and asks for a 0 ms timer that records 99.
void addAnotherTimer(int userData)
{
    fired().push_back(userData);
    addTimer(0, recordFire, 99);
}

constexpr double start = 1000.0;

class TimerPassTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        fired().clear();
        timerList = new OrlinList<TimerCallback>(true);
        lastTimerPass = start;
    }
    void TearDown() override
    {
        delete timerList;
        timerList = nullptr;
    }
};

TEST_F(TimerPassTest, ZeroDelayFiresAtTheNextPassEvenWithNoTimeElapsed)
{
    addTimer(0, recordFire, 1);
    runTimerPass(start);
    EXPECT_EQ(fired(), std::vector<int>{1});
    EXPECT_EQ(timerList->count, 0u);
}

TEST_F(TimerPassTest, FiresAtTheFirstPassThatHasChargedTheWholeDelay)
{
    addTimer(1500, recordFire, 1);
    runTimerPass(start + 0.5);
    runTimerPass(start + 1.0);
    EXPECT_TRUE(fired().empty()) << "fired with only 1 s of 1.5 s charged";
    runTimerPass(start + 1.5);
    EXPECT_EQ(fired(), std::vector<int>{1});
}

TEST_F(TimerPassTest, ALongPassFiresALateTimerOnceAndAllPendingAreChargedAlike)
{
    addTimer(300, recordFire, 3);
    addTimer(2000, recordFire, 20);
    runTimerPass(start + 1.0);
    EXPECT_EQ(fired(), std::vector<int>{3});
    runTimerPass(start + 1.75);
    EXPECT_EQ(fired(), std::vector<int>{3});
    runTimerPass(start + 2.0);
    EXPECT_EQ(fired(), (std::vector<int>{3, 20}));
    runTimerPass(start + 10.0);
    EXPECT_EQ(fired().size(), 2u);
}

TEST_F(TimerPassTest, TimersDueTogetherFireNewestFirst)
{
    addTimer(100, recordFire, 1);
    addTimer(200, recordFire, 2);
    addTimer(0, recordFire, 3);
    runTimerPass(start + 0.25);
    EXPECT_EQ(fired(), (std::vector<int>{3, 2, 1}));
}

TEST_F(TimerPassTest, ATimerAddedByACallbackWaitsForTheFollowingPass)
{
    addTimer(0, addAnotherTimer, 7);
    runTimerPass(start);
    EXPECT_EQ(fired(), std::vector<int>{7});
    EXPECT_EQ(timerList->count, 1u);
    runTimerPass(start);
    EXPECT_EQ(fired(), (std::vector<int>{7, 99}));
    EXPECT_EQ(timerList->count, 0u);
}

TEST_F(TimerPassTest, TheDelayCountsFromThePassBeforeTheTimerWasAdded)
{
    runTimerPass(start + 1.0);
    EXPECT_EQ(lastTimerPass, start + 1.0) << "an empty pass must still move the pass time";
    addTimer(500, recordFire, 1);
    runTimerPass(start + 1.25);
    EXPECT_TRUE(fired().empty());
    runTimerPass(start + 1.5);
    EXPECT_EQ(fired(), std::vector<int>{1});
}

// The millisecond count is unsigned: 2^31 ms and more are long delays.
TEST_F(TimerPassTest, HugeDelaysDoNotFireEarly)
{
    for (unsigned milliseconds : {2147483647u, 2147483648u, 4294967295u})
        addTimer(milliseconds, recordFire, 1);
    runTimerPass(start);
    runTimerPass(start + 86400.0);  // a day
    EXPECT_TRUE(fired().empty());
    EXPECT_EQ(timerList->count, 3u);
    runTimerPass(start + 5000000.0);
    EXPECT_EQ(fired().size(), 3u);
}

TEST_F(TimerPassTest, ARequestWithoutAFunctionIsDroppedWhenDue)
{
    addTimer(0, nullptr, 1);
    addTimer(0, recordFire, 2);
    runTimerPass(start);
    EXPECT_EQ(fired(), std::vector<int>{2});
    EXPECT_EQ(timerList->count, 0u);
}

TEST_F(TimerPassTest, DeletingTheListFreesPendingTimersWithoutFiringThem)
{
    delete timerList;
    const long before = liveHeapBlocks();
    timerList = new OrlinList<TimerCallback>(true);
    addTimer(0, recordFire, 1);
    addTimer(1000, recordFire, 2);
    addTimer(60000, recordFire, 3);
    const long withTimers = liveHeapBlocks();

    delete timerList;
    const long after = liveHeapBlocks();
    timerList = nullptr;

    EXPECT_EQ(withTimers - before, 1 + 3 * 2) << "the list, then a record and a node per timer";
    EXPECT_EQ(after, before);
    EXPECT_TRUE(fired().empty());
}

TEST(AddTimerWithoutList, IsIgnored)
{
    ASSERT_EQ(timerList, nullptr);
    addTimer(0, recordFire, 1);
    runTimerPass(5.0);
    EXPECT_EQ(lastTimerPass, 5.0);
}

}  // namespace
