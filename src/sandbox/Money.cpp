#include "sandbox/Money.h"

#include <cstdio>

namespace kassio::sandbox {

namespace {

constexpr std::int64_t maximumPaise = 1'000'000'000;  // ten million rupees

bool isDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

std::optional<std::int64_t> paiseFromRupees(std::string_view text) {
  const auto point = text.find('.');
  const std::string_view whole = text.substr(0, point);
  const std::string_view fraction = point == std::string_view::npos ? std::string_view() : text.substr(point + 1);
  if (point != std::string_view::npos && (fraction.empty() || fraction.size() > 2)) return std::nullopt;
  if (whole.empty() || whole.size() > 8) return std::nullopt;
  std::int64_t paise = 0;
  for (char c : whole) {
    if (!isDigit(c)) return std::nullopt;
    paise = paise * 10 + (c - '0');
  }
  paise *= 100;
  std::int64_t scale = 10;
  for (char c : fraction) {
    if (!isDigit(c)) return std::nullopt;
    paise += (c - '0') * scale;
    scale /= 10;
  }
  if (paise >= maximumPaise) return std::nullopt;
  return paise;
}

std::optional<std::int64_t> paiseFromText(std::string_view text) {
  if (text.empty() || text.size() > 10) return std::nullopt;
  std::int64_t paise = 0;
  for (char c : text) {
    if (!isDigit(c)) return std::nullopt;
    paise = paise * 10 + (c - '0');
  }
  if (paise >= maximumPaise) return std::nullopt;
  return paise;
}

std::string rupeesText(std::int64_t paise) {
  char text[32];
  const char* sign = paise < 0 ? "-" : "";
  if (paise < 0) paise = -paise;
  std::snprintf(text, sizeof text, "%s%lld.%02lld", sign, static_cast<long long>(paise / 100),
                static_cast<long long>(paise % 100));
  return text;
}

double rupeesValue(std::int64_t paise) { return static_cast<double>(paise) / 100.0; }

}  // namespace kassio::sandbox
