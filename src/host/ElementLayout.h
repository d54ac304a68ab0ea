#pragma once

#include <optional>
#include <vector>

#include "host/ElementKinds.h"
#include "host/ImageAssets.h"
#include "host/LayoutBox.h"
#include "host/TextShaper.h"
#include "kassio/platform/ui/Button.h"
#include "kassio/platform/ui/Label.h"
#include "kassio/platform/ui/StackView.h"
#include "kassio/platform/ui/TextField.h"
#include "kassio/platform/ui/WebView.h"

namespace kassio::host {

// Lays an element tree out in a phone-width column. The screens state few frames, so the
// layout is a simple one of our own, legible and stable rather than exact:
// - a stack view places its visible children along its axis with its spacing; across a
//   vertical stack they take the full width, in a horizontal one they are centred on the row,
//   and the width left over after fixed-width children is shared by the others;
// - any other container stacks its visible children top to bottom at full width; a child whose
//   frame has an origin of its own is placed there instead;
// - a container with rounded corners or a border keeps its stacked children 12 points in;
// - labels take the height of their text, measured with pango at their width; images their
//   natural size (an asset's own size, a pixel per point of data), scaled down to fit, and
//   sit centred in a column, as do activity indicators and animations;
// - a stated frame size is kept, except that a container grows to hold its children;
// - hidden elements and their subtrees take no space and are left out; list rows follow one
//   another (a paged list shows its current page).
// What each kind of element measures and how it arranges its children come from its row in
// the element kinds table; the frames and the column are this class's.
// The module's frames are not changed: the result is a separate tree of boxes.
class ElementLayout {
 public:
  static constexpr double phoneWidth = 390;
  static constexpr platform::Color systemTint{0x00, 0x7A, 0xFF, 1};

  ElementLayout(TextShaper& text, ImageAssets& images, const ElementKinds& kinds = ElementKinds::standard())
      : text_(text), images_(images), kinds_(kinds) {}

  // The visible tree of `root` in a box `size.width` wide and at least `size.height` tall (or
  // as tall as the root's frame states), taller when its content needs it. A hidden root gives
  // an empty box without a view.
  LayoutBox layout(const platform::View& root, platform::Size size);

  // The text of an element as it is drawn; empty text gives no textSpec.
  static std::optional<TextSpec> labelText(const platform::Label& label);
  static std::optional<TextSpec> buttonTitle(const platform::Button& button);
  static std::optional<TextSpec> fieldText(const platform::TextField& field);
  static std::optional<TextSpec> webText(const platform::WebView& web);

  // For the rows of the kinds table.
  // The element's box at this width, its subtree laid out.
  LayoutBox place(const platform::View& view, double width);
  // The width the element asks for, at most `limit`.
  double naturalWidth(const platform::View& view, double limit);
  // Children stacked top to bottom from `top`; returns the height they reach. With
  // `honourOrigins`, a child whose frame has an origin is placed there instead.
  double flowVertically(const platform::View& parent, const std::vector<const platform::View*>& children,
                        LayoutBox& box, double width, double spacing, bool honourOrigins, double top = 0);
  // The widest of the visible children with the parent's inset, as flowVertically places them.
  double columnWidth(const platform::View& parent, double limit, bool honourOrigins);
  ElementSizing sizing(const platform::View& view);
  bool isLeaf(const platform::View& view);
  // Shaped to fit `width`: on one line when it fits, broken (or cut short) when it does not.
  std::shared_ptr<const TextBlock> fit(const TextSpec& textSpec, double width);
  std::shared_ptr<const TextBlock> shape(const TextSpec& textSpec, std::optional<double> width) {
    return text_.shape(textSpec, width);
  }
  platform::Size imageSize(const platform::Image& image) { return images_.naturalSize(image); }

  static std::optional<double> statedWidth(const platform::View& view);
  static std::optional<double> statedHeight(const platform::View& view);
  // Rounded or bordered containers keep their stacked children this far in.
  static double insetOf(const platform::View& view);
  static std::vector<const platform::View*> visibleSubviews(const platform::View& view);

 private:
  TextShaper& text_;
  ImageAssets& images_;
  const ElementKinds& kinds_;
};

}  // namespace kassio::host
