#include "host/RealTimeRunLoop.h"

#include <algorithm>
#include <cmath>

#include "kassio/platform/foundation/RunLoopTimer.h"

namespace kassio::host {

namespace {

// Longer delays are as good as never; capping them keeps the time arithmetic from overflowing.
constexpr platform::TimeInterval maximumDelay = 1e9;

std::chrono::steady_clock::duration toDuration(platform::TimeInterval seconds) {
  seconds = std::clamp(std::isnan(seconds) ? 0.0 : seconds, 0.0, maximumDelay);
  return std::chrono::duration_cast<std::chrono::steady_clock::duration>(
      std::chrono::duration<double>(seconds));
}

}  // namespace

platform::Date RealTimeRunLoop::now() const {
  std::chrono::duration<double> sinceEpoch = std::chrono::system_clock::now().time_since_epoch();
  return platform::Date{sinceEpoch.count()};
}

void RealTimeRunLoop::async(std::function<void()> task) { asyncAfter(0, std::move(task)); }

void RealTimeRunLoop::asyncAfter(platform::TimeInterval delay, std::function<void()> task) {
  if (task) schedule(Clock::now() + toDuration(delay), Entry{std::move(task), nullptr});
}

std::shared_ptr<platform::Timer> RealTimeRunLoop::scheduledTimer(
    platform::TimeInterval interval, bool repeats, std::function<void(platform::Timer&)> block) {
  auto timer = std::make_shared<platform::RunLoopTimer>(interval, repeats, std::move(block));
  schedule(Clock::now() + toDuration(timer->interval()), Entry{nullptr, timer});
  return timer;
}

void RealTimeRunLoop::schedule(Clock::time_point due, Entry entry) {
  {
    std::lock_guard lock(mutex_);
    queue_.emplace(Key{due, nextSequence_++}, std::move(entry));
  }
  wake_.notify_one();
}

void RealTimeRunLoop::stop() {
  {
    std::lock_guard lock(mutex_);
    stopRequested_ = true;
  }
  wake_.notify_one();
}

bool RealTimeRunLoop::runNext(Clock::time_point deadline) {
  Clock::time_point due;
  Entry entry;
  {
    std::unique_lock lock(mutex_);
    for (;;) {
      if (stopRequested_) return false;
      auto now = Clock::now();
      if (!queue_.empty() && queue_.begin()->first.first <= now) break;
      if (now >= deadline) return false;
      auto wakeAt = queue_.empty() ? deadline : std::min(deadline, queue_.begin()->first.first);
      if (wakeAt == Clock::time_point::max()) {
        wake_.wait(lock);
      } else {
        wake_.wait_until(lock, wakeAt);
      }
    }
    due = queue_.begin()->first.first;
    entry = std::move(queue_.begin()->second);
    queue_.erase(queue_.begin());
  }
  // Run outside the lock: tasks schedule more work.
  if (!entry.timer) {
    entry.task();
  } else if (entry.timer->fire()) {
    auto interval = toDuration(entry.timer->interval());
    auto next = due + interval;
    if (auto now = Clock::now(); next <= now) next += ((now - next) / interval + 1) * interval;
    schedule(next, std::move(entry));
  }
  return true;
}

void RealTimeRunLoop::run() {
  while (runNext(Clock::time_point::max())) {
  }
  std::lock_guard lock(mutex_);
  stopRequested_ = false;
}

void RealTimeRunLoop::runFor(platform::TimeInterval seconds) {
  runUntil([] { return false; }, seconds);
}

bool RealTimeRunLoop::runUntil(const std::function<bool()>& predicate,
                               platform::TimeInterval timeout) {
  auto deadline = Clock::now() + toDuration(timeout);
  bool holds = predicate();
  while (!holds && runNext(deadline)) holds = predicate();
  std::lock_guard lock(mutex_);
  stopRequested_ = false;
  return holds;
}

}  // namespace kassio::host
