#include "host/TextShaper.h"

#include <algorithm>
#include <charconv>

namespace kassio::host {

namespace {

constexpr std::size_t kGenerationSize = 4096;

// Numbers in keys are written exactly and without the locale machinery of printf.
void appendNumber(std::string& key, double value) {
  char buffer[32];
  auto end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
  key.append(buffer, end);
  key += '\x1f';
}

void appendFont(std::string& key, const platform::Font& font) {
  key += font.name;
  key += '\x1f';
  appendNumber(key, font.size);
}

void appendColor(std::string& key, const std::optional<platform::Color>& color) {
  if (!color) {
    key += "-\x1f";
    return;
  }
  key += 'c';
  key += static_cast<char>(color->red);
  key += static_cast<char>(color->green);
  key += static_cast<char>(color->blue);
  appendNumber(key, color->alpha);
}

std::string cacheKey(const TextSpec& textSpec, std::optional<double> width) {
  std::string key;
  key.reserve(64 + textSpec.text.size());
  appendFont(key, textSpec.font);
  appendColor(key, textSpec.color);
  appendNumber(key, static_cast<double>(textSpec.alignment));
  appendNumber(key, textSpec.lines);
  if (width) {
    appendNumber(key, *width);
  } else {
    key += "-\x1f";
  }
  key += '\x1e';
  // Texts go in with their length, so no text can pass for the end of another.
  if (!textSpec.runs) {
    appendNumber(key, static_cast<double>(textSpec.text.size()));
    key += textSpec.text;
    return key;
  }
  for (const auto& run : textSpec.runs->runs) {
    key += run.font ? 'f' : '-';
    if (run.font) appendFont(key, *run.font);
    appendColor(key, run.color);
    key += run.underline ? 'u' : 'n';
    appendColor(key, run.underlineColor);
    appendNumber(key, static_cast<double>(run.text.size()));
    key += run.text;
  }
  return key;
}

guint16 channel(std::uint8_t value) { return static_cast<guint16>(value * 257); }

// Text outside coloured runs is drawn in the element's colour, set as the source when drawn.
// A run's colour states its alpha even when opaque, so it does not take the element's.
void insertColor(PangoAttrList* list, const platform::Color& color, guint start, guint end) {
  auto* foreground = pango_attr_foreground_new(channel(color.red), channel(color.green), channel(color.blue));
  foreground->start_index = start;
  foreground->end_index = end;
  pango_attr_list_insert(list, foreground);
  auto alpha = static_cast<guint16>(std::clamp(color.alpha, 0.0, 1.0) * 65535);
  auto* opacity = pango_attr_foreground_alpha_new(std::max<guint16>(alpha, 1));
  opacity->start_index = start;
  opacity->end_index = end;
  pango_attr_list_insert(list, opacity);
}

PangoAlignment pangoAlignment(platform::TextAlignment alignment) {
  switch (alignment) {
    case platform::TextAlignment::center:
      return PANGO_ALIGN_CENTER;
    case platform::TextAlignment::right:
      return PANGO_ALIGN_RIGHT;
    default:
      return PANGO_ALIGN_LEFT;
  }
}

}  // namespace

TextBlock::TextBlock(PangoLayout* layout, platform::Color color) : layout_(layout), color_(color) {
  PangoRectangle logical;
  pango_layout_get_extents(layout_, nullptr, &logical);
  size_ = {static_cast<double>(logical.width) / PANGO_SCALE, static_cast<double>(logical.height) / PANGO_SCALE};
}

TextBlock::~TextBlock() { g_object_unref(layout_); }

void TextBlock::draw(cairo_t* cr) const {
  cairo_set_source_rgba(cr, color_.red / 255.0, color_.green / 255.0, color_.blue / 255.0, color_.alpha);
  pango_cairo_show_layout(cr, layout_);
}

TextShaper::TextShaper() : fontMap_(pango_cairo_font_map_new()), context_(pango_font_map_create_context(fontMap_)) {
  // One point is one unit of user space; metrics are those of the unhinted outlines.
  pango_cairo_context_set_resolution(context_, 72);
  cairo_font_options_t* options = cairo_font_options_create();
  cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_OFF);
  cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_NONE);
  cairo_font_options_set_antialias(options, CAIRO_ANTIALIAS_GRAY);
  pango_cairo_context_set_font_options(context_, options);
  cairo_font_options_destroy(options);
  pango_context_set_round_glyph_positions(context_, FALSE);
  fonts_ = std::make_unique<FontCatalog>(fontMap_);
}

