#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string_view>

#include "host/VirtualHost.h"
#include "kassio/platform/json/JsonValue.h"

namespace kassio {

inline NetlaneManager::Body bytes(std::string_view text) { return NetlaneManager::Body(text.begin(), text.end()); }

inline platform::JsonValue json(std::string_view text) { return *platform::parseJson(text); }

// The test host: its scripted backend is the module's networkManager, on a virtual main loop
// (2026-12-11 10:30 in Asia/Kolkata) that runs only when the test says so.
class NetlaneTest : public ::testing::Test {
 protected:
  host::VirtualHost device{{.seed = 42}};
  std::shared_ptr<platform::VirtualRunLoop> loop = device.loop();
  std::shared_ptr<ScriptedNetlane> netlane = device.backend();
};

}  // namespace kassio
