// Draws an image asset and translates a text from the resources the installed package finds
// (argument: where to write the PNG). Exits 2 when the resources are missing, 1 when they do not
// read as expected.
#include <cairo.h>

#include <cstdio>
#include <cstring>
#include <memory>

#include "host/ImageAssets.h"
#include "kassio/platform/foundation/Platform.h"
#include "kassio/platform/foundation/ResourceDirectory.h"
#include "kassio/platform/text/Localization.h"

using namespace kassio;

namespace {

cairo_surface_t* drawn(host::ImageAssets& assets, const char* name) {
  auto* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 48, 48);
  auto* cr = cairo_create(surface);
  assets.draw(cr, platform::Image::named(name), {{0, 0}, {48, 48}}, std::nullopt);
  cairo_destroy(cr);
  cairo_surface_flush(surface);
  return surface;
}

bool samePixels(cairo_surface_t* a, cairo_surface_t* b) {
  auto size = static_cast<std::size_t>(cairo_image_surface_get_stride(a) * cairo_image_surface_get_height(a));
  return std::memcmp(cairo_image_surface_get_data(a), cairo_image_surface_get_data(b), size) == 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (auto problem = platform::ResourceDirectory::problem()) {
    std::fprintf(stderr, "%s\n", problem->c_str());
    return 2;
  }
  std::printf("resources: %s\n", platform::ResourceDirectory::find().c_str());

  auto& services = platform::Platform::current();
  services.localization = std::make_shared<platform::Localization>("hi");
  if (platform::localize("Cash") != "नकद") {
    std::fprintf(stderr, "\"Cash\" reads \"%s\" in Hindi\n", platform::localize("Cash").c_str());
    return 1;
  }

  host::ImageAssets assets;
  auto* icon = drawn(assets, "alertIconNew");
  auto* placeholder = drawn(assets, host::ImageAssets::placeholderName);
  bool isIcon = assets.hasAsset("alertIconNew") && !samePixels(icon, placeholder);
  if (argc > 1) cairo_surface_write_to_png(icon, argv[1]);
  cairo_surface_destroy(icon);
  cairo_surface_destroy(placeholder);
  if (!isIcon) {
    std::fprintf(stderr, "alertIconNew draws as the placeholder\n");
    return 1;
  }
  return 0;
}
