#pragma once

#include <cairo.h>

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "host/ImageAssets.h"
#include "host/LayoutBox.h"

namespace kassio::host {

using CairoSurface = std::shared_ptr<cairo_surface_t>;

// Draws laid-out element trees with cairo: backgrounds, alpha, corner radii (masked corners
// too), borders, shadows, styled text, images (templates in their tint) and the simple
// controls. Boxes are in points; the canvas has `scale` pixels per point.
class PngRenderer {
 public:
  // Canvases are capped at what a cairo image surface can hold.
  static constexpr int maxPixels = 32767;

  explicit PngRenderer(ImageAssets& images) : images_(images) {}

  // Draws one tree; cairo's user space is in points.
  void draw(cairo_t* cr, const LayoutBox& box);
  // A transparent canvas of `size` points with the trees drawn in order, each over the one
  // before; null when the canvas would be empty.
  CairoSurface rasterize(const std::vector<const LayoutBox*>& layers, platform::Size size, double scale);
  // The canvas as PNG bytes; empty without one.
  static std::vector<std::uint8_t> encode(cairo_surface_t* surface);
  std::vector<std::uint8_t> png(const std::vector<const LayoutBox*>& layers, platform::Size size, double scale) {
    auto surface = rasterize(layers, size, scale);
    return surface ? encode(surface.get()) : std::vector<std::uint8_t>{};
  }

  // The tint a template image of this view is drawn in: its own, else its nearest ancestor's,
  // else the system's.
  static platform::Color effectiveTint(const platform::View& view);

 private:
  void drawContent(cairo_t* cr, const LayoutBox& box);
  void drawText(cairo_t* cr, const TextBlock& text, const platform::Rect& area, platform::TextAlignment alignment);
  void drawButton(cairo_t* cr, const LayoutBox& box);

  ImageAssets& images_;
};

}  // namespace kassio::host
