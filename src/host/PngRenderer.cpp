#include "host/PngRenderer.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <numbers>

#include "host/ElementLayout.h"

namespace kassio::host {

using platform::Color;
using platform::Rect;

namespace {

// A soft shadow without a blur filter: the shape repeated, spreading out and fading.
void drawShadow(cairo_t* cr, const platform::View& view, const platform::Size& size) {
  const auto& shadow = view.shadow;
  if (!shadow.color || shadow.opacity <= 0) return;
  int steps = std::clamp(static_cast<int>(std::ceil(shadow.radius)), 1, 8);
  cairo_save(cr);
  cairo_translate(cr, shadow.offset.width, shadow.offset.height);
  for (int step = steps; step >= 1; --step) {
    double spread = shadow.radius * step / steps;
    cairo_save(cr);
    cairo_translate(cr, -spread / 2, -spread / 2);
    platform::Size grown{size.width + spread, size.height + spread};
    PngRenderer::shapePath(cr, view, grown);
    PngRenderer::setColor(cr, *shadow.color, std::clamp(shadow.opacity, 0.0, 1.0) / steps);
    cairo_fill(cr);
    cairo_restore(cr);
  }
  cairo_restore(cr);
}

bool intersects(const Rect& a, double x1, double y1, double x2, double y2) {
  return a.origin.x < x2 && a.origin.x + a.width() > x1 && a.origin.y < y2 && a.origin.y + a.height() > y1;
}

cairo_status_t appendBytes(void* closure, const unsigned char* data, unsigned int length) {
  auto* out = static_cast<std::vector<std::uint8_t>*>(closure);
  out->insert(out->end(), data, data + length);
  return CAIRO_STATUS_SUCCESS;
}

// Whether the bottom tree's root covers every pixel of a canvas of `size` points with an opaque,
// square background.
bool paintsEveryPixel(const std::vector<const LayoutBox*>& layers, platform::Size size) {
  if (layers.empty() || !layers.front() || !layers.front()->view) return false;
  const auto& box = *layers.front();
  const auto& view = *box.view;
  return view.backgroundColor && view.backgroundColor->alpha >= 1 && view.alpha >= 1 && view.cornerRadius <= 0 &&
         box.frame.origin == platform::Point{0, 0} && box.frame.size.width >= size.width &&
         box.frame.size.height >= size.height;
}

// A canvas whose pixels are not cleared first, for one that is painted over entirely: a full
// screen's worth of clearing is a good part of a frame.
cairo_surface_t* uncleared(int width, int height) {
  static cairo_user_data_key_t bufferKey;
  int stride = cairo_format_stride_for_width(CAIRO_FORMAT_ARGB32, width);
  auto* pixels = static_cast<unsigned char*>(std::malloc(static_cast<std::size_t>(stride) * height));
  if (!pixels) return cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height);
  auto* surface = cairo_image_surface_create_for_data(pixels, CAIRO_FORMAT_ARGB32, width, height, stride);
  if (cairo_surface_set_user_data(surface, &bufferKey, pixels, std::free) != CAIRO_STATUS_SUCCESS) {
    cairo_surface_destroy(surface);
    std::free(pixels);
    return cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height);
  }
  return surface;
}

}  // namespace

void PngRenderer::setColor(cairo_t* cr, const Color& color, double alpha) {
  cairo_set_source_rgba(cr, color.red / 255.0, color.green / 255.0, color.blue / 255.0, color.alpha * alpha);
}

void PngRenderer::roundedPath(cairo_t* cr, double width, double height, double radius, unsigned mask, double inset) {
  double x = inset, y = inset, w = width - 2 * inset, h = height - 2 * inset;
  double r = std::clamp(radius - inset, 0.0, std::min(w, h) / 2);
  auto corner = [&](unsigned bit) { return (mask & bit) ? r : 0.0; };
  const double quarter = std::numbers::pi / 2;
  double topLeft = corner(platform::minXMinYCorner), topRight = corner(platform::maxXMinYCorner);
  double bottomLeft = corner(platform::minXMaxYCorner), bottomRight = corner(platform::maxXMaxYCorner);
  cairo_new_sub_path(cr);
  cairo_arc(cr, x + w - topRight, y + topRight, topRight, -quarter, 0);
  cairo_arc(cr, x + w - bottomRight, y + h - bottomRight, bottomRight, 0, quarter);
  cairo_arc(cr, x + bottomLeft, y + h - bottomLeft, bottomLeft, quarter, 2 * quarter);
  cairo_arc(cr, x + topLeft, y + topLeft, topLeft, 2 * quarter, 3 * quarter);
  cairo_close_path(cr);
}

