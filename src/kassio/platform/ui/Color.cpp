#include "kassio/platform/ui/Color.h"

#include <charconv>
#include <cstdio>

namespace kassio::platform {

std::optional<Color> Color::fromHex(std::string_view text) {
  if (!text.empty() && text.front() == '#') text.remove_prefix(1);
  if (text.size() != 6) return std::nullopt;
  unsigned value = 0;
  auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, 16);
  if (error != std::errc{} || end != text.data() + text.size()) return std::nullopt;
  return Color{static_cast<std::uint8_t>(value >> 16), static_cast<std::uint8_t>(value >> 8),
               static_cast<std::uint8_t>(value), 1};
}

std::string Color::hexString() const {
  char buffer[8];
  std::snprintf(buffer, sizeof buffer, "#%02X%02X%02X", red, green, blue);
  return buffer;
}

}  // namespace kassio::platform
