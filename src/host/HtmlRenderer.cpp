#include "host/HtmlRenderer.h"

#include <algorithm>
#include <cstdio>

#include "host/PngRenderer.h"

namespace kassio::host {

using platform::Color;

namespace {

// The page's own rules; each kind's row adds those of its elements.
constexpr const char* kStyleSheet =
    "html,body{margin:0;padding:0;background:#E5E5EA}"
    "#kassio-window{position:relative;margin:0 auto;overflow:hidden;background:#FFFFFF;"
    "font-family:'Inter',sans-serif;-webkit-font-smoothing:antialiased}"
    ".k-layer{position:absolute;left:0;top:0}"
    ".k{position:absolute;box-sizing:border-box;margin:0;padding:0;border:0 solid transparent;"
    "background-clip:padding-box}";

// A CSS number: two decimals at most, no trailing zeros.
std::string number(double value) {
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%.2f", value);
  std::string text = buffer;
  while (text.back() == '0') text.pop_back();
  if (text.back() == '.') text.pop_back();
  return text == "-0" ? "0" : text;
}

std::string radiusCss(const platform::View& view) {
  if (view.cornerRadius <= 0) return "";
  auto corner = [&](unsigned bit) {
    return (view.maskedCorners & bit) ? HtmlRenderer::px(view.cornerRadius) : std::string("0");
  };
  return "border-radius:" + corner(platform::minXMinYCorner) + " " + corner(platform::maxXMinYCorner) + " " +
         corner(platform::maxXMaxYCorner) + " " + corner(platform::minXMaxYCorner) + ";";
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

std::string HtmlRenderer::px(double value) { return number(value) + "px"; }

std::string HtmlRenderer::fontCss(const platform::Font& font) {
  auto face = FontCatalog::face(font.name);
  std::string family = "'" + face.family + "',";
  if (face.family == "Inter") family.clear();
  return "font-family:" + family + "'Inter',sans-serif;font-weight:" + std::to_string(face.weight) +
         ";font-style:" + (face.italic ? "italic" : "normal") + ";font-size:" + px(font.size > 0 ? font.size : 17) +
         ";";
}

std::string HtmlRenderer::textHtml(const TextSpec& textSpec) {
  if (!textSpec.runs) return escape(textSpec.text);
  std::string out;
  for (const auto& run : textSpec.runs->runs) {
    std::string style;
    if (run.font) style += fontCss(*run.font);
    if (run.color) style += "color:" + cssColor(*run.color) + ";";
    if (run.underline) {
      style += "text-decoration:underline;";
      if (run.underlineColor) style += "text-decoration-color:" + cssColor(*run.underlineColor) + ";";
    }
    out += style.empty() ? "<span>" : "<span style=\"" + style + "\">";
    out += escape(run.text) + "</span>";
  }
  return out;
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
         number(size.width) + "\">\n<title>" + escape(title) + "</title>\n<style>" + styleSheet() +
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

  const auto& row = kinds_.of(view);
  HtmlTag tag;
  tag.style = std::move(style);
  if (row.tag) row.tag(view, box, tag);

  out += "<" + tag.name + " class=\"" + tag.classes + "\"";
  if (!id.empty()) out += " id=\"" + escape(id) + "\"";
  out += " data-kind=\"" + escape(view.kind()) + "\"";
  if (!view.name.empty()) out += " data-name=\"" + escape(view.name) + "\"";
  if (box.row >= 0) out += " data-row=\"" + std::to_string(box.row) + "\"";
  out += screenAttribute + tag.attributes + " style=\"" + tag.style + "\">";
  if (row.content) row.content(view, *this, box, out);

  Scope inner = scope;
  if (!view.name.empty() && const_cast<platform::View&>(view).outlets()) inner.path = path + ".";
  for (const auto& child : box.children) {
    Scope childScope = inner;
    if (child.row >= 0) childScope.path = (path.empty() ? scope.path : path) + "." + std::to_string(child.row) + ".";
    element(out, child, childScope);
  }
  out += "</" + tag.name + ">";
}

std::string HtmlRenderer::imageHtml(const platform::Image& image, bool tinted, const platform::View& owner,
                                    const std::string& classes, const std::string& sizeStyle) {
  auto uri = images_.dataUri(image);
  if (!tinted) {
    return "<img class=\"" + classes + "\" alt=\"\" src=\"" + uri + "\"" +
           (sizeStyle.empty() ? std::string() : " style=\"" + sizeStyle + "\"") + ">";
  }
  return "<span class=\"k-mask " + classes + "\" style=\"" + sizeStyle +
         "background-color:" + cssColor(PngRenderer::effectiveTint(owner)) + ";-webkit-mask-image:url('" + uri +
         "');mask-image:url('" + uri + "')\"></span>";
}

std::string HtmlRenderer::styleSheet() const {
  std::string sheet = kStyleSheet;
  for (const auto& row : kinds_.rows()) sheet += row.css;
  return sheet;
}

}  // namespace kassio::host