TextShaper::~TextShaper() {
  young_.clear();
  old_.clear();
  fonts_.reset();
  g_object_unref(context_);
  g_object_unref(fontMap_);
}

std::shared_ptr<const TextBlock> TextShaper::shape(const TextSpec& textSpec, std::optional<double> width) {
  if (textSpec.runs ? textSpec.runs->string().empty() : textSpec.text.empty()) return nullptr;
  if (width) *width = std::max(*width, 0.0);
  auto key = cacheKey(textSpec, width);
  if (auto found = young_.find(key); found != young_.end()) return found->second;
  std::shared_ptr<const TextBlock> block;
  if (auto found = old_.find(key); found != old_.end()) {
    block = found->second;
  } else {
    block = std::make_shared<TextBlock>(build(textSpec, width), textSpec.color);
  }
  if (young_.size() >= kGenerationSize) old_ = std::move(young_), young_.clear();
  young_.emplace(std::move(key), block);
  return block;
}

PangoLayout* TextShaper::build(const TextSpec& textSpec, std::optional<double> width) {
  PangoLayout* layout = pango_layout_new(context_);
  pango_layout_set_font_description(layout, fonts_->description(textSpec.font));
  std::string text = textSpec.runs ? textSpec.runs->string() : textSpec.text;
  PangoAttrList* attributes = nullptr;
  if (textSpec.runs) {
    attributes = pango_attr_list_new();
    guint start = 0;
    for (const auto& run : textSpec.runs->runs) {
      auto end = static_cast<guint>(start + run.text.size());
      if (run.font) {
        auto* font = pango_attr_font_desc_new(fonts_->description(*run.font));
        font->start_index = start;
        font->end_index = end;
        pango_attr_list_insert(attributes, font);
      }
      if (run.color) insertColor(attributes, *run.color, start, end);
      if (run.underline) {
        auto* underline = pango_attr_underline_new(PANGO_UNDERLINE_SINGLE);
        underline->start_index = start;
        underline->end_index = end;
        pango_attr_list_insert(attributes, underline);
        if (run.underlineColor) {
          const auto& color = *run.underlineColor;
          auto* tone = pango_attr_underline_color_new(channel(color.red), channel(color.green), channel(color.blue));
          tone->start_index = start;
          tone->end_index = end;
          pango_attr_list_insert(attributes, tone);
        }
      }
      start = end;
    }
  }
  if (textSpec.lines == 1)
    std::replace_if(
        text.begin(), text.end(), [](char c) { return c == '\n' || c == '\r'; }, ' ');
  pango_layout_set_text(layout, text.c_str(), static_cast<int>(text.size()));
  if (attributes) {
    pango_layout_set_attributes(layout, attributes);
    pango_attr_list_unref(attributes);
  }
  pango_layout_set_alignment(layout, pangoAlignment(textSpec.alignment));
  pango_layout_set_justify(layout, textSpec.alignment == platform::TextAlignment::justified);
  if (width) {
    pango_layout_set_width(layout, static_cast<int>(*width * PANGO_SCALE));
    pango_layout_set_wrap(layout, PANGO_WRAP_WORD_CHAR);
    if (textSpec.lines > 0) {
      pango_layout_set_height(layout, -textSpec.lines);
      pango_layout_set_ellipsize(layout, PANGO_ELLIPSIZE_END);
    }
  }
  return layout;
}

}  // namespace kassio::host
