#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace kassio::platform {

// An sRGB colour with alpha.
struct Color {
  std::uint8_t red = 0, green = 0, blue = 0;
  double alpha = 1;

  // Reads "#RRGGBB" or "RRGGBB" (texts from the backend often lack the "#"); nothing else.
  static std::optional<Color> fromHex(std::string_view text);
  // "#RRGGBB" in capitals; the alpha is not written.
  std::string hexString() const;

  static Color black() { return {0, 0, 0, 1}; }
  static Color white() { return {255, 255, 255, 1}; }
  static Color clear() { return {0, 0, 0, 0}; }

  bool operator==(const Color&) const = default;
};

}  // namespace kassio::platform
