#pragma once

#include <functional>
#include <string_view>

namespace kassio::platform {

class View;

// A screen's action: its selector name and the member function it runs, taken from one token
// by KASSIO_ACTION so the name cannot drift from the function. The member takes no argument, or
// the sender (the element that sent the action; null when sent by name without one).
template <class S>
struct ActionBinding {
  std::string_view selector;
  std::function<void(S&, View* sender)> run;
};

template <class S>
ActionBinding<S> bindAction(std::string_view selector, void (S::*member)()) {
  return {selector, [member](S& screen, View*) { (screen.*member)(); }};
}

template <class S>
ActionBinding<S> bindAction(std::string_view selector, void (S::*member)(View*)) {
  return {selector, [member](S& screen, View* sender) { (screen.*member)(sender); }};
}

}  // namespace kassio::platform

// The action whose selector is the member function's name, inside a class declared with
// KASSIO_SCREEN: `onTap(*btnDone, KASSIO_ACTION(btnDoneTapped))`.
#define KASSIO_ACTION(member) ::kassio::platform::bindAction(#member, &Self::member)
