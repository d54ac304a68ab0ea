#pragma once

#include <memory>
#include <string>

#include <gtest/gtest.h>

#include "kassio/banners/DeepLinkHelper.h"
#include "kassio/entry/KassioManager.h"
#include "kassio/platform/foundation/MemoryUserDefaults.h"
#include "kassio/platform/foundation/Platform.h"
#include "kassio/platform/foundation/VirtualRunLoop.h"

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

// A device in Asia/Kolkata at testNow with empty defaults and the test link domains; the
// previous platform and link configuration come back afterwards.
class BannerPlatformTest : public ::testing::Test {
 protected:
  void SetUp() override {
    auto& current = platform::Platform::current();
    saved_ = current;
    savedLinks_ = KassioManager::deepLinkConfiguration();
    current.runLoop = std::make_shared<platform::VirtualRunLoop>(testNow);
    current.userDefaults = defaults_;
    current.timeZone = "Asia/Kolkata";
    KassioManager::setDeepLinkConfiguration(testLinks());
  }
  void TearDown() override {
    platform::Platform::current() = saved_;
    KassioManager::setDeepLinkConfiguration(savedLinks_);
  }

  platform::MemoryUserDefaults& defaults() { return *defaults_; }

 private:
  std::shared_ptr<platform::MemoryUserDefaults> defaults_ = std::make_shared<platform::MemoryUserDefaults>();
  platform::Platform saved_;
  DeepLinkConfiguration savedLinks_;
};

}  // namespace kassio
