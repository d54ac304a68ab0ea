#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "kassio/platform/ui/WebView.h"

namespace kassio {

// Runs at the end of every main-frame document of a banner's HTML: fits the page to the cell.
inline constexpr std::string_view bannerViewportScript =
    "var meta = document.createElement('meta');meta.name = 'viewport';meta.content = 'width=device-width, "
    "initial-scale=1.0, maximum-scale=1.0, user-scalable=no';var head = "
    "document.getElementsByTagName('head')[0];head.appendChild(meta);";

// What the banner cell answers for one navigation of its web view, and the address to hand to
// its completion (none: no callback).
struct BannerNavigationDecision {
  platform::NavigationPolicy policy = platform::NavigationPolicy::allow;
  std::optional<std::string> openedURL;

  bool operator==(const BannerNavigationDecision&) const = default;
};

// A banner's script opens its target by assigning a new location (navigation type "other"); the
// cell cancels that navigation and reports the address instead. Link taps and every other kind
// of navigation, a request without an address (empty `url`) and "about:" documents load as
// usual. A text that is not an absolute address (no scheme, or blanks or control characters in
// it) is cancelled without a callback: nothing readable could be loaded or routed.
BannerNavigationDecision decideBannerNavigation(std::string_view url, platform::NavigationType type);

}  // namespace kassio
