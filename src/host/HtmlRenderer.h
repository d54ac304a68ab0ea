#pragma once

#include <set>
#include <string>
#include <unordered_map>
#include <vector>

#include "host/ElementKinds.h"
#include "host/ImageAssets.h"
#include "host/LayoutBox.h"

namespace kassio::host {

// Writes laid-out element trees as one self-contained HTML page: inline CSS, images as data:
// URIs, every element absolutely placed where the layout put it. Named elements carry their
// path as id ("titleLabel", "txtMobileNumber.textFIeld", "collectionView.2.amountLabel") and
// their kind as data-kind, so a browser host can find them and send actions back. Elements of
// a screen other than the top layer's own carry "<ScreenClass>/" before their path. An element's
// tag, classes and content, and its kind's style rules, come from its row in the element kinds
// table.
class HtmlRenderer {
 public:
  struct Layer {
    const LayoutBox* box = nullptr;
    std::string screenClass;  // the screen the layer shows, or empty
    // Root views of the screens shown in the layer (the layer's own, its children), by class.
    std::unordered_map<const platform::View*, std::string> screens;
  };

  explicit HtmlRenderer(ImageAssets& images, const ElementKinds& kinds = ElementKinds::standard())
      : images_(images), kinds_(kinds) {}

  // The layers over one another, the last on top, in a window of `size` points.
  std::string page(const std::string& title, const std::vector<Layer>& layers, platform::Size size);

  static std::string escape(const std::string& text);
  // "#RRGGBB" when opaque, "rgba(…)" otherwise.
  static std::string cssColor(const platform::Color& color);

  // For the rows of the kinds table.
  ImageAssets& images() { return images_; }
  static std::string px(double value);  // "12.5px"
  static std::string fontCss(const platform::Font& font);
  // The text of a label, title or field as spans of its runs.
  static std::string textHtml(const TextSpec& textSpec);
  // A picture as drawn, or a template as its shape filled with the owner's tint.
  std::string imageHtml(const platform::Image& image, bool tinted, const platform::View& owner,
                        const std::string& classes, const std::string& sizeStyle);

 private:
  struct Scope {
    const Layer* layer = nullptr;
    bool topLayer = false;
    std::string screen;  // class of the nearest screen
    std::string path;    // prefix of outlet paths inside it
  };
  void element(std::string& out, const LayoutBox& box, Scope scope);
  std::string uniqueId(const std::string& wanted);
  std::string styleSheet() const;

  ImageAssets& images_;
  const ElementKinds& kinds_;
  std::set<std::string> ids_;
};

}  // namespace kassio::host
