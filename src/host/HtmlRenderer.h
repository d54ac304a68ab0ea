#pragma once

#include <set>
#include <string>
#include <unordered_map>
#include <vector>

#include "host/ImageAssets.h"
#include "host/LayoutBox.h"

namespace kassio::host {

// Writes laid-out element trees as one self-contained HTML page: inline CSS, images as data:
// URIs, every element absolutely placed where the layout put it. Named elements carry their
// path as id ("titleLabel", "txtMobileNumber.textFIeld", "collectionView.2.amountLabel") and
// their kind as data-kind, so a browser host can find them and send actions back. Elements of
// a screen other than the top layer's own carry "<ScreenClass>/" before their path.
class HtmlRenderer {
 public:
  struct Layer {
    const LayoutBox* box = nullptr;
    std::string screenClass;  // the screen the layer shows, or empty
    // Root views of the screens shown in the layer (the layer's own, its children), by class.
    std::unordered_map<const platform::View*, std::string> screens;
  };

  explicit HtmlRenderer(ImageAssets& images) : images_(images) {}

  // The layers over one another, the last on top, in a window of `size` points.
  std::string page(const std::string& title, const std::vector<Layer>& layers, platform::Size size);

  static std::string escape(const std::string& text);
  // "#RRGGBB" when opaque, "rgba(…)" otherwise.
  static std::string cssColor(const platform::Color& color);

 private:
  struct Scope {
    const Layer* layer = nullptr;
    bool topLayer = false;
    std::string screen;  // class of the nearest screen
    std::string path;    // prefix of outlet paths inside it
  };
  void element(std::string& out, const LayoutBox& box, Scope scope);
  std::string uniqueId(const std::string& wanted);
  void content(std::string& out, const LayoutBox& box);

  ImageAssets& images_;
  std::set<std::string> ids_;
};

}  // namespace kassio::host
