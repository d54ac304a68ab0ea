#include "sandbox/QrCodePng.h"

#include <png.h>
#include <qrencode.h>

#include <cstring>
#include <memory>
#include <string>

namespace kassio::sandbox {

namespace {

constexpr int quietZone = 4;  // modules of white around the symbol

struct QrCodeDeleter {
  void operator()(QRcode* code) const { QRcode_free(code); }
};

std::optional<std::vector<std::uint8_t>> encodePng(const std::vector<std::uint8_t>& pixels, int side) {
  png_image image;
  std::memset(&image, 0, sizeof image);
  image.version = PNG_IMAGE_VERSION;
  image.width = static_cast<png_uint_32>(side);
  image.height = static_cast<png_uint_32>(side);
  image.format = PNG_FORMAT_GRAY;
  png_alloc_size_t size = 0;
  // The first call measures, the second writes.
  if (!png_image_write_to_memory(&image, nullptr, &size, 0, pixels.data(), 0, nullptr)) return std::nullopt;
  std::vector<std::uint8_t> png(size);
  if (!png_image_write_to_memory(&image, png.data(), &size, 0, pixels.data(), 0, nullptr)) return std::nullopt;
  png.resize(size);
  return png;
}

}  // namespace

std::optional<std::vector<std::uint8_t>> qrCodePng(std::string_view text, int moduleSize) {
  if (moduleSize < 1) moduleSize = 1;
  const std::string data(text);
  std::unique_ptr<QRcode, QrCodeDeleter> code(QRcode_encodeString8bit(data.c_str(), 0, QR_ECLEVEL_M));
  if (!code) return std::nullopt;
  const int modules = code->width + 2 * quietZone;
  const int side = modules * moduleSize;
  std::vector<std::uint8_t> pixels(static_cast<std::size_t>(side) * static_cast<std::size_t>(side), 0xFF);
  for (int y = 0; y < code->width; ++y) {
    for (int x = 0; x < code->width; ++x) {
      // The low bit of each module byte tells black from white.
      if ((code->data[y * code->width + x] & 1) == 0) continue;
      for (int dy = 0; dy < moduleSize; ++dy) {
        const auto row = static_cast<std::size_t>((y + quietZone) * moduleSize + dy) * static_cast<std::size_t>(side);
        std::memset(&pixels[row + static_cast<std::size_t>((x + quietZone) * moduleSize)], 0, static_cast<std::size_t>(moduleSize));
      }
    }
  }
  return encodePng(pixels, side);
}

}  // namespace kassio::sandbox
