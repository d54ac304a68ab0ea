#pragma once

#include <memory>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

#include "kassio/platform/ui/LayoutConstraint.h"
#include "kassio/platform/ui/Outlet.h"
#include "kassio/platform/ui/View.h"

namespace kassio::platform {

// Outlets by name, in the order they were connected: the weak references a screen or a compound
// element keeps into the tree it owns, findable by hosts, the driver and tests.
class OutletRegistry {
 public:
  // Connects a view under a name (also written into the view's `name`); a later connection
  // under the same name replaces the earlier one.
  void connect(const std::string& outletName, const std::shared_ptr<View>& view);
  void connect(const std::string& outletName, const std::shared_ptr<LayoutConstraint>& constraint);

  std::shared_ptr<View> view(const std::string& outletName) const;
  std::shared_ptr<LayoutConstraint> constraint(const std::string& outletName) const;
  template <class T>
  std::shared_ptr<T> get(const std::string& outletName) const {
    return std::dynamic_pointer_cast<T>(view(outletName));
  }
  // Adds `element` to `parent` and connects it under the outlet's name, binding the outlet.
  template <class T, class E>
  E& place(Outlet<T>& outlet, View& parent, std::shared_ptr<E> element) {
    static_assert(std::is_base_of_v<T, E>, "the element must be of the outlet's type");
    parent.addSubview(element);
    connect(std::string(outlet.name()), element);
    outlet.bind(element);
    return *element;
  }
  // A constraint is not part of the element tree: the registry keeps it alive.
  LayoutConstraint& place(Outlet<LayoutConstraint>& outlet, std::shared_ptr<LayoutConstraint> constraint) {
    connect(std::string(outlet.name()), constraint);
    outlet.bind(constraint);
    ownedConstraints_.push_back(constraint);
    return *constraint;
  }

  // Outlet names in connection order.
  std::vector<std::string> names() const;

  // Every outlet described under its name: {"titleLabel":{...}, ...}. Compound elements nest
  // their own outlets under "elements".
  nlohmann::ordered_json describe() const;

 private:
  struct Entry {
    std::string name;
    std::weak_ptr<View> view;
    std::weak_ptr<LayoutConstraint> constraint;
  };
  Entry* find(const std::string& outletName);
  const Entry* find(const std::string& outletName) const;
  std::vector<Entry> entries_;
  std::vector<std::shared_ptr<LayoutConstraint>> ownedConstraints_;
};

// Describes one element for a dump, its own outlets included when it is compound.
nlohmann::ordered_json describeElement(View& view);

}  // namespace kassio::platform
