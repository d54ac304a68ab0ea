#include "host/HtmlRenderer.h"

#include <algorithm>
#include <cstdio>

#include "host/ElementLayout.h"
#include "host/PngRenderer.h"
#include "kassio/platform/ui/ActivityIndicator.h"
#include "kassio/platform/ui/AnimationView.h"
#include "kassio/platform/ui/ImageView.h"
#include "kassio/platform/ui/PageControl.h"

namespace kassio::host {

using platform::Color;

namespace {

constexpr const char* kStyleSheet =
    "html,body{margin:0;padding:0;background:#E5E5EA}"
    "#kassio-window{position:relative;margin:0 auto;overflow:hidden;background:#FFFFFF;"
    "font-family:'Inter',sans-serif;-webkit-font-smoothing:antialiased}"
    ".k-layer{position:absolute;left:0;top:0}"
    ".k{position:absolute;box-sizing:border-box;margin:0;padding:0;border:0 solid transparent;"
    "background-clip:padding-box}"
    ".k-label{display:flex;align-items:center}"
    ".k-text{display:block;width:100%;white-space:pre-wrap;overflow-wrap:anywhere}"
    ".k-one{white-space:pre;overflow:hidden;text-overflow:ellipsis}"
    ".k-clamp{display:-webkit-box;-webkit-box-orient:vertical;overflow:hidden}"
    "button.k{font:inherit;color:inherit;background-color:transparent;cursor:pointer;display:block}"
    ".k-button{position:absolute;inset:0;display:flex;align-items:center;justify-content:center;gap:6px;"
    "padding:0 12px;white-space:pre;overflow:hidden}"
    ".k-button img,.k-button .k-mask{flex:none}"
    ".k-input{position:absolute;inset:0 4px;width:calc(100% - 8px);border:0;outline:0;padding:0;"
    "background:transparent;font:inherit;color:inherit}"
    ".k-img{position:absolute;inset:0;width:100%;height:100%;object-fit:contain}"
    ".k-mask{display:block;-webkit-mask-position:center;mask-position:center;-webkit-mask-size:contain;"
    "mask-size:contain;-webkit-mask-repeat:no-repeat;mask-repeat:no-repeat}"
    ".k-pages{position:absolute;inset:0;display:flex;align-items:center;justify-content:center}"
    ".k-dot{width:7px;height:7px;margin:0 4.5px;border-radius:50%}"
    ".k-spinner{position:absolute;left:50%;top:50%;width:70%;height:70%;transform:translate(-50%,-50%);"
    "box-sizing:border-box;border:2px solid #8E8E93;border-top-color:transparent;border-radius:50%}"
    ".k-animation{position:absolute;inset:0;margin:auto;aspect-ratio:1;max-width:100%;max-height:100%;"
    "border-radius:16%;background:#EEF0F2}"
    ".k-web{position:absolute;inset:0;width:100%;height:100%;border:0}";

// A CSS number: two decimals at most, no trailing zeros.
std::string number(double value) {
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%.2f", value);
  std::string text = buffer;
  while (text.back() == '0') text.pop_back();
  if (text.back() == '.') text.pop_back();
  return text == "-0" ? "0" : text;
}

std::string px(double value) { return number(value) + "px"; }

std::string fontCss(const platform::Font& font) {
  auto face = FontCatalog::face(font.name);
  std::string family = "'" + face.family + "',";
  if (face.family == "Inter") family.clear();
  return "font-family:" + family + "'Inter',sans-serif;font-weight:" + std::to_string(face.weight) +
         ";font-style:" + (face.italic ? "italic" : "normal") + ";font-size:" + px(font.size > 0 ? font.size : 17) +
         ";";
}

// The text of a label, title or field as spans of its runs.
std::string textHtml(const TextSpec& textSpec) {
  if (!textSpec.runs) return HtmlRenderer::escape(textSpec.text);
  std::string out;
  for (const auto& run : textSpec.runs->runs) {
    std::string style;
    if (run.font) style += fontCss(*run.font);
    if (run.color) style += "color:" + HtmlRenderer::cssColor(*run.color) + ";";
    if (run.underline) {
      style += "text-decoration:underline;";
      if (run.underlineColor) style += "text-decoration-color:" + HtmlRenderer::cssColor(*run.underlineColor) + ";";
    }
    out += style.empty() ? "<span>" : "<span style=\"" + style + "\">";
    out += HtmlRenderer::escape(run.text) + "</span>";
  }
  return out;
}

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

std::string radiusCss(const platform::View& view) {
  if (view.cornerRadius <= 0) return "";
  auto corner = [&](unsigned bit) { return (view.maskedCorners & bit) ? px(view.cornerRadius) : std::string("0"); };
  return "border-radius:" + corner(platform::minXMinYCorner) + " " + corner(platform::maxXMinYCorner) + " " +
         corner(platform::maxXMaxYCorner) + " " + corner(platform::minXMaxYCorner) + ";";
}

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

}  // namespace

std::string HtmlRenderer::escape(const std::string& text) {
  std::string out;
  out.reserve(text.size());
  for (char c : text) {
    switch (c) {
      case '&':
        out += "&amp;";
        break;
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      case '"':
        out += "&quot;";
        break;
      case '\'':
        out += "&#39;";
        break;
      default:
        out += c;
    }
  }
  return out;
}

std::string HtmlRenderer::cssColor(const Color& color) {
  if (color.alpha >= 1) return color.hexString();
  char buffer[48];
  std::snprintf(buffer, sizeof buffer, "rgba(%d,%d,%d,%.3g)", color.red, color.green, color.blue,
                std::clamp(color.alpha, 0.0, 1.0));
  return buffer;
}

std::string HtmlRenderer::uniqueId(const std::string& wanted) {
  std::string id = wanted;
  for (int copy = 2; !ids_.insert(id).second; ++copy) id = wanted + "~" + std::to_string(copy);
  return id;
}

std::string HtmlRenderer::page(const std::string& title, const std::vector<Layer>& layers, platform::Size size) {
  ids_.clear();
  std::string body;
  for (std::size_t i = 0; i < layers.size(); ++i) {
    const auto& layer = layers[i];
    if (!layer.box || !layer.box->view) continue;
    body += "<div class=\"k-layer\"";
    if (!layer.screenClass.empty()) body += " data-screen=\"" + escape(layer.screenClass) + "\"";
    body += " style=\"width:" + px(size.width) + ";height:" + px(size.height) + "\">";
    element(body, *layer.box, Scope{&layer, i + 1 == layers.size(), layer.screenClass, ""});
    body += "</div>";
  }
  return "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n"
         "<meta name=\"viewport\" content=\"width=" +
         number(size.width) + "\">\n<title>" + escape(title) + "</title>\n<style>" + kStyleSheet +
         "</style>\n</head>\n<body>\n<div id=\"kassio-window\" style=\"width:" + px(size.width) +
         ";height:" + px(size.height) + "\">" + body + "</div>\n</body>\n</html>\n";
}

void HtmlRenderer::element(std::string& out, const LayoutBox& box, Scope scope) {
  const auto& view = *box.view;
  std::string screenAttribute;
  if (auto found = scope.layer->screens.find(&view); found != scope.layer->screens.end()) {
    scope.screen = found->second;
    scope.path.clear();
    screenAttribute = " data-screen=\"" + escape(found->second) + "\"";
  }
  std::string path = view.name.empty() ? std::string() : scope.path + view.name;
  bool ownScreen = scope.topLayer && scope.screen == scope.layer->screenClass;
  std::string id =
      path.empty() ? std::string() : uniqueId((ownScreen || scope.screen.empty() ? "" : scope.screen + "/") + path);

  const auto& size = box.frame.size;
  std::string style = "left:" + px(box.frame.origin.x) + ";top:" + px(box.frame.origin.y) + ";width:" + px(size.width) +
                      ";height:" + px(size.height) + ";";
  if (view.alpha < 1) style += "opacity:" + number(std::max(view.alpha, 0.0)) + ";";
  if (view.backgroundColor) style += "background-color:" + cssColor(*view.backgroundColor) + ";";
  style += radiusCss(view);
  if (view.borderWidth > 0 && view.borderColor)
    style += "border:" + px(view.borderWidth) + " solid " + cssColor(*view.borderColor) + ";";
  if (view.shadow.color && view.shadow.opacity > 0) {
    Color shade = *view.shadow.color;
    shade.alpha *= std::clamp(view.shadow.opacity, 0.0, 1.0);
    style += "box-shadow:" + px(view.shadow.offset.width) + " " + px(view.shadow.offset.height) + " " +
             px(view.shadow.radius * 2) + " " + cssColor(shade) + ";";
  }
  if (box.clips) style += "overflow:hidden;";

  const auto* button = dynamic_cast<const platform::Button*>(&view);
  const auto* label = dynamic_cast<const platform::Label*>(&view);
  std::string tag = button ? "button" : "div";
  std::string classes = label ? "k k-label" : "k";
  if (label) {
    if (auto textSpec = ElementLayout::labelText(*label))
      style += fontCss(textSpec->font) + "color:" + cssColor(textSpec->color) + ";";
    // Lines as far apart as they were measured, so the text fills the box it was given.
    if (box.text) {
      int lines = std::max(pango_layout_get_line_count(box.text->layout()), 1);
      style += "line-height:" + px(box.text->size().height / lines) + ";";
    }
  }
  if (button) {
    if (button->backgroundImageColor)
      style += "background-image:linear-gradient(" + cssColor(*button->backgroundImageColor) + "," +
               cssColor(*button->backgroundImageColor) + ");";
    if (auto textSpec = ElementLayout::buttonTitle(*button))
      style += fontCss(textSpec->font) + "color:" + cssColor(textSpec->color) + ";";
  }

  out += "<" + tag + " class=\"" + classes + "\"";
  if (!id.empty()) out += " id=\"" + escape(id) + "\"";
  out += " data-kind=\"" + escape(view.kind()) + "\"";
  if (!view.name.empty()) out += " data-name=\"" + escape(view.name) + "\"";
  if (box.row >= 0) out += " data-row=\"" + std::to_string(box.row) + "\"";
  out += screenAttribute;
  if (button) {
    out += " type=\"button\"";
    if (!button->enabled) out += " disabled";
  }
  out += " style=\"" + style + "\">";
  content(out, box);

  Scope inner = scope;
  if (!view.name.empty() && const_cast<platform::View&>(view).outlets()) inner.path = path + ".";
  for (const auto& child : box.children) {
    Scope childScope = inner;
    if (child.row >= 0) childScope.path = (path.empty() ? scope.path : path) + "." + std::to_string(child.row) + ".";
    element(out, child, childScope);
  }
  out += "</" + tag + ">";
}

void HtmlRenderer::content(std::string& out, const LayoutBox& box) {
  const auto* view = box.view;
  // A picture as drawn, or a template as its shape filled with the tint.
  auto imageHtml = [&](const platform::Image& image, bool tinted, const platform::View& owner,
                       const std::string& classes, const std::string& sizeStyle) {
    auto uri = images_.dataUri(image);
    if (!tinted) {
      return "<img class=\"" + classes + "\" alt=\"\" src=\"" + uri + "\"" +
             (sizeStyle.empty() ? std::string() : " style=\"" + sizeStyle + "\"") + ">";
    }
    return "<span class=\"k-mask " + classes + "\" style=\"" + sizeStyle +
           "background-color:" + cssColor(PngRenderer::effectiveTint(owner)) + ";-webkit-mask-image:url('" + uri +
           "');mask-image:url('" + uri + "')\"></span>";
  };
  if (const auto* label = dynamic_cast<const platform::Label*>(view)) {
    auto textSpec = ElementLayout::labelText(*label);
    if (!textSpec) return;
    std::string style = std::string("text-align:") + alignCss(label->textAlignment) + ";";
    std::string classes = "k-text";
    if (textSpec->lines == 1) {
      classes += " k-one";
    } else if (textSpec->lines > 1) {
      classes += " k-clamp";
      style += "-webkit-line-clamp:" + std::to_string(textSpec->lines) + ";";
    }
    out += "<span class=\"" + classes + "\" style=\"" + style + "\">" + textHtml(*textSpec) + "</span>";
  } else if (const auto* button = dynamic_cast<const platform::Button*>(view)) {
    bool titled = !button->title().empty();
    out += titled ? "<span class=\"k-button\">" : "<span class=\"k-button\" style=\"padding:0\">";
    if (button->image) {
      // Sized like the drawn picture: its own size, smaller when the button is.
      auto natural = images_.naturalSize(*button->image);
      double cap = std::min({1.0, box.frame.size.height / std::max(natural.height, 1.0),
                             box.frame.size.width / std::max(natural.width, 1.0)});
      bool tinted = button->image->renderingMode == platform::ImageRenderingMode::alwaysTemplate;
      out += imageHtml(*button->image, tinted, *button, "",
                       "width:" + px(natural.width * cap) + ";height:" + px(natural.height * cap) + ";");
    }
    if (auto textSpec = ElementLayout::buttonTitle(*button)) out += "<span>" + textHtml(*textSpec) + "</span>";
    out += "</span>";
  } else if (const auto* field = dynamic_cast<const platform::TextField*>(view)) {
    auto font = field->font.value_or(FontCatalog::defaultFont());
    out += "<input class=\"k-input\" type=\"" + std::string(field->isSecureTextEntry ? "password" : "text") +
           "\" inputmode=\"" + inputMode(field->keyboardType) + "\" value=\"" + escape(field->text) +
           "\" placeholder=\"" + escape(field->placeholder) + "\" style=\"" + fontCss(font) +
           "color:" + cssColor(field->textColor.value_or(Color::black())) + "\"" + (field->enabled ? "" : " disabled") +
           ">";
  } else if (const auto* imageView = dynamic_cast<const platform::ImageView*>(view)) {
    if (imageView->image) out += imageHtml(*imageView->image, imageView->isTemplate(), *imageView, "k-img", "");
  } else if (const auto* pages = dynamic_cast<const platform::PageControl*>(view)) {
    if (pages->numberOfPages < 1 || (pages->numberOfPages == 1 && pages->hidesForSinglePage)) return;
    out += "<span class=\"k-pages\">";
    for (int page = 0; page < pages->numberOfPages; ++page) {
      auto color = page == pages->currentPage
                       ? pages->currentPageIndicatorTintColor.value_or(ElementLayout::currentPageDotColor)
                       : pages->pageIndicatorTintColor.value_or(ElementLayout::pageDotColor);
      out += "<span class=\"k-dot\" style=\"background:" + cssColor(color) + "\"></span>";
    }
    out += "</span>";
  } else if (dynamic_cast<const platform::ActivityIndicator*>(view)) {
    out += "<span class=\"k-spinner\"></span>";
  } else if (dynamic_cast<const platform::AnimationView*>(view)) {
    out += "<span class=\"k-animation\"></span>";
  } else if (const auto* web = dynamic_cast<const platform::WebView*>(view)) {
    out += "<iframe class=\"k-web\" sandbox=\"\" srcdoc=\"" + escape(web->html()) + "\"></iframe>";
  }
}

}  // namespace kassio::host
