#pragma once

#include <memory>
#include <type_traits>
#include <utility>

namespace kassio::platform {

// A completion that holds its owner weakly: it calls the owner's member function (or a body
// given the owner) with the completion's arguments while the owner lives, and does nothing once
// it has gone. Screens hand these to requests, timers and presentations so that a screen closed
// before the answer arrives is neither kept alive nor called.
//
//   service.fetch(weakly(this, &PaymentVC::didFetch));
//   loop.asyncAfter(5, weakly(this, [](PaymentVC& screen) { screen.scrollBanner(); }));
template <class Owner, class Body>
auto weakly(Owner* owner, Body body) {
  std::weak_ptr<Owner> weak = std::static_pointer_cast<Owner>(owner->shared_from_this());
  return [weak = std::move(weak), body = std::move(body)](auto&&... args) {
    auto strong = weak.lock();
    if (!strong) return;
    if constexpr (std::is_member_function_pointer_v<Body>) {
      ((*strong).*body)(std::forward<decltype(args)>(args)...);
    } else {
      body(*strong, std::forward<decltype(args)>(args)...);
    }
  };
}

}  // namespace kassio::platform
