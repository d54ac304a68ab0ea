#include "kassio/platform/ui/View.h"

#include "kassio/platform/ui/Screen.h"

#include <algorithm>

namespace kassio::platform {

nlohmann::ordered_json colorJson(const std::optional<Color>& color) {
  return color ? nlohmann::ordered_json(color->hexString()) : nlohmann::ordered_json(nullptr);
}

void View::addSubview(std::shared_ptr<View> child) { insertSubview(std::move(child), subviews_.size()); }

void View::insertSubview(std::shared_ptr<View> child, std::size_t index) {
  if (!child || child.get() == this || isDescendant(*child)) return;
  child->removeFromSuperview();
  child->superview_ = this;
  subviews_.insert(subviews_.begin() + static_cast<std::ptrdiff_t>(std::min(index, subviews_.size())),
                   std::move(child));
}

void View::removeFromSuperview() {
  if (!superview_) return;
  auto& siblings = superview_->subviews_;
  auto keep = shared_from_this();  // the parent's reference may be the last one
  siblings.erase(std::remove(siblings.begin(), siblings.end(), keep), siblings.end());
  superview_ = nullptr;
}

void View::removeAllSubviews() {
  for (auto& child : subviews_) child->superview_ = nullptr;
  subviews_.clear();
}

bool View::isDescendant(const View& ancestor) const {
  for (const View* view = this; view; view = view->superview_)
    if (view == &ancestor) return true;
  return false;
}

bool View::isHiddenInTree() const {
  for (const View* view = this; view; view = view->superview_)
    if (view->hidden) return true;
  return false;
}

bool View::acceptsTouches() const {
  for (const View* view = this; view; view = view->superview_)
    if (view->hidden || !view->userInteractionEnabled || view->alpha < 0.01) return false;
  return true;
}

std::shared_ptr<View> View::findByName(const std::string& outletName) {
  if (name == outletName) return shared_from_this();
  for (auto& child : subviews_)
    if (auto found = child->findByName(outletName)) return found;
  return nullptr;
}

void View::addTapAction(std::function<void(View&)> action) { tapActions_.push_back(std::move(action)); }

std::shared_ptr<Window> View::window() const {
  const View* top = this;
  while (top->superview_) top = top->superview_;
  return top->owningScreen_ ? top->owningScreen_->window() : nullptr;
}

void View::addTapTarget(std::weak_ptr<ActionTarget> target, std::string selector) {
  addTapAction([target = std::move(target), selector = std::move(selector)](View& sender) {
    if (auto strong = target.lock()) strong->performAction(selector, &sender);
  });
}

void View::tap() {
  auto keep = shared_from_this();
  auto actions = tapActions_;  // an action may change the list
  for (auto& action : actions) action(*this);
}

void View::describe(nlohmann::ordered_json& out) const {
  out["kind"] = kind();
  out["hidden"] = hidden;
  out["alpha"] = alpha;
  out["backgroundColor"] = colorJson(backgroundColor);
  out["borderColor"] = colorJson(borderColor);
  out["borderWidth"] = borderWidth;
  out["cornerRadius"] = cornerRadius;
  out["interaction"] = userInteractionEnabled;
}

void View::visibleTexts(std::vector<std::string>& out) const {
  if (hidden) return;
  ownTexts(out);
  for (const auto& child : subviews_) child->visibleTexts(out);
}

}  // namespace kassio::platform
