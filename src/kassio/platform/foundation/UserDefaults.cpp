#include "kassio/platform/foundation/UserDefaults.h"

#include <charconv>

namespace kassio::platform {

namespace {

bool equalsIgnoringCase(const std::string& text, const char* word) {
  std::size_t i = 0;
  for (; i < text.size() && word[i] != '\0'; ++i) {
    char c = text[i];
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    if (c != word[i]) return false;
  }
  return i == text.size() && word[i] == '\0';
}

std::int64_t parseInteger(const std::string& text) {
  const char* first = text.data();
  const char* last = first + text.size();
  std::int64_t integer = 0;
  if (auto [end, error] = std::from_chars(first, last, integer); error == std::errc{} && end == last) {
    return integer;
  }
  double number = 0;
  if (auto [end, error] = std::from_chars(first, last, number);
      error == std::errc{} && end == last && number >= -0x1p63 && number < 0x1p63) {
    return static_cast<std::int64_t>(number);
  }
  return 0;
}

}  // namespace

bool UserDefaults::boolValue(const std::string& key) const {
  auto value = object(key);
  if (!value) return false;
  if (auto* flag = std::get_if<bool>(&*value)) return *flag;
  if (auto* integer = std::get_if<std::int64_t>(&*value)) return *integer != 0;
  if (auto* text = std::get_if<std::string>(&*value)) {
    return equalsIgnoringCase(*text, "true") || equalsIgnoringCase(*text, "yes") || *text == "1";
  }
  return false;
}

std::int64_t UserDefaults::integer(const std::string& key) const {
  auto value = object(key);
  if (!value) return 0;
  if (auto* flag = std::get_if<bool>(&*value)) return *flag ? 1 : 0;
  if (auto* integer = std::get_if<std::int64_t>(&*value)) return *integer;
  if (auto* text = std::get_if<std::string>(&*value)) return parseInteger(*text);
  return 0;
}

std::optional<std::string> UserDefaults::string(const std::string& key) const {
  auto value = object(key);
  if (!value) return std::nullopt;
  if (auto* text = std::get_if<std::string>(&*value)) return std::move(*text);
  return std::nullopt;
}

std::optional<UserDefaults::StringMap> UserDefaults::stringMap(const std::string& key) const {
  auto value = object(key);
  if (!value) return std::nullopt;
  if (auto* map = std::get_if<StringMap>(&*value)) return std::move(*map);
  return std::nullopt;
}

}  // namespace kassio::platform