void PngRenderer::shapePath(cairo_t* cr, const platform::View& view, const platform::Size& size, double inset) {
  if (view.cornerRadius > 0) {
    roundedPath(cr, size.width, size.height, view.cornerRadius, view.maskedCorners, inset);
  } else {
    cairo_rectangle(cr, inset, inset, size.width - 2 * inset, size.height - 2 * inset);
  }
}

Color PngRenderer::effectiveTint(const platform::View& view) {
  for (const auto* current = &view; current; current = current->superview())
    if (current->tintColor) return *current->tintColor;
  return ElementLayout::systemTint;
}

void PngRenderer::draw(cairo_t* cr, const LayoutBox& box) {
  const auto* view = box.view;
  if (!view || view->alpha < 0.01) return;
  const auto& size = box.frame.size;
  cairo_save(cr);
  cairo_translate(cr, box.frame.origin.x, box.frame.origin.y);

  // Only what lies in the visible part of the canvas is drawn.
  double x1, y1, x2, y2;
  cairo_clip_extents(cr, &x1, &y1, &x2, &y2);
  double reach = view->shadow.opacity > 0
                     ? view->shadow.radius + std::abs(view->shadow.offset.width) + std::abs(view->shadow.offset.height)
                     : 0;
  bool inView = intersects({{-reach, -reach}, {size.width + 2 * reach, size.height + 2 * reach}}, x1, y1, x2, y2);
  if (!inView && box.clips) {
    cairo_restore(cr);
    return;
  }

  bool group = view->alpha < 1;
  if (group) cairo_push_group(cr);
  if (inView) {
    drawShadow(cr, *view, size);
    if (view->backgroundColor && view->backgroundColor->alpha > 0) {
      shapePath(cr, *view, size);
      setColor(cr, *view->backgroundColor);
      cairo_fill(cr);
    }
  }
  cairo_save(cr);
  if (box.clips) {
    shapePath(cr, *view, size);
    cairo_clip(cr);
  }
  if (inView) {
    const auto& row = kinds_.of(*view);
    if (row.paint) row.paint(*view, *this, cr, box);
  }
  for (const auto& child : box.children) draw(cr, child);
  cairo_restore(cr);
  // The border lies over the content, as a layer's border does.
  if (inView && view->borderWidth > 0 && view->borderColor) {
    shapePath(cr, *view, size, view->borderWidth / 2);
    setColor(cr, *view->borderColor);
    cairo_set_line_width(cr, view->borderWidth);
    cairo_stroke(cr);
  }
  if (group) {
    cairo_pop_group_to_source(cr);
    cairo_paint_with_alpha(cr, std::clamp(view->alpha, 0.0, 1.0));
  }
  cairo_restore(cr);
}

void PngRenderer::drawText(cairo_t* cr, const TextBlock& text, const Rect& area, platform::TextAlignment alignment) {
  const auto& size = text.size();
  double x = area.origin.x;
  // Text set to a width is aligned by pango; a single unbroken line is placed here.
  if (pango_layout_get_width(text.layout()) < 0) {
    if (alignment == platform::TextAlignment::center) x += (area.width() - size.width) / 2;
    if (alignment == platform::TextAlignment::right) x += area.width() - size.width;
  }
  double y = area.origin.y + std::max((area.height() - size.height) / 2, 0.0);
  cairo_move_to(cr, x, y);
  text.draw(cr);
}

CairoSurface PngRenderer::rasterize(const std::vector<const LayoutBox*>& layers, platform::Size size, double scale) {
  if (!(scale > 0)) return nullptr;
  auto pixels = [&](double points) {
    return static_cast<int>(std::clamp(std::ceil(points * scale - 1e-6), 0.0, static_cast<double>(maxPixels)));
  };
  int width = pixels(size.width), height = pixels(size.height);
  if (width == 0 || height == 0) return nullptr;
  CairoSurface surface(paintsEveryPixel(layers, {width / scale, height / scale})
                           ? uncleared(width, height)
                           : cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height),
                       cairo_surface_destroy);
  if (cairo_surface_status(surface.get()) != CAIRO_STATUS_SUCCESS) return nullptr;
  cairo_t* cr = cairo_create(surface.get());
  cairo_scale(cr, scale, scale);
  for (const auto* layer : layers)
    if (layer) draw(cr, *layer);
  cairo_destroy(cr);
  cairo_surface_flush(surface.get());
  return surface;
}

std::vector<std::uint8_t> PngRenderer::encode(cairo_surface_t* surface) {
  std::vector<std::uint8_t> bytes;
  if (!surface || cairo_surface_write_to_png_stream(surface, appendBytes, &bytes) != CAIRO_STATUS_SUCCESS) return {};
  return bytes;
}

}  // namespace kassio::host
