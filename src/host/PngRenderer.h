#pragma once

#include <cairo.h>

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "host/ElementKinds.h"
#include "host/ImageAssets.h"
#include "host/LayoutBox.h"

namespace kassio::host {

using CairoSurface = std::shared_ptr<cairo_surface_t>;

// Draws laid-out element trees with cairo: backgrounds, alpha, corner radii (masked corners
// too), borders, shadows, styled text, images (templates in their tint) and the simple
// controls. Boxes are in points; the canvas has `scale` pixels per point. What an element
// draws over its background comes from its row in the element kinds table.
class PngRenderer {
 public:
  // Canvases are capped at what a cairo image surface can hold.
  static constexpr int maxPixels = 32767;

  explicit PngRenderer(ImageAssets& images, const ElementKinds& kinds = ElementKinds::standard())
      : images_(images), kinds_(kinds) {}

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

  // For the rows of the kinds table.
  ImageAssets& images() { return images_; }
  static void setColor(cairo_t* cr, const platform::Color& color, double alpha = 1);
  // A rectangle whose corners in `mask` are rounded, inset by `inset` on every side.
  static void roundedPath(cairo_t* cr, double width, double height, double radius, unsigned mask, double inset = 0);
  // The view's outline (its corner radius and masked corners) at `size`.
  static void shapePath(cairo_t* cr, const platform::View& view, const platform::Size& size, double inset = 0);
  // Text in `area`, centred across its height; one unbroken line placed by `alignment`.
  static void drawText(cairo_t* cr, const TextBlock& text, const platform::Rect& area,
                       platform::TextAlignment alignment);

 private:
  ImageAssets& images_;
  const ElementKinds& kinds_;
};

}  // namespace kassio::host
