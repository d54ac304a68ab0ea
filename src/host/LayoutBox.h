#pragma once

#include <memory>
#include <optional>
#include <vector>

#include "host/TextShaper.h"
#include "kassio/platform/ui/View.h"

namespace kassio::host {

// Where one visible element of a tree goes, and what it shows there: the laid-out tree that
// the renderers draw. The module's own frames are left as they are.
struct LayoutBox {
  const platform::View* view = nullptr;
  platform::Rect frame;                   // in the parent box's coordinates, in points
  std::shared_ptr<const TextBlock> text;  // label text, button title, field text or placeholder
  int row = -1;                           // position among its list's rows; -1 when not a row
  bool clips = false;                     // children are cut at the box's edge
  std::vector<LayoutBox> children;

  // The box of `target` in this subtree, and its frame in this box's coordinates.
  const LayoutBox* find(const platform::View& target) const;
  std::optional<platform::Rect> frameOf(const platform::View& target) const;
};

}  // namespace kassio::host
