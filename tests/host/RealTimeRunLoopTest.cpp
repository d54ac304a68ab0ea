#include "host/RealTimeRunLoop.h"

#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <thread>
#include <vector>

namespace kassio::host {
namespace {

using Clock = std::chrono::steady_clock;
constexpr platform::TimeInterval generousTimeout = 10;

TEST(RealTimeRunLoop, DelayedTaskRunsNoSoonerThanItsDelay) {
  RealTimeRunLoop loop;
  auto scheduled = Clock::now();
  auto beforeWall = loop.now();
  Clock::time_point ran{};
  platform::Date ranWall{};
  loop.asyncAfter(0.05, [&] {
    ran = Clock::now();
    ranWall = loop.now();
  });

  ASSERT_TRUE(loop.runUntil([&] { return ran != Clock::time_point{}; }, generousTimeout));
  EXPECT_GE(ran - scheduled, std::chrono::milliseconds(50));
  EXPECT_GE(ranWall, beforeWall);
}

TEST(RealTimeRunLoop, RunsTasksInDueOrderAndAsyncFromAnotherThreadWakesIt) {
  RealTimeRunLoop loop;
  std::vector<std::string> calls;
  loop.asyncAfter(0.03, [&] { calls.push_back("later"); });
  loop.async([&] { calls.push_back("first"); });
  loop.async([&] { calls.push_back("second"); });
  std::thread worker([&] {
    std::this_thread::sleep_for(std::chrono::milliseconds(60));
    loop.async([&] {
      calls.push_back("from worker");
      loop.stop();
    });
  });

  loop.run();  // returns only through the worker's stop
  worker.join();

  EXPECT_EQ(calls, (std::vector<std::string>{"first", "second", "later", "from worker"}));
}

TEST(RealTimeRunLoop, RepeatingTimerFiresUntilItInvalidatesItself) {
  RealTimeRunLoop loop;
  int fired = 0;
  auto scheduled = Clock::now();
  auto timer = loop.scheduledTimer(0.01, true, [&](platform::Timer& self) {
    if (++fired == 3) self.invalidate();
  });

  ASSERT_TRUE(loop.runUntil([&] { return fired == 3; }, generousTimeout));
  EXPECT_GE(Clock::now() - scheduled, std::chrono::milliseconds(30));
  EXPECT_FALSE(timer->isValid());
  loop.runFor(0.03);
  EXPECT_EQ(fired, 3);
}

TEST(RealTimeRunLoop, StopRequestedBeforeRunEndsItAtOnce) {
  RealTimeRunLoop loop;
  bool ran = false;
  loop.asyncAfter(generousTimeout, [&] { ran = true; });
  loop.stop();
  loop.run();
  EXPECT_FALSE(ran);
}

}  // namespace
}  // namespace kassio::host
