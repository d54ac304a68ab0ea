#include "kassio/platform/foundation/Subscription.h"

#include <utility>

#include "kassio/platform/foundation/Platform.h"

namespace kassio::platform {

Subscription::Subscription(std::weak_ptr<NotificationCenter> center, ObserverToken token)
    : center_(std::move(center)), token_(token) {}

Subscription::Subscription(Subscription&& other) noexcept
    : center_(std::move(other.center_)), token_(std::exchange(other.token_, std::nullopt)) {}

Subscription& Subscription::operator=(Subscription&& other) noexcept {
  if (this != &other) {
    cancel();
    center_ = std::move(other.center_);
    token_ = std::exchange(other.token_, std::nullopt);
  }
  return *this;
}

void Subscription::cancel() {
  if (!token_) return;
  if (auto center = center_.lock()) center->removeObserver(*token_);
  token_.reset();
  center_.reset();
}

Subscription subscribe(const std::shared_ptr<NotificationCenter>& center, std::string name,
                       NotificationCenter::Observer observer) {
  if (!center) return {};
  return {center, center->addObserver(std::move(name), std::move(observer))};
}

Subscription observe(std::string name, NotificationCenter::Observer observer) {
  return subscribe(Platform::current().notificationCenter, std::move(name), std::move(observer));
}

}  // namespace kassio::platform
