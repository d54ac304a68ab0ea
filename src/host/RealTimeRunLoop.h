#pragma once

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <utility>

#include "kassio/platform/foundation/RunLoop.h"

namespace kassio::platform {
class RunLoopTimer;
}

namespace kassio::host {

// The main run loop on the wall clock, for the simulator. now() is the system clock; delays are
// measured on the steady clock, so a clock change does not move due tasks. The thread that calls
// run() is the loop's thread: async and asyncAfter may be called from any thread (network
// completions), timers belong to the loop's thread. Tasks due at the same time run in the order
// they were scheduled.
class RealTimeRunLoop final : public platform::RunLoop {
 public:
  platform::Date now() const override;
  void async(std::function<void()> task) override;
  void asyncAfter(platform::TimeInterval delay, std::function<void()> task) override;
  // A repeating timer keeps its cadence from its scheduled firing times and skips firings it
  // missed while the loop was busy; its interval is raised to RunLoopTimer::minimumRepeatInterval.
  std::shared_ptr<platform::Timer> scheduledTimer(
      platform::TimeInterval interval, bool repeats,
      std::function<void(platform::Timer&)> block) override;

  // Runs tasks as they fall due until stop() (from any thread, or from a task). A stop requested
  // before run() ends the next run at once.
  void run();
  void stop();
  // For tests: run for this long, or until the predicate (checked on this thread before and
  // after every task) holds. runUntil returns the predicate's last value; both also return early
  // on stop().
  void runFor(platform::TimeInterval seconds);
  bool runUntil(const std::function<bool()>& predicate, platform::TimeInterval timeout);

 private:
  using Clock = std::chrono::steady_clock;
  struct Entry {
    std::function<void()> task;
    std::shared_ptr<platform::RunLoopTimer> timer;  // set instead of task for a timer's firing
  };
  using Key = std::pair<Clock::time_point, std::uint64_t>;  // due time, then scheduling order

  void schedule(Clock::time_point due, Entry entry);
  // Waits until a task is due (running it and returning true), or until `deadline` or a stop
  // request (returning false).
  bool runNext(Clock::time_point deadline);

  std::mutex mutex_;
  std::condition_variable wake_;
  std::map<Key, Entry> queue_;
  std::uint64_t nextSequence_ = 0;
  bool stopRequested_ = false;
};

}  // namespace kassio::host
