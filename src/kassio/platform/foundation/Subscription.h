#pragma once

#include <memory>
#include <optional>
#include <string>

#include "kassio/platform/foundation/NotificationCenter.h"

namespace kassio::platform {

// One notification observer, removed when the subscription ends (destroyed, reassigned or
// cancelled). A screen keeps its subscriptions as members, so its observers end with it.
class [[nodiscard]] Subscription {
 public:
  Subscription() = default;
  Subscription(std::weak_ptr<NotificationCenter> center, ObserverToken token);
  Subscription(Subscription&& other) noexcept;
  Subscription& operator=(Subscription&& other) noexcept;
  Subscription(const Subscription&) = delete;
  Subscription& operator=(const Subscription&) = delete;
  ~Subscription() { cancel(); }

  void cancel();
  bool isActive() const { return !center_.expired() && token_.has_value(); }

 private:
  std::weak_ptr<NotificationCenter> center_;
  std::optional<ObserverToken> token_;
};

// Observes `name` (every notification when empty) on `center` for as long as the result lives.
[[nodiscard]] Subscription subscribe(const std::shared_ptr<NotificationCenter>& center, std::string name,
                                     NotificationCenter::Observer observer);
// The same on the platform's notification centre; an inactive subscription when none is installed.
[[nodiscard]] Subscription observe(std::string name, NotificationCenter::Observer observer);

}  // namespace kassio::platform
