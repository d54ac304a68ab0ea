#pragma once

#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>

namespace kassio::platform {

// A typed outlet: a weak reference from a screen (or a compound element) into the element tree
// it owns, declared once under its outlet name and connected once when the tree is built.
//
//   KASSIO_OUTLET(Label, titleLabel);        // the member `titleLabel`, outlet name "titleLabel"
//   ...
//   add(titleLabel, card, label({.lines = 0}));   // in loadView(): placed and connected
//   titleLabel->setText("Paid");                  // anywhere after
//
// Using an outlet before it is connected, or after its element is gone, is a programming error
// and throws std::logic_error naming the outlet.
template <class T>
class Outlet {
 public:
  using Element = T;

  explicit constexpr Outlet(std::string_view name) : name_(name) {}
  Outlet(const Outlet&) = delete;
  Outlet& operator=(const Outlet&) = delete;

  std::string_view name() const { return name_; }

  T* operator->() const { return &get(); }
  T& operator*() const { return get(); }
  // The element, shared; null when not connected or gone.
  std::shared_ptr<T> lock() const { return element_.lock(); }
  explicit operator bool() const { return !element_.expired(); }

  // Connection is done by the owner's registry (OutletRegistry::place).
  void bind(const std::shared_ptr<T>& element) { element_ = element; }

 private:
  T& get() const {
    T* element = element_.lock().get();
    if (!element) throw std::logic_error("outlet " + std::string(name_) + " is not connected");
    return *element;
  }

  std::string_view name_;
  std::weak_ptr<T> element_;
};

}  // namespace kassio::platform

// Declares an outlet member whose outlet name is the member's own name.
#define KASSIO_OUTLET(Type, member) ::kassio::platform::Outlet<Type> member { #member }
