#pragma once

#include <optional>
#include <string>
#include <vector>

#include "kassio/platform/ui/Color.h"
#include "kassio/platform/ui/Font.h"

namespace kassio::platform {

// One run of styled text; unset attributes fall back to the label's own.
struct TextRun {
  TextRun() = default;
  explicit TextRun(std::string text, std::optional<Font> font = {}, std::optional<Color> color = {},
                   bool underline = false, std::optional<Color> underlineColor = {})
      : text(std::move(text)), font(std::move(font)), color(color), underline(underline),
        underlineColor(underlineColor) {}

  std::string text;
  std::optional<Font> font;
  std::optional<Color> color;
  bool underline = false;
  std::optional<Color> underlineColor;
  bool operator==(const TextRun&) const = default;
};

struct AttributedString {
  std::vector<TextRun> runs;

  // The characters of all runs.
  std::string string() const;
  bool operator==(const AttributedString&) const = default;
};

}  // namespace kassio::platform
