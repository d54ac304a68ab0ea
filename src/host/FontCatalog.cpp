#include "host/FontCatalog.h"

#include <algorithm>
#include <cctype>

namespace kassio::host {

namespace {

std::string lowered(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
  return text;
}

// "OpenSans" -> "Open Sans": PostScript names drop the blanks of the family name.
std::string familyName(const std::string& token) {
  if (token == "OpenSans") return "Open Sans";
  return token;
}

int weightOf(const std::string& style) {
  struct Entry {
    const char* word;
    int weight;
  };
  // Longer words first: "semibold" must not be read as "bold".
  static constexpr Entry entries[] = {
      {"extralight", 200}, {"ultralight", 200}, {"hairline", 100},  {"thin", 100},      {"light", 300},
      {"semibold", 600},   {"demibold", 600},   {"extrabold", 800}, {"ultrabold", 800}, {"heavy", 800},
      {"black", 900},      {"medium", 500},     {"bold", 700},
  };
  for (const auto& entry : entries)
    if (style.find(entry.word) != std::string::npos) return entry.weight;
  return 400;
}

}  // namespace

FontCatalog::Face FontCatalog::face(const std::string& fontName) {
  auto dash = fontName.find('-');
  Face result;
  result.family = familyName(fontName.substr(0, dash));
  std::string style = dash == std::string::npos ? std::string{} : lowered(fontName.substr(dash + 1));
  result.weight = weightOf(style);
  result.italic = style.find("italic") != std::string::npos || style.find("oblique") != std::string::npos;
  return result;
}

FontCatalog::FontCatalog(PangoFontMap* fontMap) {
  PangoFontFamily** list = nullptr;
  int count = 0;
  pango_font_map_list_families(fontMap, &list, &count);
  for (int i = 0; i < count; ++i) families_.insert(pango_font_family_get_name(list[i]));
  g_free(list);
}

FontCatalog::~FontCatalog() {
  for (auto& [key, description] : descriptions_) pango_font_description_free(description);
}

const PangoFontDescription* FontCatalog::description(const platform::Font& font) {
  auto key = std::make_pair(font.name, font.size);
  if (auto found = descriptions_.find(key); found != descriptions_.end()) return found->second;
  Face wanted = face(font.name);
  if (!isInstalled(wanted.family)) wanted = face(platform::Font::systemFont(font.size).name);
  auto* description = pango_font_description_new();
  pango_font_description_set_family(description, wanted.family.c_str());
  pango_font_description_set_weight(description, static_cast<PangoWeight>(wanted.weight));
  pango_font_description_set_style(description, wanted.italic ? PANGO_STYLE_ITALIC : PANGO_STYLE_NORMAL);
  double size = font.size > 0 ? font.size : defaultFont().size;
  pango_font_description_set_absolute_size(description, size * PANGO_SCALE);
  descriptions_.emplace(key, description);
  return description;
}

}  // namespace kassio::host
