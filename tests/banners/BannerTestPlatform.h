#pragma once

#include <memory>
#include <string>

#include <gtest/gtest.h>

#include "host/VirtualHost.h"
#include "kassio/banners/DeepLinkHelper.h"
#include "kassio/entry/KassioManager.h"

namespace kassio {

// 2026-12-11 10:30:00 in Asia/Kolkata (05:00:00 UTC).
inline constexpr platform::Date testNow{1796965200};

// The link domains the tests route on: not the placeholders, so a test sees that the
// configuration is what counts.
inline DeepLinkConfiguration testLinks() {
  DeepLinkConfiguration links;
  links.linkHost = "m.velbank.test";
  links.dynamicLinkHost = "velbank.test.link";
  return links;
}

// The test host in Asia/Kolkata at testNow, with empty defaults and the test link domains.
class BannerPlatformTest : public ::testing::Test {
 protected:
  void SetUp() override { KassioManager::setDeepLinkConfiguration(testLinks()); }

  platform::UserDefaults& defaults() { return *device.defaults(); }

  host::VirtualHost device{{.now = testNow, .timeZone = "Asia/Kolkata"}};
};

}  // namespace kassio
