#pragma once

#include <cairo.h>
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <memory>
#include <vector>

#include "host/LayoutBox.h"
#include "host/VirtualHost.h"
#include "kassio/platform/ui/Color.h"

namespace kassio::host {

// A decoded PNG, read pixel by pixel in points of the rendered tree.
class Picture {
 public:
  explicit Picture(const std::vector<std::uint8_t>& png, double scale = 3) : scale_(scale) {
    struct Reader {
      const std::vector<std::uint8_t>* bytes;
      std::size_t at = 0;
    } reader{&png};
    auto read = [](void* closure, unsigned char* out, unsigned int length) {
      auto* from = static_cast<Reader*>(closure);
      if (from->bytes->size() - from->at < length) return CAIRO_STATUS_READ_ERROR;
      std::memcpy(out, from->bytes->data() + from->at, length);
      from->at += length;
      return CAIRO_STATUS_SUCCESS;
    };
    surface_ = cairo_image_surface_create_from_png_stream(read, &reader);
    if (cairo_surface_status(surface_) != CAIRO_STATUS_SUCCESS) {
      cairo_surface_destroy(surface_);
      surface_ = nullptr;
    }
  }
  ~Picture() {
    if (surface_) cairo_surface_destroy(surface_);
  }
  Picture(const Picture&) = delete;
  Picture& operator=(const Picture&) = delete;

  bool valid() const { return surface_ != nullptr; }
  int width() const { return surface_ ? cairo_image_surface_get_width(surface_) : 0; }
  int height() const { return surface_ ? cairo_image_surface_get_height(surface_) : 0; }

  // The pixel at device coordinates, un-premultiplied; alpha 0..1.
  platform::Color pixelAt(int x, int y) const {
    if (!surface_ || x < 0 || y < 0 || x >= width() || y >= height()) return platform::Color::clear();
    const auto* row = cairo_image_surface_get_data(surface_) + y * cairo_image_surface_get_stride(surface_);
    std::uint32_t argb;
    std::memcpy(&argb, row + 4 * x, 4);
    unsigned a = argb >> 24;
    if (a == 0) return platform::Color::clear();
    auto channel = [&](unsigned shift) {
      return static_cast<std::uint8_t>(std::lround(((argb >> shift) & 0xFF) * 255.0 / a));
    };
    return {channel(16), channel(8), channel(0), a / 255.0};
  }
  // The pixel under a point of the tree.
  platform::Color at(double x, double y) const {
    return pixelAt(static_cast<int>(x * scale_), static_cast<int>(y * scale_));
  }
  // Pixels inside `area` (points) within `tolerance` of the colour on every channel, opaque.
  int count(const platform::Rect& area, const platform::Color& color, int tolerance = 12) const {
    int found = 0;
    int x0 = static_cast<int>(area.origin.x * scale_), y0 = static_cast<int>(area.origin.y * scale_);
    int x1 = static_cast<int>((area.origin.x + area.width()) * scale_);
    int y1 = static_cast<int>((area.origin.y + area.height()) * scale_);
    for (int y = y0; y < y1; ++y)
      for (int x = x0; x < x1; ++x)
        if (near(pixelAt(x, y), color, tolerance)) ++found;
    return found;
  }

  static bool near(const platform::Color& a, const platform::Color& b, int tolerance = 12) {
    return a.alpha > 0.95 && std::abs(a.red - b.red) <= tolerance && std::abs(a.green - b.green) <= tolerance &&
           std::abs(a.blue - b.blue) <= tolerance;
  }

 private:
  double scale_;
  cairo_surface_t* surface_ = nullptr;
};

inline platform::Color hex(const char* text) { return *platform::Color::fromHex(text); }

// Prints colours readably in failed expectations.
inline std::string describe(const platform::Color& color) {
  return color.hexString() + "/" + std::to_string(color.alpha);
}

// Each test on the test host: a virtual main loop, a window and the English table.
class RenderPlatformTest : public ::testing::Test {
 protected:
  VirtualHost device;
  std::shared_ptr<platform::VirtualRunLoop> loop = device.loop();
  std::shared_ptr<platform::Window> window = device.window();
};

}  // namespace kassio::host
