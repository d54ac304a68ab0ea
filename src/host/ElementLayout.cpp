#include "host/ElementLayout.h"

#include <algorithm>
#include <cctype>
#include <cstring>

#include "kassio/platform/ui/ActivityIndicator.h"
#include "kassio/platform/ui/AnimationView.h"
#include "kassio/platform/ui/ImageView.h"
#include "kassio/platform/ui/ListView.h"
#include "kassio/platform/ui/PageControl.h"

namespace kassio::host {

using platform::View;

namespace {

constexpr double kContainerInset = 12;
constexpr double kButtonPadding = ElementLayout::buttonPadding;
constexpr double kButtonImageGap = ElementLayout::buttonImageGap;
constexpr double kButtonMinHeight = 44;  // a comfortable touch target
constexpr double kFieldMinHeight = 36;
constexpr double kFieldInset = ElementLayout::fieldInset;
constexpr double kIndicatorSize = 20;
constexpr double kAnimationSize = 80;
constexpr double kPageControlHeight = 26;
constexpr double kPageDotPitch = ElementLayout::pageDotPitch;
constexpr double kWebInset = ElementLayout::webInset;
constexpr platform::Color kPlaceholderColor{60, 60, 67, 0.3};
constexpr platform::Color kWebTextColor{0x5C, 0x63, 0x58, 1};
constexpr platform::Color kSystemTint = ElementLayout::systemTint;

std::optional<double> statedWidth(const View& view) {
  return view.frame.size.width > 0 ? std::optional(view.frame.size.width) : std::nullopt;
}
std::optional<double> statedHeight(const View& view) {
  return view.frame.size.height > 0 ? std::optional(view.frame.size.height) : std::nullopt;
}
bool hasOrigin(const View& view) { return view.frame.origin.x != 0 || view.frame.origin.y != 0; }

double insetOf(const View& view) { return view.cornerRadius > 0 || view.borderWidth > 0 ? kContainerInset : 0; }

std::vector<const View*> visibleSubviews(const View& view) {
  std::vector<const View*> result;
  for (const auto& child : view.subviews())
    if (!child->hidden) result.push_back(child.get());
  return result;
}

// Elements that keep a size of their own instead of taking the width they are offered.
bool keepsOwnWidth(const View& view) {
  if (dynamic_cast<const platform::ImageView*>(&view) || dynamic_cast<const platform::ActivityIndicator*>(&view) ||
      dynamic_cast<const platform::AnimationView*>(&view))
    return true;
  const auto* button = dynamic_cast<const platform::Button*>(&view);
  return button && button->title().empty() && button->image;
}

// Of those, the ones centred in a column; the rest sit at its leading edge.
bool centredInColumn(const View& view) {
  return dynamic_cast<const platform::ImageView*>(&view) || dynamic_cast<const platform::ActivityIndicator*>(&view) ||
         dynamic_cast<const platform::AnimationView*>(&view);
}

bool isLeaf(const View& view) {
  return dynamic_cast<const platform::Label*>(&view) || dynamic_cast<const platform::Control*>(&view) ||
         dynamic_cast<const platform::ImageView*>(&view) || keepsOwnWidth(view) ||
         dynamic_cast<const platform::WebView*>(&view);
}

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
  textSpec.color = button.titleColor.value_or(button.tintColor.value_or(kSystemTint));
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

LayoutBox ElementLayout::layout(const View& root, platform::Size size) {
  if (root.hidden) return {};
  LayoutBox box = place(root, size.width);
  box.frame.origin = {0, 0};
  box.frame.size.height = std::max(box.frame.size.height, size.height);
  return box;
}

LayoutBox ElementLayout::place(const View& view, double width) {
  LayoutBox box;
  box.view = &view;
  box.frame.size.width = std::max(width, 0.0);
  box.clips = view.clipsToBounds;
  double own = ownHeight(view, box.frame.size.width, box);
  double extent = 0;
  if (const auto* list = dynamic_cast<const platform::ListView*>(&view)) {
    extent = layRows(*list, box, box.frame.size.width);
  } else if (const auto* stack = dynamic_cast<const platform::StackView*>(&view)) {
    extent = stack->axis == platform::LayoutAxis::horizontal
                 ? stackHorizontally(*stack, box, box.frame.size.width)
                 : flowVertically(view, visibleSubviews(view), box, box.frame.size.width, stack->spacing, false);
  } else {
    extent = flowVertically(view, visibleSubviews(view), box, box.frame.size.width, 0, true);
  }
  auto stated = statedHeight(view);
  box.frame.size.height = stated ? std::max(*stated, extent) : std::max(own, extent);
  return box;
}

double ElementLayout::ownHeight(const View& view, double width, LayoutBox& box) {
  if (const auto* label = dynamic_cast<const platform::Label*>(&view)) {
    auto textSpec = labelText(*label);
    if (!textSpec) return 0;
    box.text = fit(*textSpec, width);
    return box.text ? box.text->size().height : 0;
  }
  if (const auto* button = dynamic_cast<const platform::Button*>(&view)) {
    platform::Size image = button->image ? imageSize(*button->image) : platform::Size{};
    auto textSpec = buttonTitle(*button);
    if (!textSpec) return image.width > width && image.width > 0 ? image.height * width / image.width : image.height;
    double imagePart = image.width > 0 ? image.width + kButtonImageGap : 0;
    box.text = fit(*textSpec, width - 2 * kButtonPadding - imagePart);
    double title = box.text ? box.text->size().height : 0;
    return std::max({kButtonMinHeight, title + 20, image.height});
  }
  if (const auto* field = dynamic_cast<const platform::TextField*>(&view)) {
    if (auto textSpec = fieldText(*field)) box.text = fit(*textSpec, width - 2 * kFieldInset);
    return std::max(kFieldMinHeight, (box.text ? box.text->size().height : 0) + 16);
  }
  if (const auto* image = dynamic_cast<const platform::ImageView*>(&view)) {
    if (!image->image) return 0;
    auto natural = imageSize(*image->image);
    return natural.width > 0 ? width * natural.height / natural.width : natural.height;
  }
  if (dynamic_cast<const platform::ActivityIndicator*>(&view)) return kIndicatorSize;
  if (dynamic_cast<const platform::AnimationView*>(&view)) return kAnimationSize;
  if (const auto* pages = dynamic_cast<const platform::PageControl*>(&view)) {
    bool shows = pages->numberOfPages > 1 || (pages->numberOfPages == 1 && !pages->hidesForSinglePage);
    return shows ? kPageControlHeight : 0;
  }
  if (const auto* web = dynamic_cast<const platform::WebView*>(&view)) {
    if (auto textSpec = webText(*web)) box.text = text_.shape(*textSpec, std::max(width - 2 * kWebInset, 0.0));
    return std::max(kButtonMinHeight, (box.text ? box.text->size().height : 0) + 2 * kWebInset);
  }
  return 0;
}

double ElementLayout::naturalWidth(const View& view, double limit) {
  if (auto stated = statedWidth(view)) return *stated;
  double own = 0;
  if (const auto* label = dynamic_cast<const platform::Label*>(&view)) {
    auto textSpec = labelText(*label);
    auto block = textSpec ? text_.shape(*textSpec, std::nullopt) : nullptr;
    own = block ? block->size().width : 0;
  } else if (const auto* button = dynamic_cast<const platform::Button*>(&view)) {
    double image = button->image ? imageSize(*button->image).width : 0;
    auto textSpec = buttonTitle(*button);
    auto block = textSpec ? text_.shape(*textSpec, std::nullopt) : nullptr;
    own = block ? block->size().width + 2 * kButtonPadding + (image > 0 ? image + kButtonImageGap : 0) : image;
  } else if (const auto* image = dynamic_cast<const platform::ImageView*>(&view)) {
    if (image->image) {
      auto natural = imageSize(*image->image);
      auto height = statedHeight(view);
      own = height && natural.height > 0 ? natural.width * *height / natural.height : natural.width;
    }
  } else if (dynamic_cast<const platform::ActivityIndicator*>(&view)) {
    own = kIndicatorSize;
  } else if (dynamic_cast<const platform::AnimationView*>(&view)) {
    own = kAnimationSize;
  } else if (const auto* pages = dynamic_cast<const platform::PageControl*>(&view)) {
    own = pages->numberOfPages * kPageDotPitch;
  }
  if (dynamic_cast<const platform::ListView*>(&view)) return std::min(own, limit);
  double pad = insetOf(view);
  double inner = 0;
  auto children = visibleSubviews(view);
  const auto* stack = dynamic_cast<const platform::StackView*>(&view);
  if (stack && stack->axis == platform::LayoutAxis::horizontal) {
    for (const auto* child : children) inner += naturalWidth(*child, limit);
    if (!children.empty()) inner += stack->spacing * static_cast<double>(children.size() - 1);
  } else {
    for (const auto* child : children) {
      double reach = naturalWidth(*child, limit) + (!stack && hasOrigin(*child) ? child->frame.origin.x - pad : 0);
      inner = std::max(inner, reach);
    }
  }
  if (!children.empty()) inner += 2 * pad;
  return std::min(std::max(own, inner), limit);
}

double ElementLayout::flowVertically(const View& parent, const std::vector<const View*>& children, LayoutBox& box,
                                     double width, double spacing, bool honourOrigins, double top) {
  double pad = insetOf(parent);
  double column = std::max(width - 2 * pad, 0.0);
  double y = top + pad;
  double reach = top;
  bool flowed = false;
  for (const auto* child : children) {
    if (honourOrigins && hasOrigin(*child)) {
      const auto& origin = child->frame.origin;
      double childWidth = statedWidth(*child).value_or(keepsOwnWidth(*child) ? naturalWidth(*child, column)
                                                                             : std::max(width - origin.x, 0.0));
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
    } else if (keepsOwnWidth(*child)) {
      childWidth = naturalWidth(*child, column);
    }
    if (centredInColumn(*child) && childWidth < column) x = pad + (column - childWidth) / 2;
    LayoutBox placed = place(*child, childWidth);
    placed.frame.origin = {x, y};
    y += placed.frame.size.height;
    flowed = true;
    box.children.push_back(std::move(placed));
  }
  return flowed ? std::max(reach, y + pad) : reach;
}

double ElementLayout::stackHorizontally(const platform::StackView& stack, LayoutBox& box, double width) {
  auto children = visibleSubviews(stack);
  if (children.empty()) return 0;
  double pad = insetOf(stack);
  double free = std::max(width - 2 * pad, 0.0) - stack.spacing * static_cast<double>(children.size() - 1);
  // Children of a fixed width keep it; the others share what is left, in proportion to what
  // their content asks for when it does not all fit, evenly when there is room to spare.
  std::vector<double> widths(children.size());
  std::vector<bool> flexible(children.size());
  double flexibleNeed = 0;
  std::size_t flexibleCount = 0;
  for (std::size_t i = 0; i < children.size(); ++i) {
    const auto& child = *children[i];
    flexible[i] = !statedWidth(child) && !keepsOwnWidth(child);
    widths[i] = naturalWidth(child, std::max(free, 0.0));
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
    placed.push_back(place(*children[i], widths[i]));
    row = std::max(row, placed.back().frame.size.height);
  }
  double x = pad;
  for (std::size_t i = 0; i < children.size(); ++i) {
    auto& item = placed[i];
    // Containers without a height of their own fill the row; content is centred on it.
    if (!isLeaf(*children[i]) && !statedHeight(*children[i])) item.frame.size.height = row;
    item.frame.origin = {x, pad + (row - item.frame.size.height) / 2};
    x += item.frame.size.width + stack.spacing;
    box.children.push_back(std::move(item));
  }
  return row + 2 * pad;
}

double ElementLayout::layRows(const View& view, LayoutBox& box, double width) {
  const auto& list = static_cast<const platform::ListView&>(view);
  const auto& rows = list.rows();
  double reach = 0;
  if (list.isPagingEnabled) {
    // A paged list shows the page it rests on; the others lie beside it, cut off.
    box.clips = true;
    for (std::size_t i = 0; i < rows.size(); ++i) {
      if (rows[i]->hidden) continue;
      LayoutBox page = place(*rows[i], width);
      page.row = static_cast<int>(i);
      page.frame.origin = {(static_cast<double>(i) - list.currentPage()) * width, 0};
      reach = std::max(reach, page.frame.size.height);
      box.children.push_back(std::move(page));
    }
  } else {
    for (std::size_t i = 0; i < rows.size(); ++i) {
      if (rows[i]->hidden) continue;
      LayoutBox cell = place(*rows[i], statedWidth(*rows[i]).value_or(width));
      cell.row = static_cast<int>(i);
      cell.frame.origin = {0, reach};
      reach += cell.frame.size.height;
      box.children.push_back(std::move(cell));
    }
  }
  // Views added to the list itself (an empty-state message) come after the rows.
  return std::max(reach, flowVertically(view, visibleSubviews(view), box, width, 0, true, reach));
}

}  // namespace kassio::host
