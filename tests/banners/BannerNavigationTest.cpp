#include "kassio/banners/BannerNavigation.h"

#include <optional>
#include <string>

#include <gtest/gtest.h>

namespace kassio {
namespace {

using platform::NavigationPolicy;
using platform::NavigationType;

struct Case {
  std::string url;
  NavigationType type;
  NavigationPolicy policy;
  std::optional<std::string> opened;
};

TEST(BannerNavigationTest, ScriptNavigationsBecomeCallbacks) {
  const Case cases[] = {
      {"velbank://m.velbank.test/ApplyPos/activity/1", NavigationType::other, NavigationPolicy::cancel,
       "velbank://m.velbank.test/ApplyPos/activity/1"},
      {"https://shop.example/offer?id=1", NavigationType::other, NavigationPolicy::cancel,
       "https://shop.example/offer?id=1"},
      {"HTTPS://shop.example/", NavigationType::other, NavigationPolicy::cancel, "HTTPS://shop.example/"},
      // a tapped link loads as usual
      {"https://shop.example/offer?id=1", NavigationType::linkActivated, NavigationPolicy::allow, std::nullopt},
      {"not a link", NavigationType::linkActivated, NavigationPolicy::allow, std::nullopt},
      // no address, or the document itself
      {"", NavigationType::other, NavigationPolicy::allow, std::nullopt},
      {"about:blank", NavigationType::other, NavigationPolicy::allow, std::nullopt},
      {"About:srcdoc", NavigationType::other, NavigationPolicy::allow, std::nullopt},
      // texts that are not absolute addresses go nowhere
      {"not a link", NavigationType::other, NavigationPolicy::cancel, std::nullopt},
      {"/relative/path", NavigationType::other, NavigationPolicy::cancel, std::nullopt},
      {"https://shop.example/a b", NavigationType::other, NavigationPolicy::cancel, std::nullopt},
      {"https://shop.example/\n", NavigationType::other, NavigationPolicy::cancel, std::nullopt},
      {":nothing", NavigationType::other, NavigationPolicy::cancel, std::nullopt},
      {"1http://x", NavigationType::other, NavigationPolicy::cancel, std::nullopt},
  };
  for (const auto& c : cases) {
    const auto decision = decideBannerNavigation(c.url, c.type);
    EXPECT_EQ(decision.policy, c.policy) << c.url;
    EXPECT_EQ(decision.openedURL, c.opened) << c.url;
  }
}

}  // namespace
}  // namespace kassio
