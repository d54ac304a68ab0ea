#include "kassio/platform/ui/Control.h"

namespace kassio::platform {

void Control::addTarget(std::weak_ptr<ActionTarget> target, std::string selector, ControlEvent event) {
  actions_[event].push_back({std::move(selector), std::move(target), {}});
}

void Control::addAction(ControlEvent event, std::function<void(Control&)> action) {
  actions_[event].push_back({{}, {}, std::move(action)});
}

void Control::removeAllTargets() { actions_.clear(); }

std::vector<std::string> Control::selectors(ControlEvent event) const {
  std::vector<std::string> names;
  if (auto found = actions_.find(event); found != actions_.end())
    for (const auto& action : found->second)
      if (!action.selector.empty()) names.push_back(action.selector);
  return names;
}

void Control::sendActions(ControlEvent event) {
  auto found = actions_.find(event);
  if (found == actions_.end()) return;
  auto keep = shared_from_this();
  auto actions = found->second;  // an action may add or remove actions
  for (auto& action : actions) {
    if (action.closure) {
      action.closure(*this);
    } else if (auto target = action.target.lock()) {
      target->performAction(action.selector, this);
    }
  }
}

void Control::tap() {
  if (!enabled) return;
  View::tap();
  sendActions(ControlEvent::touchUpInside);
}

}  // namespace kassio::platform
