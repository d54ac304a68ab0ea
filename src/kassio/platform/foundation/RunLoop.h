#pragma once

#include <functional>
#include <memory>

#include "kassio/platform/foundation/Date.h"

namespace kassio::platform {

// A repeating or one-shot timer on the main run loop.
class Timer {
 public:
  virtual ~Timer() = default;
  virtual void invalidate() = 0;
  virtual bool isValid() const = 0;
};

// The main run loop: every module callback runs on it. The module reads the current time only
// from here, so a virtual clock holds in every date the module writes.
class RunLoop {
 public:
  virtual ~RunLoop() = default;

  virtual Date now() const = 0;
  // Runs the task on the loop after the tasks already queued. Safe to call from any thread.
  virtual void async(std::function<void()> task) = 0;
  virtual void asyncAfter(TimeInterval delay, std::function<void()> task) = 0;
  // The block gets the timer, so it can invalidate itself. Keep the returned timer to invalidate
  // it later; the loop keeps it alive until it is invalidated (or has fired once, if not repeating).
  virtual std::shared_ptr<Timer> scheduledTimer(TimeInterval interval, bool repeats,
                                                std::function<void(Timer&)> block) = 0;
};

}  // namespace kassio::platform
