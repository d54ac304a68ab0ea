#include "kassio/platform/ui/NavigationController.h"

#include <algorithm>

namespace kassio::platform {

NavigationController::NavigationController(std::shared_ptr<Screen> root) {
  if (root) {
    adopt(root);
    stack_.push_back(std::move(root));
  }
}

void NavigationController::loadView() {
  Screen::loadView();
  if (auto top = topViewController()) {
    top->view()->frame = view()->bounds();
    view()->addSubview(top->view());
  }
}

std::vector<std::shared_ptr<Screen>> NavigationController::appearanceChildren() const {
  if (auto top = topViewController()) return {top};
  return {};
}

void NavigationController::adopt(const std::shared_ptr<Screen>& screen) { screen->parent_ = this; }

void NavigationController::transition(const std::shared_ptr<Screen>& from, const std::shared_ptr<Screen>& to,
                                      bool animated) {
  if (from == to) return;
  bool visible = isVisible();
  if (visible && from) from->beginAppearance(false, animated);
  if (isViewLoaded()) {
    if (from && from->isViewLoaded()) from->view()->removeFromSuperview();
    if (to) {
      to->view()->frame = view()->bounds();
      view()->addSubview(to->view());
    }
  }
  if (visible && to) to->beginAppearance(true, animated);
  if (visible && from) from->endAppearance();
  if (visible && to) to->endAppearance();
}

void NavigationController::pushViewController(std::shared_ptr<Screen> screen, bool animated) {
  if (!screen || screen->parent_ || screen->presentingScreen()) return;
  auto keep = shared_from_this();
  auto from = topViewController();
  adopt(screen);
  stack_.push_back(screen);
  transition(from, screen, animated);
}

std::shared_ptr<Screen> NavigationController::popViewController(bool animated) {
  if (stack_.size() < 2) return nullptr;
  auto keep = shared_from_this();
  auto popped = stack_.back();
  stack_.pop_back();
  transition(popped, topViewController(), animated);
  popped->parent_ = nullptr;
  return popped;
}

std::vector<std::shared_ptr<Screen>> NavigationController::popToViewController(const Screen& screen, bool animated) {
  std::vector<std::shared_ptr<Screen>> popped;
  auto target = std::find_if(stack_.begin(), stack_.end(), [&](const auto& item) { return item.get() == &screen; });
  if (target == stack_.end() || target + 1 == stack_.end()) return popped;
  auto keep = shared_from_this();
  auto from = topViewController();
  popped.assign(target + 1, stack_.end());
  stack_.erase(target + 1, stack_.end());
  transition(from, topViewController(), animated);
  for (auto& item : popped) item->parent_ = nullptr;
  return popped;
}

std::vector<std::shared_ptr<Screen>> NavigationController::popToRootViewController(bool animated) {
  if (stack_.empty()) return {};
  return popToViewController(*stack_.front(), animated);
}

void NavigationController::setViewControllers(std::vector<std::shared_ptr<Screen>> screens, bool animated) {
  auto keep = shared_from_this();
  auto from = topViewController();
  for (auto& item : stack_) item->parent_ = nullptr;
  stack_.clear();
  for (auto& item : screens) {
    if (!item || item->parent_) continue;
    adopt(item);
    stack_.push_back(item);
  }
  transition(from, topViewController(), animated);
}

}  // namespace kassio::platform
