#include <gtest/gtest.h>

#include <cairo.h>

#include <cstdint>
#include <vector>

#include "host/ImageAssets.h"

namespace kassio::host {
namespace {

// A PNG of one colour and the given size in pixels.
std::vector<std::uint8_t> png(int width, int height, double red, double green, double blue) {
  cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height);
  cairo_t* cr = cairo_create(surface);
  cairo_set_source_rgb(cr, red, green, blue);
  cairo_paint(cr);
  cairo_destroy(cr);
  std::vector<std::uint8_t> bytes;
  cairo_surface_write_to_png_stream(
      surface,
      [](void* closure, const unsigned char* data, unsigned int length) {
        auto* out = static_cast<std::vector<std::uint8_t>*>(closure);
        out->insert(out->end(), data, data + length);
        return CAIRO_STATUS_SUCCESS;
      },
      &bytes);
  cairo_surface_destroy(surface);
  return bytes;
}

// The colour drawn at the middle of a 10 × 10 canvas, red channel first.
std::vector<int> drawnColour(ImageAssets& assets, const platform::Image& image) {
  cairo_surface_t* canvas = cairo_image_surface_create(CAIRO_FORMAT_RGB24, 10, 10);
  cairo_t* cr = cairo_create(canvas);
  assets.draw(cr, image, {{0, 0}, {10, 10}}, std::nullopt);
  cairo_destroy(cr);
  cairo_surface_flush(canvas);
  const auto* pixel = reinterpret_cast<const std::uint32_t*>(cairo_image_surface_get_data(canvas) +
                                                             5 * cairo_image_surface_get_stride(canvas)) + 5;
  const std::vector<int> colour{int(*pixel >> 16 & 0xFF), int(*pixel >> 8 & 0xFF), int(*pixel & 0xFF)};
  cairo_surface_destroy(canvas);
  return colour;
}

TEST(ImageAssets, ImagesWithOneFingerprintNeverStandInForEachOther) {
  // Every image gets one key, as two images whose hashes collide would.
  ImageAssets assets({}, [](const std::vector<std::uint8_t>&) -> std::uint64_t { return 42; });
  const auto red = platform::Image::fromData(png(4, 2, 1, 0, 0));
  const auto blue = platform::Image::fromData(png(3, 3, 0, 0, 1));
  for (int round = 0; round < 2; ++round) {  // the second round is served from the cache
    EXPECT_EQ(assets.naturalSize(red), (platform::Size{4, 2}));
    EXPECT_EQ(assets.naturalSize(blue), (platform::Size{3, 3}));
    EXPECT_EQ(drawnColour(assets, red), (std::vector<int>{255, 0, 0}));
    EXPECT_EQ(drawnColour(assets, blue), (std::vector<int>{0, 0, 255}));
  }
  EXPECT_EQ(assets.dataUri(platform::Image::fromData({1, 2, 3})), assets.dataUri(platform::Image::named("none")));
}

}  // namespace
}  // namespace kassio::host
