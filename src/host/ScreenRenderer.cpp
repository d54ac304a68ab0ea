#include "host/ScreenRenderer.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fstream>

#include "kassio/platform/ui/NavigationController.h"

namespace kassio::host {

using platform::Screen;

namespace {

bool coversNothing(const Screen& screen) {
  auto style = screen.modalPresentationStyle;
  return style == platform::ModalPresentationStyle::overCurrentContext ||
         style == platform::ModalPresentationStyle::overFullScreen;
}

// The screens whose views make up `screen`'s tree, by root view: itself, its children, the
// top of a navigation stack, and theirs.
void collectScreens(Screen& screen, std::unordered_map<const platform::View*, std::string>& out) {
  out.emplace(screen.view().get(), screen.className());
  for (const auto& child : screen.children()) collectScreens(*child, out);
  if (auto* navigation = dynamic_cast<platform::NavigationController*>(&screen))
    if (auto top = navigation->topViewController()) collectScreens(*top, out);
}

bool writeFile(const std::string& path, const void* data, std::size_t size, std::string& error) {
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  if (!file) {
    error = "cannot write " + path + ": " + std::strerror(errno);
    return false;
  }
  file.write(static_cast<const char*>(data), static_cast<std::streamsize>(size));
  file.close();
  if (!file) {
    error = "cannot write " + path;
    return false;
  }
  return true;
}

}  // namespace

ScreenRenderer::ScreenRenderer(std::filesystem::path imageDirectory, const ElementKinds& kinds)
    : images_(std::move(imageDirectory)), layout_(text_, images_, kinds), png_(images_, kinds), html_(images_, kinds) {}

ScreenRenderer::Shot ScreenRenderer::layOut(Screen& screen) {
  std::vector<Screen*> chain{&screen};
  if (!screen.parent()) {
    for (Screen* top = &screen; coversNothing(*top) && top->presentingScreen();) {
      top = top->presentingScreen();
      chain.insert(chain.begin(), top);
    }
  }
  Shot shot;
  shot.size = windowSize;
  for (auto* layer : chain) {
    // A layer over another is at least as tall, so its backdrop covers what is below.
    shot.layers.push_back(layout_.layout(*layer->view(), shot.size));
    shot.size.height = std::max(shot.size.height, shot.layers.back().frame.size.height);
  }
  for (std::size_t i = 0; i < chain.size(); ++i) {
    HtmlRenderer::Layer layer{&shot.layers[i], chain[i]->className(), {}};
    collectScreens(*chain[i], layer.screens);
    shot.html.push_back(std::move(layer));
  }
  return shot;
}

std::vector<std::uint8_t> ScreenRenderer::png(Screen& screen, double scale) {
  auto shot = layOut(screen);
  std::vector<const LayoutBox*> layers;
  for (const auto& layer : shot.layers) layers.push_back(&layer);
  return png_.png(layers, shot.size, scale);
}

std::string ScreenRenderer::html(Screen& screen) {
  auto shot = layOut(screen);
  return html_.page(screen.className(), shot.html, shot.size);
}

bool ScreenRenderer::writePng(Screen& screen, const std::string& path, std::string& error, double scale) {
  auto bytes = png(screen, scale);
  if (bytes.empty()) {
    error = "the screen rendered no image";
    return false;
  }
  return writeFile(path, bytes.data(), bytes.size(), error);
}

bool ScreenRenderer::writeHtml(Screen& screen, const std::string& path, std::string& error) {
  auto page = html(screen);
  return writeFile(path, page.data(), page.size(), error);
}

std::vector<std::uint8_t> ScreenRenderer::capture(const platform::View& view, double scale) {
  if (view.hidden) return {};
  auto bounds = view.bounds().size;
  double width = bounds.width > 0 ? bounds.width : ElementLayout::phoneWidth;
  LayoutBox box = layout_.layout(view, {width, 0});
  platform::Size canvas{width, bounds.height > 0 ? bounds.height : box.frame.size.height};
  return png_.png({&box}, canvas, scale);
}

bool writeScreenPng(Screen& screen, const std::string& path, std::string& error) {
  ScreenRenderer renderer;
  return renderer.writePng(screen, path, error);
}

bool writeScreenHtml(Screen& screen, const std::string& path, std::string& error) {
  ScreenRenderer renderer;
  return renderer.writeHtml(screen, path, error);
}

}  // namespace kassio::host
