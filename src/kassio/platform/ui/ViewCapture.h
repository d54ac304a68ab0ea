#pragma once

#include <cstdint>
#include <vector>

namespace kassio::platform {

class View;

// Renders a view with its subtree into an image, as a screen is captured for sharing or saving.
class ViewCapture {
 public:
  virtual ~ViewCapture() = default;
  // The view drawn at its bounds and `scale` pixels per point, PNG-encoded; empty when the
  // rendering yields no image (a hidden or empty view).
  virtual std::vector<std::uint8_t> pngData(View& view, double scale) = 0;
};

}  // namespace kassio::platform
