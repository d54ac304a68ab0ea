#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <utility>

#include "kassio/platform/foundation/RunLoop.h"

namespace kassio::platform {

class RunLoopTimer;

// The main run loop on a virtual clock: time moves only when the owner calls advance(), so every
// timer and delayed task runs at its exact due time. Tasks due at the same time run in the order
// they were scheduled (a repeating timer counts as scheduled again when it re-arms).
//
// async, asyncAfter and scheduledTimer may be called from any thread: requests go into a
// lock-free inbox and get their due time (the loop's now() + delay) when the loop thread takes
// them in, which it does before picking each task to run. Everything else belongs to the loop's
// thread.
class VirtualRunLoop final : public RunLoop {
 public:
  explicit VirtualRunLoop(Date start);
  ~VirtualRunLoop() override;
  VirtualRunLoop(const VirtualRunLoop&) = delete;
  VirtualRunLoop& operator=(const VirtualRunLoop&) = delete;

  Date now() const override { return now_; }
  void async(std::function<void()> task) override;
  // A negative delay counts as zero: the clock never runs backwards.
  void asyncAfter(TimeInterval delay, std::function<void()> task) override;
  // A repeating timer re-arms at its due time + interval, the interval raised to
  // RunLoopTimer::minimumRepeatInterval.
  std::shared_ptr<Timer> scheduledTimer(TimeInterval interval, bool repeats,
                                        std::function<void(Timer&)> block) override;

  // Runs every task due at the current time, including the ones they schedule for now.
  void runDue();
  // Moves the clock forward by `seconds` (negative counts as zero), running every task and timer
  // that falls due on the way, each with now() at its due time; ends with now() at the time of
  // the call + seconds.
  void advance(TimeInterval seconds);
  // Whether anything is still to run (invalidated timers do not count), and when the next is due.
  bool hasPendingTasks();
  std::optional<Date> nextDueDate();

 private:
  // One scheduling request in the inbox, a singly linked list pushed newest first.
  struct Request {
    TimeInterval delay;
    std::function<void()> task;
    std::shared_ptr<RunLoopTimer> timer;
    Request* next = nullptr;
  };
  struct Entry {
    std::function<void()> task;
    std::shared_ptr<RunLoopTimer> timer;  // set instead of task for a timer's firing
  };
  using Key = std::pair<Date, std::uint64_t>;  // due time, then scheduling order

  void push(TimeInterval delay, std::function<void()> task, std::shared_ptr<RunLoopTimer> timer);
  void takeInbox();
  void schedule(Date due, Entry entry);
  void runThrough(Date limit);

  Date now_;
  std::atomic<Request*> inbox_{nullptr};
  std::map<Key, Entry> queue_;
  std::uint64_t nextSequence_ = 0;
};

}  // namespace kassio::platform
