#include "host/ElementLayout.h"

#include <algorithm>
#include <cctype>
#include <cstring>

namespace kassio::host {

using platform::View;

namespace {

constexpr double kContainerInset = 12;
constexpr platform::Color kPlaceholderColor{60, 60, 67, 0.3};
constexpr platform::Color kWebTextColor{0x5C, 0x63, 0x58, 1};

bool hasOrigin(const View& view) { return view.frame.origin.x != 0 || view.frame.origin.y != 0; }

// The readable text of a page: tags, scripts and styles dropped, blanks folded, the common
// entities decoded.
std::string plainText(const std::string& html) {
  static const std::pair<const char*, const char*> entities[] = {{"&amp;", "&"},   {"&lt;", "<"},  {"&gt;", ">"},
                                                                 {"&quot;", "\""}, {"&#39;", "'"}, {"&nbsp;", " "}};
  auto startsWith = [&](std::size_t at, const char* word, bool foldCase) {
    for (std::size_t i = 0; word[i]; ++i) {
      if (at + i >= html.size()) return false;
      char c = foldCase ? static_cast<char>(std::tolower(static_cast<unsigned char>(html[at + i]))) : html[at + i];
      if (c != word[i]) return false;
    }
    return true;
  };
  std::string text;
  auto blank = [&] {
    if (!text.empty() && text.back() != ' ') text += ' ';
  };
  for (std::size_t at = 0; at < html.size();) {
    if (html[at] == '<') {
      for (const char* block : {"<script", "<style"}) {
        if (!startsWith(at, block, true)) continue;
        std::string close = std::string("</") + (block + 1);
        while (at < html.size() && !startsWith(at, close.c_str(), true)) ++at;
      }
      auto end = html.find('>', at);
      at = end == std::string::npos ? html.size() : end + 1;
      blank();
      continue;
    }
    const auto* entity = std::find_if(std::begin(entities), std::end(entities),
                                      [&](const auto& item) { return startsWith(at, item.first, false); });
    if (entity != std::end(entities)) {
      text += entity->second;
      at += std::strlen(entity->first);
    } else if (std::isspace(static_cast<unsigned char>(html[at]))) {
      blank();
      ++at;
    } else {
      text += html[at++];
    }
  }
  while (!text.empty() && text.back() == ' ') text.pop_back();
  return text;
}

// One bullet for each character of a secure entry.
std::string bullets(const std::string& text) {
  std::string out;
  for (unsigned char c : text)
    if ((c & 0xC0) != 0x80) out += "\u2022";
  return out;
}

}  // namespace

std::optional<double> ElementLayout::statedWidth(const View& view) {
  return view.frame.size.width > 0 ? std::optional(view.frame.size.width) : std::nullopt;
}

std::optional<double> ElementLayout::statedHeight(const View& view) {
  return view.frame.size.height > 0 ? std::optional(view.frame.size.height) : std::nullopt;
}

double ElementLayout::insetOf(const View& view) {
  return view.cornerRadius > 0 || view.borderWidth > 0 ? kContainerInset : 0;
}

std::vector<const View*> ElementLayout::visibleSubviews(const View& view) {
  std::vector<const View*> result;
  for (const auto& child : view.subviews())
    if (!child->hidden) result.push_back(child.get());
  return result;
}

std::optional<TextSpec> ElementLayout::labelText(const platform::Label& label) {
  if (label.text().empty()) return std::nullopt;
  TextSpec textSpec;
  textSpec.text = label.text();
  if (label.attributedText()) textSpec.runs = &*label.attributedText();
  textSpec.font = label.font.value_or(FontCatalog::defaultFont());
  textSpec.color = label.textColor.value_or(platform::Color::black());
  textSpec.alignment = label.textAlignment;
  textSpec.lines = std::max(label.numberOfLines, 0);
  return textSpec;
}

std::optional<TextSpec> ElementLayout::buttonTitle(const platform::Button& button) {
  if (button.title().empty()) return std::nullopt;
  TextSpec textSpec;
  textSpec.text = button.title();
  if (button.attributedTitle()) textSpec.runs = &*button.attributedTitle();
  textSpec.font = button.titleFont.value_or(platform::Font::systemFont(15));
  textSpec.color = button.titleColor.value_or(button.tintColor.value_or(systemTint));
  textSpec.alignment = platform::TextAlignment::center;
  return textSpec;
}

std::optional<TextSpec> ElementLayout::fieldText(const platform::TextField& field) {
  TextSpec textSpec;
  textSpec.font = field.font.value_or(FontCatalog::defaultFont());
  if (!field.text.empty()) {
    textSpec.text = field.isSecureTextEntry ? bullets(field.text) : field.text;
    textSpec.color = field.textColor.value_or(platform::Color::black());
  } else if (!field.placeholder.empty()) {
    textSpec.text = field.placeholder;
    textSpec.color = kPlaceholderColor;
  } else {
    return std::nullopt;
  }
  return textSpec;
}

std::optional<TextSpec> ElementLayout::webText(const platform::WebView& web) {
  auto text = plainText(web.html());
  if (text.empty()) return std::nullopt;
  TextSpec textSpec;
  textSpec.text = std::move(text);
  textSpec.font = platform::Font::systemFont(14);
  textSpec.color = kWebTextColor;
  textSpec.lines = 0;
  return textSpec;
}

std::shared_ptr<const TextBlock> ElementLayout::fit(const TextSpec& textSpec, double width) {
  auto line = text_.shape(textSpec, std::nullopt);
  if (!line || line->size().width <= width + 0.01) return line;
  return text_.shape(textSpec, width);
}

ElementSizing ElementLayout::sizing(const View& view) {
  const auto& row = kinds_.of(view);
  return row.sizing ? row.sizing(view) : ElementSizing::fill;
}

bool ElementLayout::isLeaf(const View& view) { return kinds_.of(view).leaf || sizing(view) != ElementSizing::fill; }

LayoutBox ElementLayout::layout(const View& root, platform::Size size) {
  if (root.hidden) return {};
  LayoutBox box = place(root, size.width);
  box.frame.origin = {0, 0};
  box.frame.size.height = std::max(box.frame.size.height, size.height);
  return box;
}

LayoutBox ElementLayout::place(const View& view, double width) {
  const auto& row = kinds_.of(view);
  LayoutBox box;
  box.view = &view;
  box.frame.size.width = std::max(width, 0.0);
  box.clips = view.clipsToBounds;
  double own = row.measure ? row.measure(view, *this, box.frame.size.width, box) : 0;
  double extent = row.arrange ? row.arrange(view, *this, box, box.frame.size.width)
                              : flowVertically(view, visibleSubviews(view), box, box.frame.size.width, 0, true);
  auto stated = statedHeight(view);
  box.frame.size.height = stated ? std::max(*stated, extent) : std::max(own, extent);
  return box;
}

double ElementLayout::naturalWidth(const View& view, double limit) {
  if (auto stated = statedWidth(view)) return *stated;
  const auto& row = kinds_.of(view);
  double own = row.contentWidth ? row.contentWidth(view, *this) : 0;
  double inner = row.childrenWidth ? row.childrenWidth(view, *this, limit) : columnWidth(view, limit, true);
  return std::min(std::max(own, inner), limit);
}

double ElementLayout::columnWidth(const View& parent, double limit, bool honourOrigins) {
  double pad = insetOf(parent);
  double inner = 0;
  auto children = visibleSubviews(parent);
  for (const auto* child : children) {
    double reach = naturalWidth(*child, limit) + (honourOrigins && hasOrigin(*child) ? child->frame.origin.x - pad : 0);
    inner = std::max(inner, reach);
  }
  return children.empty() ? inner : inner + 2 * pad;
}

double ElementLayout::flowVertically(const View& parent, const std::vector<const View*>& children, LayoutBox& box,
                                     double width, double spacing, bool honourOrigins, double top) {
  double pad = insetOf(parent);
  double column = std::max(width - 2 * pad, 0.0);
  double y = top + pad;
  double reach = top;
  bool flowed = false;
  for (const auto* child : children) {
    auto childSizing = sizing(*child);
    bool ownWidth = childSizing != ElementSizing::fill;
    if (honourOrigins && hasOrigin(*child)) {
      const auto& origin = child->frame.origin;
      double childWidth =
          statedWidth(*child).value_or(ownWidth ? naturalWidth(*child, column) : std::max(width - origin.x, 0.0));
      LayoutBox placed = place(*child, childWidth);
      placed.frame.origin = origin;
      reach = std::max(reach, origin.y + placed.frame.size.height);
      box.children.push_back(std::move(placed));
      continue;
    }
    if (flowed) y += spacing;
    double childWidth = column;
    double x = pad;
    if (auto stated = statedWidth(*child)) {
      childWidth = *stated;
    } else if (ownWidth) {
      childWidth = naturalWidth(*child, column);
    }
    if (childSizing == ElementSizing::ownCentred && childWidth < column) x = pad + (column - childWidth) / 2;
    LayoutBox placed = place(*child, childWidth);
    placed.frame.origin = {x, y};
    y += placed.frame.size.height;
    flowed = true;
    box.children.push_back(std::move(placed));
  }
  return flowed ? std::max(reach, y + pad) : reach;
}

}  // namespace kassio::host
