#include "host/LayoutBox.h"

namespace kassio::host {

const LayoutBox* LayoutBox::find(const platform::View& target) const {
  if (view == &target) return this;
  for (const auto& child : children)
    if (const auto* found = child.find(target)) return found;
  return nullptr;
}

std::optional<platform::Rect> LayoutBox::frameOf(const platform::View& target) const {
  if (view == &target) return platform::Rect{{0, 0}, frame.size};
  for (const auto& child : children) {
    if (auto inner = child.frameOf(target)) {
      inner->origin.x += child.frame.origin.x;
      inner->origin.y += child.frame.origin.y;
      return inner;
    }
  }
  return std::nullopt;
}

}  // namespace kassio::host
