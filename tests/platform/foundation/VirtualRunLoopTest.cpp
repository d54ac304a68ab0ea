#include "kassio/platform/foundation/VirtualRunLoop.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <thread>
#include <utility>
#include <vector>

namespace kassio::platform {
namespace {

constexpr Date start{1'796'000'000};  // 2026-11-30, a realistic magnitude for rounding

// Records what ran, and at which offset from the start.
struct Log {
  std::vector<std::pair<std::string, TimeInterval>> entries;
  VirtualRunLoop& loop;

  std::function<void()> task(std::string name) {
    return [this, name] { add(name); };
  }
  void add(const std::string& name) { entries.emplace_back(name, loop.now().timeIntervalSince(start)); }
  std::vector<std::string> names() const {
    std::vector<std::string> names;
    for (const auto& entry : entries) names.push_back(entry.first);
    return names;
  }
};

TEST(VirtualRunLoop, RunDueKeepsSchedulingOrderAndRunsTasksPostedForNow) {
  VirtualRunLoop loop(start);
  Log log{{}, loop};
  loop.async([&] {
    log.add("a");
    loop.async(log.task("a.async"));
    loop.asyncAfter(0, log.task("a.after0"));
    loop.asyncAfter(1, log.task("a.later"));
  });
  loop.asyncAfter(0, log.task("b"));
  loop.asyncAfter(-5, log.task("c.negative"));  // counts as now, not as overdue
  loop.async(log.task("d"));
  loop.asyncAfter(0.5, log.task("e.later"));

  loop.runDue();

  EXPECT_EQ(log.names(),
            (std::vector<std::string>{"a", "b", "c.negative", "d", "a.async", "a.after0"}));
  EXPECT_EQ(loop.now(), start);
  EXPECT_EQ(loop.nextDueDate(), start.addingTimeInterval(0.5));
}

TEST(VirtualRunLoop, AdvanceRunsEachTaskAtItsDueTimeAndEndsAtTheTarget) {
  VirtualRunLoop loop(start);
  Log log{{}, loop};
  loop.asyncAfter(3, log.task("3"));
  loop.asyncAfter(1, [&] {
    log.add("1");
    loop.asyncAfter(1, log.task("1+1"));   // lands inside the window: runs in this advance
    loop.asyncAfter(10, log.task("1+10"));  // beyond it: stays pending
  });
  loop.asyncAfter(2, log.task("2a"));
  loop.asyncAfter(2, log.task("2b"));
  loop.asyncAfter(5, log.task("5"));  // exactly at the target
  loop.asyncAfter(5.5, log.task("5.5"));

  loop.advance(5);

  using Entries = std::vector<std::pair<std::string, TimeInterval>>;
  EXPECT_EQ(log.entries, (Entries{{"1", 1}, {"2a", 2}, {"2b", 2}, {"1+1", 2}, {"3", 3}, {"5", 5}}));
  EXPECT_EQ(loop.now(), start.addingTimeInterval(5));
  EXPECT_EQ(loop.nextDueDate(), start.addingTimeInterval(5.5));

  loop.advance(-1);  // the clock never goes back
  EXPECT_EQ(loop.now(), start.addingTimeInterval(5));
  loop.advance(20);
  EXPECT_EQ(log.names().back(), "1+10");
  EXPECT_FALSE(loop.hasPendingTasks());
  EXPECT_EQ(loop.nextDueDate(), std::nullopt);
}

TEST(VirtualRunLoop, RepeatingTimerFiresOnCadenceBetweenTasksUntilItInvalidatesItself) {
  VirtualRunLoop loop(start);
  Log log{{}, loop};
  int fired = 0;
  auto timer = loop.scheduledTimer(1, true, [&](Timer& self) {
    log.add("tick");
    if (++fired == 3) self.invalidate();
  });
  loop.asyncAfter(1.5, log.task("task"));

  loop.advance(2.5);
  using Entries = std::vector<std::pair<std::string, TimeInterval>>;
  EXPECT_EQ(log.entries, (Entries{{"tick", 1}, {"task", 1.5}, {"tick", 2}}));
  EXPECT_TRUE(timer->isValid());

  loop.advance(10);
  EXPECT_EQ(fired, 3);
  EXPECT_FALSE(timer->isValid());
  EXPECT_FALSE(loop.hasPendingTasks());
}

TEST(VirtualRunLoop, OneShotTimerFiresOnceAndInvalidatedTimersNeverFire) {
  VirtualRunLoop loop(start);
  int oneShot = 0;
  bool validWhileFiring = false;
  std::shared_ptr<Timer> once;
  once = loop.scheduledTimer(2, false, [&](Timer& self) {
    ++oneShot;
    validWhileFiring = self.isValid();
  });
  auto captured = std::make_shared<int>(0);
  std::weak_ptr<int> capturedWatch = captured;
  int cancelled = 0;
  auto cancel = loop.scheduledTimer(1, true, [&cancelled, captured](Timer&) { ++cancelled; });
  captured.reset();

  cancel->invalidate();  // from outside, before it ever fires
  EXPECT_TRUE(capturedWatch.expired()) << "invalidating must release what the block holds";
  loop.advance(5);

  EXPECT_EQ(oneShot, 1);
  EXPECT_TRUE(validWhileFiring);
  EXPECT_FALSE(once->isValid());
  EXPECT_EQ(cancelled, 0);
  EXPECT_FALSE(loop.hasPendingTasks());
}

TEST(VirtualRunLoop, InvalidatedTimerDoesNotCountAsPending) {
  VirtualRunLoop loop(start);
  auto timer = loop.scheduledTimer(3, true, [](Timer&) {});
  loop.asyncAfter(10, [] {});
  EXPECT_EQ(loop.nextDueDate(), start.addingTimeInterval(3));
  timer->invalidate();
  EXPECT_EQ(loop.nextDueDate(), start.addingTimeInterval(10));
}

TEST(VirtualRunLoop, RepeatingTimerWithoutPositiveIntervalIsClampedInsteadOfSpinning) {
  for (TimeInterval interval : {0.0, -1.0, 0.0001}) {
    VirtualRunLoop loop(start);
    int fired = 0;
    auto timer = loop.scheduledTimer(interval, true, [&](Timer&) { ++fired; });
    loop.runDue();
    EXPECT_EQ(fired, 0) << interval;
    loop.advance(0.0105);
    EXPECT_EQ(fired, 10) << interval;  // every RunLoopTimer::minimumRepeatInterval
    timer->invalidate();
  }
}

TEST(VirtualRunLoop, TasksPostedFromOtherThreadsRunOnRunDueInEachThreadsOrder) {
  VirtualRunLoop loop(start);
  constexpr int threads = 4;
  constexpr int perThread = 500;
  std::vector<std::vector<int>> seen(threads);
  std::vector<std::thread> workers;
  for (int t = 0; t < threads; ++t) {
    workers.emplace_back([&, t] {
      for (int i = 0; i < perThread; ++i) loop.async([&seen, t, i] { seen[t].push_back(i); });
    });
  }
  for (auto& worker : workers) worker.join();

  EXPECT_TRUE(loop.hasPendingTasks());
  loop.runDue();

  for (int t = 0; t < threads; ++t) {
    ASSERT_EQ(seen[t].size(), static_cast<std::size_t>(perThread));
    for (int i = 0; i < perThread; ++i) EXPECT_EQ(seen[t][i], i);
  }
  EXPECT_FALSE(loop.hasPendingTasks());
}

}  // namespace
}  // namespace kassio::platform
