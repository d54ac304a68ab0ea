#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string_view>

#include "kassio/entry/KassioState.h"
#include "kassio/platform/foundation/Platform.h"
#include "kassio/platform/foundation/RandomSource.h"
#include "kassio/platform/foundation/VirtualRunLoop.h"
#include "kassio/platform/json/JsonValue.h"
#include "kassio/transactions/ScriptedNetlane.h"

namespace kassio {

inline NetlaneManager::Body bytes(std::string_view text) { return NetlaneManager::Body(text.begin(), text.end()); }

inline platform::JsonValue json(std::string_view text) { return *platform::parseJson(text); }

// A scripted backend installed as the module's networkManager, on a virtual main loop that runs
// only when the test says so.
class NetlaneTest : public ::testing::Test {
 protected:
  void SetUp() override {
    auto& platform = platform::Platform::current();
    previousLoop_ = platform.runLoop;
    previousRandom_ = platform.random;
    platform.runLoop = loop;
    platform.random = std::make_shared<platform::RandomSource>(42);
    KassioState::shared().networkManager = netlane;
  }
  void TearDown() override {
    KassioState::shared().networkManager = nullptr;
    auto& platform = platform::Platform::current();
    platform.runLoop = previousLoop_;
    platform.random = previousRandom_;
  }

  // 2026-12-11 05:00:00 UTC, 10:30 in Asia/Kolkata.
  std::shared_ptr<platform::VirtualRunLoop> loop =
      std::make_shared<platform::VirtualRunLoop>(platform::Date{1796965200});
  std::shared_ptr<ScriptedNetlane> netlane = std::make_shared<ScriptedNetlane>();

 private:
  std::shared_ptr<platform::RunLoop> previousLoop_;
  std::shared_ptr<platform::RandomSource> previousRandom_;
};

}  // namespace kassio
