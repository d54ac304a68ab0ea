#include "kassio/banners/BannerNavigation.h"

#include <algorithm>

namespace kassio {

namespace {

bool isAsciiLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool isAsciiDigit(char c) { return c >= '0' && c <= '9'; }

// The scheme of an absolute address ("https", "about"), lower-cased; none when the text is not
// one: a scheme is a letter followed by letters, digits, "+", "-" or ".", then ":".
std::optional<std::string> absoluteURLScheme(std::string_view url) {
  const bool hasBlanks = std::any_of(url.begin(), url.end(), [](char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte <= 0x20 || byte == 0x7F;
  });
  const auto colon = url.find(':');
  if (hasBlanks || colon == std::string_view::npos || colon == 0 || !isAsciiLetter(url[0])) return std::nullopt;
  std::string scheme;
  for (const char c : url.substr(0, colon)) {
    if (!isAsciiLetter(c) && !isAsciiDigit(c) && c != '+' && c != '-' && c != '.') return std::nullopt;
    scheme.push_back(c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c);
  }
  return scheme;
}

}  // namespace

BannerNavigationDecision decideBannerNavigation(std::string_view url, platform::NavigationType type) {
  using platform::NavigationPolicy;
  if (type != platform::NavigationType::other || url.empty()) return {NavigationPolicy::allow, std::nullopt};
  const auto scheme = absoluteURLScheme(url);
  if (!scheme) return {NavigationPolicy::cancel, std::nullopt};
  if (*scheme == "about") return {NavigationPolicy::allow, std::nullopt};
  return {NavigationPolicy::cancel, std::string(url)};
}

}  // namespace kassio
