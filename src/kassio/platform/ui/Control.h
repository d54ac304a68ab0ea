#pragma once

#include <functional>
#include <map>
#include <vector>

#include "kassio/platform/ui/View.h"

namespace kassio::platform {

enum class ControlEvent { touchUpInside, valueChanged, editingDidBegin, editingChanged, editingDidEnd };

// A view that sends actions for events: by selector name to a target, or to a closure.
class Control : public View {
 public:
  bool enabled = true;
  bool selected = false;

  void addTarget(std::weak_ptr<ActionTarget> target, std::string selector, ControlEvent event);
  void addAction(ControlEvent event, std::function<void(Control&)> action);
  void removeAllTargets();
  // Selector names attached for the event, in order.
  std::vector<std::string> selectors(ControlEvent event) const;
  void sendActions(ControlEvent event);

  // A person's tap sends touchUpInside when the control is enabled.
  void tap() override;

 private:
  struct Action {
    std::string selector;  // empty for a closure
    std::weak_ptr<ActionTarget> target;
    std::function<void(Control&)> closure;
  };
  std::map<ControlEvent, std::vector<Action>> actions_;
};

}  // namespace kassio::platform
