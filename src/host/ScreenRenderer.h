#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "host/ElementLayout.h"
#include "host/HtmlRenderer.h"
#include "host/ImageAssets.h"
#include "host/PngRenderer.h"
#include "host/TextShaper.h"
#include "kassio/platform/ui/Screen.h"

namespace kassio::host {

// Renders screens as the window shows them, and single views, to PNG and HTML. A screen
// presented over its presenter (over current context, over full screen) is drawn over what
// presents it, down the chain; a child screen is drawn alone. Keeps its shaped text and
// decoded images between renders, so one renderer serves a host for its whole run.
class ScreenRenderer {
 public:
  // The window: a phone-width column at least a phone screen tall.
  static constexpr platform::Size windowSize{ElementLayout::phoneWidth, 844};

  // `kinds` is read for every render, so it outlives the renderer.
  explicit ScreenRenderer(std::filesystem::path imageDirectory = ImageAssets::defaultDirectory(),
                          const ElementKinds& kinds = ElementKinds::standard());

  struct Shot {
    std::vector<LayoutBox> layers;  // bottom first
    std::vector<HtmlRenderer::Layer> html;
    platform::Size size;
  };
  // Lays out what the window shows of `screen` (loading its view when it has not been).
  Shot layOut(platform::Screen& screen);

  std::vector<std::uint8_t> png(platform::Screen& screen, double scale = 3);
  std::string html(platform::Screen& screen);
  bool writePng(platform::Screen& screen, const std::string& path, std::string& error, double scale = 3);
  bool writeHtml(platform::Screen& screen, const std::string& path, std::string& error);

  // The view with its subtree at its bounds, `scale` pixels per point; a view that states no
  // width is laid out at phone width, one that states no height is as tall as its content.
  // Empty for a hidden view or one with nothing to draw.
  std::vector<std::uint8_t> capture(const platform::View& view, double scale);

  ElementLayout& layout() { return layout_; }
  PngRenderer& pngRenderer() { return png_; }
  ImageAssets& images() { return images_; }

 private:
  TextShaper text_;
  ImageAssets images_;
  ElementLayout layout_;
  PngRenderer png_;
  HtmlRenderer html_;
};

// The driver's `shot` and `html`: the screen as the window shows it, to a file. False, with
// the reason in `error`, when the file cannot be written.
bool writeScreenPng(platform::Screen& screen, const std::string& path, std::string& error);
bool writeScreenHtml(platform::Screen& screen, const std::string& path, std::string& error);

}  // namespace kassio::host
