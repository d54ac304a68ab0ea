#include "kassio/platform/foundation/RunLoopTimer.h"

#include <algorithm>
#include <utility>

namespace kassio::platform {

RunLoopTimer::RunLoopTimer(TimeInterval interval, bool repeats, std::function<void(Timer&)> block)
    : interval_(repeats ? std::max(minimumRepeatInterval, interval) : std::max(0.0, interval)),
      repeats_(repeats),
      block_(std::move(block)) {}

void RunLoopTimer::invalidate() {
  valid_ = false;
  // Release what the block holds now, as the platform does; a block that invalidates its own
  // timer is still running and is released when it returns.
  if (!firing_) block_ = nullptr;
}

bool RunLoopTimer::isValid() const { return valid_; }

bool RunLoopTimer::fire() {
  if (!valid_) return false;
  struct Finish {
    RunLoopTimer& timer;
    ~Finish() {
      timer.firing_ = false;
      if (!timer.repeats_) timer.valid_ = false;
      if (!timer.valid_) timer.block_ = nullptr;
    }
  } finish{*this};
  firing_ = true;
  if (block_) block_(*this);
  return repeats_ && valid_;
}

}  // namespace kassio::platform
