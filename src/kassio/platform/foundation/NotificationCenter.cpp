#include "kassio/platform/foundation/NotificationCenter.h"

#include <utility>
#include <vector>

namespace kassio::platform {

ObserverToken NotificationCenter::addObserver(std::string name, Observer observer) {
  std::uint64_t token = nextToken_++;
  registrations_.emplace(
      token, Registration{std::move(name), std::make_shared<Observer>(std::move(observer))});
  return ObserverToken{token};
}

void NotificationCenter::removeObserver(ObserverToken token) {
  registrations_.erase(static_cast<std::uint64_t>(token));
}

void NotificationCenter::post(const Notification& notification) {
  // Observers may add and remove registrations while we deliver: walk a snapshot taken now, and
  // skip any entry removed since.
  std::vector<std::pair<std::uint64_t, std::shared_ptr<Observer>>> recipients;
  for (const auto& [token, registration] : registrations_) {
    if (registration.name.empty() || registration.name == notification.name) {
      recipients.emplace_back(token, registration.observer);
    }
  }
  for (const auto& [token, observer] : recipients) {
    if (registrations_.contains(token) && *observer) (*observer)(notification);
  }
}

void NotificationCenter::post(std::string name, std::any object,
                              std::map<std::string, std::any> userInfo) {
  post(Notification{std::move(name), std::move(object), std::move(userInfo)});
}

}  // namespace kassio::platform
