#pragma once

#include <cairo.h>

#include <cstdint>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "kassio/platform/ui/Color.h"
#include "kassio/platform/ui/Geometry.h"
#include "kassio/platform/ui/Image.h"

typedef struct _RsvgHandle RsvgHandle;

namespace kassio::host {

// The module's image assets, SVG files named after the asset in one folder, and decoded image
// data (a PNG such as a QR code). An asset that is missing, or data that is not a PNG, shows as
// the placeholder asset (a neutral frame when even that is missing).
class ImageAssets {
 public:
  static constexpr const char* placeholderName = "placeholder";
  // The images folder of the module's resources (see platform::ResourceDirectory); empty, and
  // every asset the placeholder frame, when there are none.
  static std::filesystem::path defaultDirectory();

  // The key under which decoded data is cached; a hit is checked against the data itself, so
  // two images with one key never stand in for each other.
  using Fingerprint = std::uint64_t (*)(const std::vector<std::uint8_t>& data);
  static std::uint64_t fnv1a(const std::vector<std::uint8_t>& data);

  explicit ImageAssets(std::filesystem::path directory = defaultDirectory(), Fingerprint fingerprint = fnv1a);
  ~ImageAssets();
  ImageAssets(const ImageAssets&) = delete;
  ImageAssets& operator=(const ImageAssets&) = delete;

  bool hasAsset(const std::string& name);
  // Natural size in points: an asset's own size, one point per pixel of decoded data.
  platform::Size naturalSize(const platform::Image& image);
  // Draws the image fitted into `rect` (aspect kept, centred); with a tint, as a template: its
  // shape filled with the tint.
  void draw(cairo_t* cr, const platform::Image& image, const platform::Rect& rect,
            const std::optional<platform::Color>& tint);
  // The image as a data: URI, for a page that needs no other file.
  std::string dataUri(const platform::Image& image);

 private:
  struct Svg {
    RsvgHandle* handle = nullptr;
    std::string text;
    platform::Size size;
  };
  // The asset, or null when the folder has none (or none that reads as SVG).
  const Svg* svg(const std::string& name);
  // What stands in for a missing image.
  const Svg* placeholder() { return svg(placeholderName); }
  // The decoded PNG, or null when the data is not one.
  cairo_surface_t* decoded(const std::vector<std::uint8_t>& data);
  void drawShape(cairo_t* cr, const platform::Image& image, const platform::Rect& rect);

  std::filesystem::path directory_;
  std::map<std::string, std::optional<Svg>> svgs_;
  struct Decoded {
    std::vector<std::uint8_t> data;
    cairo_surface_t* surface = nullptr;  // null when the data is not a PNG
  };
  Fingerprint fingerprint_;
  std::unordered_multimap<std::uint64_t, Decoded> decoded_;
};

}  // namespace kassio::host
