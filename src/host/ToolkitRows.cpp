#include "host/ToolkitRows.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "host/ElementLayout.h"
#include "host/HtmlRenderer.h"
#include "host/PngRenderer.h"
#include "kassio/platform/ui/ActivityIndicator.h"
#include "kassio/platform/ui/AnimationView.h"
#include "kassio/platform/ui/ImageView.h"
#include "kassio/platform/ui/ListView.h"
#include "kassio/platform/ui/PageControl.h"

namespace kassio::host {

using platform::Color;
using platform::Rect;
using platform::Size;
using platform::View;

namespace {

constexpr double kButtonPadding = 12;  // each side of a title
constexpr double kButtonImageGap = 6;
constexpr double kButtonMinHeight = 44;  // a comfortable touch target
constexpr double kFieldMinHeight = 36;
constexpr double kFieldInset = 4;
constexpr double kIndicatorSize = 20;
constexpr double kAnimationSize = 80;
constexpr double kPageControlHeight = 26;
constexpr double kPageDot = 7;
constexpr double kPageDotPitch = 16;
constexpr double kWebInset = 8;
constexpr Color kPageDotColor{0xC7, 0xC7, 0xCC, 1};
constexpr Color kCurrentPageDotColor{0x3C, 0x3C, 0x43, 1};
constexpr Color kIndicatorColor{0x8E, 0x8E, 0x93, 1};
constexpr Color kAnimationBack{0xEE, 0xF0, 0xF2, 1};
constexpr Color kAnimationMark{0x9C, 0xA3, 0xAF, 1};

double textHeight(const LayoutBox& box) { return box.text ? box.text->size().height : 0; }

std::string textColorCss(const TextSpec& textSpec) {
  return HtmlRenderer::fontCss(textSpec.font) + "color:" + HtmlRenderer::cssColor(textSpec.color) + ";";
}

// Labels: text of their own height, measured at their width.

const char* alignCss(platform::TextAlignment alignment) {
  switch (alignment) {
    case platform::TextAlignment::center:
      return "center";
    case platform::TextAlignment::right:
      return "right";
    case platform::TextAlignment::justified:
      return "justify";
    default:
      return "left";
  }
}

ElementRow<platform::Label> labelRow() {
  using platform::Label;
  return {
      .kind = "label",
      .leaf = true,
      .measure = [](const Label& label, ElementLayout& layout, double width, LayoutBox& box) -> double {
        auto textSpec = ElementLayout::labelText(label);
        if (!textSpec) return 0;
        box.text = layout.fit(*textSpec, width);
        return textHeight(box);
      },
      .contentWidth = [](const Label& label, ElementLayout& layout) -> double {
        auto textSpec = ElementLayout::labelText(label);
        auto block = textSpec ? layout.shape(*textSpec, std::nullopt) : nullptr;
        return block ? block->size().width : 0;
      },
      .paint =
          [](const Label& label, PngRenderer&, cairo_t* cr, const LayoutBox& box) {
            if (box.text) PngRenderer::drawText(cr, *box.text, {{0, 0}, box.frame.size}, label.textAlignment);
          },
      .css =
          ".k-label{display:flex;align-items:center}"
          ".k-text{display:block;width:100%;white-space:pre-wrap;overflow-wrap:anywhere}"
          ".k-one{white-space:pre;overflow:hidden;text-overflow:ellipsis}"
          ".k-clamp{display:-webkit-box;-webkit-box-orient:vertical;overflow:hidden}",
      .tag =
          [](const Label& label, const LayoutBox& box, HtmlTag& tag) {
            tag.classes += " k-label";
            if (auto textSpec = ElementLayout::labelText(label)) tag.style += textColorCss(*textSpec);
            // Lines as far apart as they were measured, so the text fills the box it was given.
            if (box.text) {
              int lines = std::max(pango_layout_get_line_count(box.text->layout()), 1);
              tag.style += "line-height:" + HtmlRenderer::px(box.text->size().height / lines) + ";";
            }
          },
      .content =
          [](const Label& label, HtmlRenderer&, const LayoutBox&, std::string& out) {
            auto textSpec = ElementLayout::labelText(label);
            if (!textSpec) return;
            std::string style = std::string("text-align:") + alignCss(label.textAlignment) + ";";
            std::string classes = "k-text";
            if (textSpec->lines == 1) {
              classes += " k-one";
            } else if (textSpec->lines > 1) {
              classes += " k-clamp";
              style += "-webkit-line-clamp:" + std::to_string(textSpec->lines) + ";";
            }
            out += "<span class=\"" + classes + "\" style=\"" + style + "\">" + HtmlRenderer::textHtml(*textSpec) +
                   "</span>";
          },
  };
}

// Buttons: a title and an image side by side, centred; an image alone keeps its own size.

Rect fittedSize(Size natural, double width, double height) {
  if (natural.width <= 0 || natural.height <= 0) return {};
  double factor = std::min({1.0, width / natural.width, height / natural.height});
  return {{0, 0}, {natural.width * factor, natural.height * factor}};
}

bool tinted(const platform::Image& image) {
  return image.renderingMode == platform::ImageRenderingMode::alwaysTemplate;
}

void paintButton(const platform::Button& button, PngRenderer& png, cairo_t* cr, const LayoutBox& box) {
  const auto& size = box.frame.size;
  if (button.backgroundImageColor) {
    PngRenderer::shapePath(cr, button, size);
    PngRenderer::setColor(cr, *button.backgroundImageColor);
    cairo_fill(cr);
  }
  Rect image;
  double titleWidth = box.text ? box.text->size().width : 0;
  if (button.image) {
    double room = box.text ? size.width - 2 * kButtonPadding - titleWidth - kButtonImageGap : size.width;
    image = fittedSize(png.images().naturalSize(*button.image), std::max(room, 0.0), size.height);
  }
  double gap = image.width() > 0 && box.text ? kButtonImageGap : 0;
  double x = (size.width - image.width() - gap - titleWidth) / 2;
  if (image.width() > 0) {
    image.origin = {x, (size.height - image.height()) / 2};
    png.images().draw(cr, *button.image, image,
                      tinted(*button.image) ? std::optional(PngRenderer::effectiveTint(button)) : std::nullopt);
  }
  if (box.text) {
    double left = x + image.width() + gap;
    PngRenderer::drawText(cr, *box.text, {{left, 0}, {std::max(size.width - left, titleWidth), size.height}},
                          platform::TextAlignment::natural);
  }
}

ElementRow<platform::Button> buttonRow() {
  using platform::Button;
  return {
      .kind = "button",
      .leaf = true,
      .sizing =
          [](const Button& button) {
            return button.title().empty() && button.image ? ElementSizing::own : ElementSizing::fill;
          },
      .measure = [](const Button& button, ElementLayout& layout, double width, LayoutBox& box) -> double {
        Size image = button.image ? layout.imageSize(*button.image) : Size{};
        auto textSpec = ElementLayout::buttonTitle(button);
        if (!textSpec)
          return image.width > width && image.width > 0 ? image.height * width / image.width : image.height;
        double imagePart = image.width > 0 ? image.width + kButtonImageGap : 0;
        box.text = layout.fit(*textSpec, width - 2 * kButtonPadding - imagePart);
        return std::max({kButtonMinHeight, textHeight(box) + 20, image.height});
      },
      .contentWidth = [](const Button& button, ElementLayout& layout) -> double {
        double image = button.image ? layout.imageSize(*button.image).width : 0;
        auto textSpec = ElementLayout::buttonTitle(button);
        auto block = textSpec ? layout.shape(*textSpec, std::nullopt) : nullptr;
        return block ? block->size().width + 2 * kButtonPadding + (image > 0 ? image + kButtonImageGap : 0) : image;
      },
      .paint = paintButton,
      .css =
          "button.k{font:inherit;color:inherit;background-color:transparent;cursor:pointer;display:block}"
          ".k-button{position:absolute;inset:0;display:flex;align-items:center;justify-content:center;gap:6px;"
          "padding:0 12px;white-space:pre;overflow:hidden}"
          ".k-button img,.k-button .k-mask{flex:none}",
      .tag =
          [](const Button& button, const LayoutBox&, HtmlTag& tag) {
            tag.name = "button";
            if (button.backgroundImageColor) {
              auto fill = HtmlRenderer::cssColor(*button.backgroundImageColor);
              tag.style += "background-image:linear-gradient(" + fill + "," + fill + ");";
            }
            if (auto textSpec = ElementLayout::buttonTitle(button)) tag.style += textColorCss(*textSpec);
            tag.attributes += " type=\"button\"";
            if (!button.enabled) tag.attributes += " disabled";
          },
      .content =
          [](const Button& button, HtmlRenderer& html, const LayoutBox& box, std::string& out) {
            bool titled = !button.title().empty();
            out += titled ? "<span class=\"k-button\">" : "<span class=\"k-button\" style=\"padding:0\">";
            if (button.image) {
              // Sized like the drawn picture: its own size, smaller when the button is.
              auto natural = html.images().naturalSize(*button.image);
              double cap = std::min({1.0, box.frame.size.height / std::max(natural.height, 1.0),
                                     box.frame.size.width / std::max(natural.width, 1.0)});
              out += html.imageHtml(*button.image, tinted(*button.image), button, "",
                                    "width:" + HtmlRenderer::px(natural.width * cap) +
                                        ";height:" + HtmlRenderer::px(natural.height * cap) + ";");
            }
            if (auto textSpec = ElementLayout::buttonTitle(button))
              out += "<span>" + HtmlRenderer::textHtml(*textSpec) + "</span>";
            out += "</span>";
          },
  };
}

// Text fields: one line of text or placeholder, inset from the edges.

const char* inputMode(platform::KeyboardType type) {
  switch (type) {
    case platform::KeyboardType::numberPad:
      return "numeric";
    case platform::KeyboardType::decimalPad:
      return "decimal";
    case platform::KeyboardType::phonePad:
      return "tel";
    case platform::KeyboardType::emailAddress:
      return "email";
    default:
      return "text";
  }
}

ElementRow<platform::TextField> fieldRow() {
  using platform::TextField;
  return {
      .kind = "textField",
      .leaf = true,
      .measure = [](const TextField& field, ElementLayout& layout, double width, LayoutBox& box) -> double {
        if (auto textSpec = ElementLayout::fieldText(field)) box.text = layout.fit(*textSpec, width - 2 * kFieldInset);
        return std::max(kFieldMinHeight, textHeight(box) + 16);
      },
      .paint =
          [](const TextField&, PngRenderer&, cairo_t* cr, const LayoutBox& box) {
            const auto& size = box.frame.size;
            if (box.text)
              PngRenderer::drawText(cr, *box.text, {{kFieldInset, 0}, {size.width - 2 * kFieldInset, size.height}},
                                    platform::TextAlignment::natural);
          },
      .css =
          ".k-input{position:absolute;inset:0 4px;width:calc(100% - 8px);border:0;outline:0;padding:0;"
          "background:transparent;font:inherit;color:inherit}",
      .content =
          [](const TextField& field, HtmlRenderer&, const LayoutBox&, std::string& out) {
            auto font = field.font.value_or(FontCatalog::defaultFont());
            out += "<input class=\"k-input\" type=\"" + std::string(field.isSecureTextEntry ? "password" : "text") +
                   "\" inputmode=\"" + inputMode(field.keyboardType) + "\" value=\"" +
                   HtmlRenderer::escape(field.text) + "\" placeholder=\"" + HtmlRenderer::escape(field.placeholder) +
                   "\" style=\"" + HtmlRenderer::fontCss(font) +
                   "color:" + HtmlRenderer::cssColor(field.textColor.value_or(Color::black())) + "\"" +
                   (field.enabled ? "" : " disabled") + ">";
          },
  };
}

// Images: their natural size, scaled down to fit, centred in a column.

ElementRow<platform::ImageView> imageRow() {
  using platform::ImageView;
  return {
      .kind = "image",
      .leaf = true,
      .sizing = [](const ImageView&) { return ElementSizing::ownCentred; },
      .measure = [](const ImageView& view, ElementLayout& layout, double width, LayoutBox&) -> double {
        if (!view.image) return 0;
        auto natural = layout.imageSize(*view.image);
        return natural.width > 0 ? width * natural.height / natural.width : natural.height;
      },
      .contentWidth = [](const ImageView& view, ElementLayout& layout) -> double {
        if (!view.image) return 0;
        auto natural = layout.imageSize(*view.image);
        auto height = ElementLayout::statedHeight(view);
        return height && natural.height > 0 ? natural.width * *height / natural.height : natural.width;
      },
      .paint =
          [](const ImageView& view, PngRenderer& png, cairo_t* cr, const LayoutBox& box) {
            if (view.image)
              png.images().draw(cr, *view.image, {{0, 0}, box.frame.size},
                                view.isTemplate() ? std::optional(PngRenderer::effectiveTint(view)) : std::nullopt);
          },
      .css =
          ".k-img{position:absolute;inset:0;width:100%;height:100%;object-fit:contain}"
          ".k-mask{display:block;-webkit-mask-position:center;mask-position:center;-webkit-mask-size:contain;"
          "mask-size:contain;-webkit-mask-repeat:no-repeat;mask-repeat:no-repeat}",
      .content =
          [](const ImageView& view, HtmlRenderer& html, const LayoutBox&, std::string& out) {
            if (view.image) out += html.imageHtml(*view.image, view.isTemplate(), view, "k-img", "");
          },
  };
}

// Page controls: a dot a page, the current one darker.

bool showsDots(const platform::PageControl& pages) {
  return pages.numberOfPages > 1 || (pages.numberOfPages == 1 && !pages.hidesForSinglePage);
}

Color dotColor(const platform::PageControl& pages, int page) {
  return page == pages.currentPage ? pages.currentPageIndicatorTintColor.value_or(kCurrentPageDotColor)
                                   : pages.pageIndicatorTintColor.value_or(kPageDotColor);
}

ElementRow<platform::PageControl> pageControlRow() {
  using platform::PageControl;
  return {
      .kind = "pageControl",
      .leaf = true,
      .measure = [](const PageControl& pages, ElementLayout&, double, LayoutBox&) -> double {
        return showsDots(pages) ? kPageControlHeight : 0;
      },
      .contentWidth = [](const PageControl& pages, ElementLayout&) -> double {
        return pages.numberOfPages * kPageDotPitch;
      },
      .paint =
          [](const PageControl& pages, PngRenderer&, cairo_t* cr, const LayoutBox& box) {
            if (!showsDots(pages)) return;
            const auto& size = box.frame.size;
            double x = (size.width - pages.numberOfPages * kPageDotPitch) / 2 + kPageDotPitch / 2;
            for (int page = 0; page < pages.numberOfPages; ++page, x += kPageDotPitch) {
              cairo_arc(cr, x, size.height / 2, kPageDot / 2, 0, 2 * std::numbers::pi);
              PngRenderer::setColor(cr, dotColor(pages, page));
              cairo_fill(cr);
            }
          },
      .css =
          ".k-pages{position:absolute;inset:0;display:flex;align-items:center;justify-content:center}"
          ".k-dot{width:7px;height:7px;margin:0 4.5px;border-radius:50%}",
      .content =
          [](const PageControl& pages, HtmlRenderer&, const LayoutBox&, std::string& out) {
            if (!showsDots(pages)) return;
            out += "<span class=\"k-pages\">";
            for (int page = 0; page < pages.numberOfPages; ++page)
              out += "<span class=\"k-dot\" style=\"background:" + HtmlRenderer::cssColor(dotColor(pages, page)) +
                     "\"></span>";
            out += "</span>";
          },
  };
}

// Activity indicators and animations: a fixed square, centred in a column.

ElementRow<platform::ActivityIndicator> indicatorRow() {
  using platform::ActivityIndicator;
  return {
      .kind = "activityIndicator",
      .leaf = true,
      .sizing = [](const ActivityIndicator&) { return ElementSizing::ownCentred; },
      .measure = [](const ActivityIndicator&, ElementLayout&, double, LayoutBox&) { return kIndicatorSize; },
      .contentWidth = [](const ActivityIndicator&, ElementLayout&) { return kIndicatorSize; },
      .paint =
          [](const ActivityIndicator&, PngRenderer&, cairo_t* cr, const LayoutBox& box) {
            const auto& size = box.frame.size;
            double radius = std::min(size.width, size.height) / 2;
            cairo_save(cr);
            cairo_translate(cr, size.width / 2, size.height / 2);
            cairo_set_line_width(cr, radius * 0.2);
            cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
            for (int spoke = 0; spoke < 8; ++spoke) {
              double angle = spoke * std::numbers::pi / 4;
              cairo_move_to(cr, std::cos(angle) * radius * 0.45, std::sin(angle) * radius * 0.45);
              cairo_line_to(cr, std::cos(angle) * radius * 0.85, std::sin(angle) * radius * 0.85);
              PngRenderer::setColor(cr, kIndicatorColor, 0.25 + 0.75 * spoke / 7);
              cairo_stroke(cr);
            }
            cairo_restore(cr);
          },
      .css =
          ".k-spinner{position:absolute;left:50%;top:50%;width:70%;height:70%;transform:translate(-50%,-50%);"
          "box-sizing:border-box;border:2px solid #8E8E93;border-top-color:transparent;border-radius:50%}",
      .content = [](const ActivityIndicator&, HtmlRenderer&, const LayoutBox&,
                    std::string& out) { out += "<span class=\"k-spinner\"></span>"; },
  };
}

ElementRow<platform::AnimationView> animationRow() {
  using platform::AnimationView;
  return {
      .kind = "animation",
      .leaf = true,
      .sizing = [](const AnimationView&) { return ElementSizing::ownCentred; },
      .measure = [](const AnimationView&, ElementLayout&, double, LayoutBox&) { return kAnimationSize; },
      .contentWidth = [](const AnimationView&, ElementLayout&) { return kAnimationSize; },
      .paint =
          [](const AnimationView&, PngRenderer&, cairo_t* cr, const LayoutBox& box) {
            const auto& size = box.frame.size;
            double side = std::min(size.width, size.height);
            if (side <= 0) return;
            cairo_save(cr);
            cairo_translate(cr, (size.width - side) / 2, (size.height - side) / 2);
            PngRenderer::roundedPath(cr, side, side, side / 6, platform::allCorners);
            PngRenderer::setColor(cr, kAnimationBack);
            cairo_fill(cr);
            cairo_move_to(cr, side * 0.4, side * 0.3);
            cairo_line_to(cr, side * 0.7, side * 0.5);
            cairo_line_to(cr, side * 0.4, side * 0.7);
            cairo_close_path(cr);
            PngRenderer::setColor(cr, kAnimationMark);
            cairo_fill(cr);
            cairo_restore(cr);
          },
      .css =
          ".k-animation{position:absolute;inset:0;margin:auto;aspect-ratio:1;max-width:100%;max-height:100%;"
          "border-radius:16%;background:#EEF0F2}",
      .content = [](const AnimationView&, HtmlRenderer&, const LayoutBox&,
                    std::string& out) { out += "<span class=\"k-animation\"></span>"; },
  };
}

// Web views: the readable text of their page in a picture; the page itself in HTML.

ElementRow<platform::WebView> webRow() {
  using platform::WebView;
  return {
      .kind = "web",
      .leaf = true,
      .measure = [](const WebView& web, ElementLayout& layout, double width, LayoutBox& box) -> double {
        if (auto textSpec = ElementLayout::webText(web))
          box.text = layout.shape(*textSpec, std::max(width - 2 * kWebInset, 0.0));
        return std::max(kButtonMinHeight, textHeight(box) + 2 * kWebInset);
      },
      .paint =
          [](const WebView&, PngRenderer&, cairo_t* cr, const LayoutBox& box) {
            if (!box.text) return;
            cairo_move_to(cr, kWebInset, kWebInset);
            box.text->draw(cr);
          },
      .css = ".k-web{position:absolute;inset:0;width:100%;height:100%;border:0}",
      .content =
          [](const WebView& web, HtmlRenderer&, const LayoutBox&, std::string& out) {
            out += "<iframe class=\"k-web\" sandbox=\"\" srcdoc=\"" + HtmlRenderer::escape(web.html()) + "\"></iframe>";
          },
  };
}

// Stack views: their children along the axis with the spacing.

double stackHorizontally(const platform::StackView& stack, ElementLayout& layout, LayoutBox& box, double width) {
  auto children = ElementLayout::visibleSubviews(stack);
  if (children.empty()) return 0;
  double pad = ElementLayout::insetOf(stack);
  double free = std::max(width - 2 * pad, 0.0) - stack.spacing * static_cast<double>(children.size() - 1);
  // Children of a fixed width keep it; the others share what is left, in proportion to what
  // their content asks for when it does not all fit, evenly when there is room to spare.
  std::vector<double> widths(children.size());
  std::vector<bool> flexible(children.size());
  double flexibleNeed = 0;
  std::size_t flexibleCount = 0;
  for (std::size_t i = 0; i < children.size(); ++i) {
    const auto& child = *children[i];
    flexible[i] = !ElementLayout::statedWidth(child) && layout.sizing(child) == ElementSizing::fill;
    widths[i] = layout.naturalWidth(child, std::max(free, 0.0));
    if (flexible[i]) {
      flexibleNeed += widths[i];
      ++flexibleCount;
    } else {
      free -= widths[i];
    }
  }
  free = std::max(free, 0.0);
  for (std::size_t i = 0; i < children.size(); ++i) {
    if (!flexible[i]) continue;
    if (flexibleNeed <= free) {
      widths[i] += (free - flexibleNeed) / static_cast<double>(flexibleCount);
    } else {
      widths[i] = flexibleNeed > 0 ? free * widths[i] / flexibleNeed : 0;
    }
  }
  std::vector<LayoutBox> placed;
  double row = 0;
  for (std::size_t i = 0; i < children.size(); ++i) {
    placed.push_back(layout.place(*children[i], widths[i]));
    row = std::max(row, placed.back().frame.size.height);
  }
  double x = pad;
  for (std::size_t i = 0; i < children.size(); ++i) {
    auto& item = placed[i];
    // Containers without a height of their own fill the row; content is centred on it.
    if (!layout.isLeaf(*children[i]) && !ElementLayout::statedHeight(*children[i])) item.frame.size.height = row;
    item.frame.origin = {x, pad + (row - item.frame.size.height) / 2};
    x += item.frame.size.width + stack.spacing;
    box.children.push_back(std::move(item));
  }
  return row + 2 * pad;
}

ElementRow<platform::StackView> stackRow() {
  using platform::StackView;
  return {
      .kind = "stack",
      .arrange = [](const StackView& stack, ElementLayout& layout, LayoutBox& box, double width) -> double {
        if (stack.axis == platform::LayoutAxis::horizontal) return stackHorizontally(stack, layout, box, width);
        return layout.flowVertically(stack, ElementLayout::visibleSubviews(stack), box, width, stack.spacing, false);
      },
      .childrenWidth = [](const StackView& stack, ElementLayout& layout, double limit) -> double {
        if (stack.axis == platform::LayoutAxis::vertical) return layout.columnWidth(stack, limit, false);
        auto children = ElementLayout::visibleSubviews(stack);
        if (children.empty()) return 0;
        double inner = stack.spacing * static_cast<double>(children.size() - 1);
        for (const auto* child : children) inner += layout.naturalWidth(*child, limit);
        return inner + 2 * ElementLayout::insetOf(stack);
      },
  };
}

// Lists: rows one after another, a paged list showing its current page; views added to the
// list itself (an empty-state message) after the rows.

double layRows(const platform::ListView& list, ElementLayout& layout, LayoutBox& box, double width) {
  const auto& rows = list.rows();
  double reach = 0;
  if (list.isPagingEnabled) {
    // A paged list shows the page it rests on; the others lie beside it, cut off.
    box.clips = true;
    for (std::size_t i = 0; i < rows.size(); ++i) {
      if (rows[i]->hidden) continue;
      LayoutBox page = layout.place(*rows[i], width);
      page.row = static_cast<int>(i);
      page.frame.origin = {(static_cast<double>(i) - list.currentPage()) * width, 0};
      reach = std::max(reach, page.frame.size.height);
      box.children.push_back(std::move(page));
    }
  } else {
    for (std::size_t i = 0; i < rows.size(); ++i) {
      if (rows[i]->hidden) continue;
      LayoutBox cell = layout.place(*rows[i], ElementLayout::statedWidth(*rows[i]).value_or(width));
      cell.row = static_cast<int>(i);
      cell.frame.origin = {0, reach};
      reach += cell.frame.size.height;
      box.children.push_back(std::move(cell));
    }
  }
  return std::max(reach, layout.flowVertically(list, ElementLayout::visibleSubviews(list), box, width, 0, true, reach));
}

ElementRow<platform::ListView> listRow() {
  return {
      .kind = "list",
      .arrange = layRows,
      // A list asks for no width of its own: its rows take the width it is given.
      .childrenWidth = [](const platform::ListView&, ElementLayout&, double) { return 0.0; },
  };
}

}  // namespace

void addToolkitRows(ElementKinds& kinds) {
  // Bases before their subclasses (scroll views before lists), as the lookup wants.
  kinds.add(ElementRow<platform::ScrollView>{.kind = "scroll"});
  kinds.add(listRow());
  kinds.add(stackRow());
  kinds.add(labelRow());
  kinds.add(buttonRow());
  kinds.add(fieldRow());
  kinds.add(imageRow());
  kinds.add(pageControlRow());
  kinds.add(indicatorRow());
  kinds.add(animationRow());
  kinds.add(webRow());
}

}  // namespace kassio::host
