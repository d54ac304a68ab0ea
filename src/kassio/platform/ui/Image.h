#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace kassio::platform {

enum class ImageRenderingMode { automatic, alwaysOriginal, alwaysTemplate };

// An image: a named asset of the module's resources, or decoded image data (a PNG).
struct Image {
  std::string assetName;
  std::vector<std::uint8_t> data;
  ImageRenderingMode renderingMode = ImageRenderingMode::automatic;

  static Image named(std::string name) { return {std::move(name), {}, ImageRenderingMode::automatic}; }
  static Image fromData(std::vector<std::uint8_t> bytes) { return {{}, std::move(bytes), ImageRenderingMode::automatic}; }
  Image withRenderingMode(ImageRenderingMode mode) const {
    Image copy = *this;
    copy.renderingMode = mode;
    return copy;
  }
  bool isData() const { return assetName.empty(); }
  bool operator==(const Image&) const = default;
};

}  // namespace kassio::platform
