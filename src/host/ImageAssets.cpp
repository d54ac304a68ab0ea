#include "host/ImageAssets.h"

#include <librsvg/rsvg.h>

#include <algorithm>
#include <cstring>
#include <fstream>
#include <sstream>

#include "kassio/platform/foundation/ResourceDirectory.h"
#include "kassio/platform/text/Base64.h"

namespace kassio::host {

namespace {

constexpr std::size_t kDecodedLimit = 32;
constexpr platform::Size kFallbackSize{24, 24};

struct ByteReader {
  const std::vector<std::uint8_t>* data;
  std::size_t offset = 0;
};

cairo_status_t readBytes(void* closure, unsigned char* out, unsigned int length) {
  auto* reader = static_cast<ByteReader*>(closure);
  if (reader->data->size() - reader->offset < length) return CAIRO_STATUS_READ_ERROR;
  std::memcpy(out, reader->data->data() + reader->offset, length);
  reader->offset += length;
  return CAIRO_STATUS_SUCCESS;
}

platform::Rect fitted(platform::Size natural, const platform::Rect& rect) {
  if (natural.width <= 0 || natural.height <= 0) return rect;
  double factor = std::min(rect.width() / natural.width, rect.height() / natural.height);
  platform::Size size{natural.width * factor, natural.height * factor};
  return {{rect.origin.x + (rect.width() - size.width) / 2, rect.origin.y + (rect.height() - size.height) / 2}, size};
}

// The look of the placeholder when the placeholder asset itself is missing.
void drawFrame(cairo_t* cr, const platform::Rect& rect) {
  cairo_save(cr);
  cairo_rectangle(cr, rect.origin.x, rect.origin.y, rect.width(), rect.height());
  cairo_set_source_rgb(cr, 0.9, 0.91, 0.92);
  cairo_fill_preserve(cr);
  cairo_set_source_rgb(cr, 0.61, 0.64, 0.69);
  cairo_set_line_width(cr, 1);
  cairo_stroke(cr);
  cairo_move_to(cr, rect.origin.x, rect.origin.y);
  cairo_line_to(cr, rect.origin.x + rect.width(), rect.origin.y + rect.height());
  cairo_move_to(cr, rect.origin.x + rect.width(), rect.origin.y);
  cairo_line_to(cr, rect.origin.x, rect.origin.y + rect.height());
  cairo_stroke(cr);
  cairo_restore(cr);
}

}  // namespace

std::filesystem::path ImageAssets::defaultDirectory() {
  auto resources = platform::ResourceDirectory::find();
  return resources.empty() ? resources : resources / "images";
}

// FNV-1a over the bytes, with the length mixed in.
std::uint64_t ImageAssets::fnv1a(const std::vector<std::uint8_t>& data) {
  std::uint64_t hash = 14695981039346656037ull ^ data.size();
  for (auto byte : data) hash = (hash ^ byte) * 1099511628211ull;
  return hash;
}

ImageAssets::ImageAssets(std::filesystem::path directory, Fingerprint fingerprint)
    : directory_(std::move(directory)), fingerprint_(fingerprint ? fingerprint : fnv1a) {}

ImageAssets::~ImageAssets() {
  for (auto& [name, entry] : svgs_)
    if (entry) g_object_unref(entry->handle);
  for (auto& [key, entry] : decoded_)
    if (entry.surface) cairo_surface_destroy(entry.surface);
}

const ImageAssets::Svg* ImageAssets::svg(const std::string& name) {
  if (auto found = svgs_.find(name); found != svgs_.end()) return found->second ? &*found->second : nullptr;
  auto& entry = svgs_[name];
  // Asset names are plain names; anything with a path in it is not one of ours.
  if (name.empty() || name.find_first_of("/\\") != std::string::npos || name[0] == '.') return nullptr;
  if (directory_.empty()) return nullptr;  // no resources found: not the working directory
  std::ifstream file(directory_ / (name + ".svg"), std::ios::binary);
  if (!file) return nullptr;
  std::ostringstream text;
  text << file.rdbuf();
  Svg svg;
  svg.text = text.str();
  GError* error = nullptr;
  svg.handle = rsvg_handle_new_from_data(reinterpret_cast<const guint8*>(svg.text.data()), svg.text.size(), &error);
  if (!svg.handle) {
    g_clear_error(&error);
    return nullptr;
  }
  rsvg_handle_set_dpi(svg.handle, 72);
  double width = 0, height = 0;
  if (rsvg_handle_get_intrinsic_size_in_pixels(svg.handle, &width, &height) && width > 0 && height > 0) {
    svg.size = {width, height};
  } else {
    gboolean hasViewBox = FALSE;
    RsvgRectangle viewBox{};
    rsvg_handle_get_intrinsic_dimensions(svg.handle, nullptr, nullptr, nullptr, nullptr, &hasViewBox, &viewBox);
    svg.size = hasViewBox && viewBox.width > 0 && viewBox.height > 0 ? platform::Size{viewBox.width, viewBox.height}
                                                                     : kFallbackSize;
  }
  entry = std::move(svg);
  return &*entry;
}

cairo_surface_t* ImageAssets::decoded(const std::vector<std::uint8_t>& data) {
  const auto key = fingerprint_(data);
  for (auto [at, end] = decoded_.equal_range(key); at != end; ++at) {
    if (at->second.data == data) return at->second.surface;
  }
  if (decoded_.size() >= kDecodedLimit) {
    for (auto& [old, entry] : decoded_)
      if (entry.surface) cairo_surface_destroy(entry.surface);
    decoded_.clear();
  }
  ByteReader reader{&data};
  cairo_surface_t* surface = cairo_image_surface_create_from_png_stream(readBytes, &reader);
  if (cairo_surface_status(surface) != CAIRO_STATUS_SUCCESS) {
    cairo_surface_destroy(surface);
    surface = nullptr;
  }
  decoded_.emplace(key, Decoded{data, surface});
  return surface;
}

bool ImageAssets::hasAsset(const std::string& name) { return svg(name) != nullptr; }

platform::Size ImageAssets::naturalSize(const platform::Image& image) {
  if (image.isData()) {
    if (auto* surface = decoded(image.data))
      return {static_cast<double>(cairo_image_surface_get_width(surface)),
              static_cast<double>(cairo_image_surface_get_height(surface))};
  } else if (const auto* asset = svg(image.assetName)) {
    return asset->size;
  }
  const auto* stand = placeholder();
  return stand ? stand->size : kFallbackSize;
}

void ImageAssets::drawShape(cairo_t* cr, const platform::Image& image, const platform::Rect& rect) {
  const Svg* asset = image.isData() ? nullptr : svg(image.assetName);
  if (image.isData()) {
    if (auto* surface = decoded(image.data)) {
      platform::Size natural{static_cast<double>(cairo_image_surface_get_width(surface)),
                             static_cast<double>(cairo_image_surface_get_height(surface))};
      auto target = fitted(natural, rect);
      double factor = target.width() / natural.width;
      cairo_save(cr);
      cairo_rectangle(cr, target.origin.x, target.origin.y, target.width(), target.height());
      cairo_clip(cr);
      cairo_translate(cr, target.origin.x, target.origin.y);
      cairo_scale(cr, factor, factor);
      cairo_set_source_surface(cr, surface, 0, 0);
      // Enlarged codes keep their hard module edges; reduced pictures are smoothed.
      cairo_pattern_set_filter(cairo_get_source(cr), factor > 1 ? CAIRO_FILTER_NEAREST : CAIRO_FILTER_GOOD);
      cairo_paint(cr);
      cairo_restore(cr);
      return;
    }
  }
  if (!asset) asset = placeholder();
  if (!asset) {
    drawFrame(cr, fitted(kFallbackSize, rect));
    return;
  }
  auto target = fitted(asset->size, rect);
  RsvgRectangle viewport{target.origin.x, target.origin.y, target.width(), target.height()};
  GError* error = nullptr;
  if (!rsvg_handle_render_document(asset->handle, cr, &viewport, &error)) g_clear_error(&error);
}

void ImageAssets::draw(cairo_t* cr, const platform::Image& image, const platform::Rect& rect,
                       const std::optional<platform::Color>& tint) {
  if (rect.width() <= 0 || rect.height() <= 0) return;
  if (!tint) {
    drawShape(cr, image, rect);
    return;
  }
  cairo_push_group(cr);
  drawShape(cr, image, rect);
  cairo_pattern_t* shape = cairo_pop_group(cr);
  cairo_set_source_rgba(cr, tint->red / 255.0, tint->green / 255.0, tint->blue / 255.0, tint->alpha);
  cairo_mask(cr, shape);
  cairo_pattern_destroy(shape);
}

std::string ImageAssets::dataUri(const platform::Image& image) {
  if (image.isData() && decoded(image.data)) return "data:image/png;base64," + platform::base64Encode(image.data);
  const Svg* asset = image.isData() ? nullptr : svg(image.assetName);
  if (!asset) asset = placeholder();
  if (!asset) return "data:image/svg+xml;base64,";
  std::span<const std::uint8_t> bytes(reinterpret_cast<const std::uint8_t*>(asset->text.data()), asset->text.size());
  return "data:image/svg+xml;base64," + platform::base64Encode(bytes);
}

}  // namespace kassio::host
