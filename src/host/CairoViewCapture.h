#pragma once

#include "host/ScreenRenderer.h"
#include "kassio/platform/ui/ViewCapture.h"

namespace kassio::host {

// View capture drawn with cairo and pango: the view and its subtree at its bounds, as the
// screens capture a receipt or a QR code to share or save. For the main loop's thread.
class CairoViewCapture final : public platform::ViewCapture {
 public:
  std::vector<std::uint8_t> pngData(platform::View& view, double scale) override {
    return renderer_.capture(view, scale);
  }

 private:
  ScreenRenderer renderer_;
};

}  // namespace kassio::host
