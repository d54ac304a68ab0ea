#pragma once

#include <any>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>

#include "kassio/platform/foundation/Notification.h"

namespace kassio::platform {

// Identifies one observer registration, for removeObserver.
enum class ObserverToken : std::uint64_t {};

// The in-process notification centre. Delivery is synchronous, on the caller's thread (the main
// loop), to the observers in the order they registered. An observer removed while a
// notification is being delivered is not called after its removal; one added meanwhile hears
// only later notifications. An observer may post again; that nested post is delivered in full
// before the outer one goes on.
class NotificationCenter {
 public:
  using Observer = std::function<void(const Notification&)>;

  // An empty name observes every notification.
  ObserverToken addObserver(std::string name, Observer observer);
  // Unknown or already removed tokens are ignored.
  void removeObserver(ObserverToken token);

  void post(const Notification& notification);
  void post(std::string name, std::any object = {}, std::map<std::string, std::any> userInfo = {});

 private:
  struct Registration {
    std::string name;
    std::shared_ptr<Observer> observer;  // shared so removal during its own call is safe
  };

  std::map<std::uint64_t, Registration> registrations_;  // by token, i.e. registration order
  std::uint64_t nextToken_ = 1;
};

}  // namespace kassio::platform
