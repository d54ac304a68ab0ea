#pragma once

#include <functional>

#include "kassio/platform/foundation/RunLoop.h"

namespace kassio::platform {

// The timer both run loops hand out. The loop owns the schedule; the timer owns its block and
// validity. Like the platform's timers, it belongs to the loop's thread.
class RunLoopTimer final : public Timer {
 public:
  // A repeating timer with a smaller (or zero, negative, NaN) interval would fire without letting
  // the clock move on, so its interval is raised to this.
  static constexpr TimeInterval minimumRepeatInterval = 0.001;

  RunLoopTimer(TimeInterval interval, bool repeats, std::function<void(Timer&)> block);

  void invalidate() override;
  bool isValid() const override;

  // Delay to the first firing, and between firings of a repeating timer.
  TimeInterval interval() const { return interval_; }
  bool repeats() const { return repeats_; }

  // Called by the loop at the due time: runs the block if still valid. Returns true when the
  // timer is to fire again after interval().
  bool fire();

 private:
  TimeInterval interval_;
  bool repeats_;
  std::function<void(Timer&)> block_;
  bool valid_ = true;
  bool firing_ = false;
};

}  // namespace kassio::platform
