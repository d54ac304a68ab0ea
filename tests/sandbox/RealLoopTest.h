#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <optional>

#include "host/RealTimeRunLoop.h"
#include "kassio/platform/foundation/Platform.h"
#include "kassio/transactions/NetlaneManager.h"

namespace kassio::sandbox::test {

// Tests whose Netlane replies come from worker threads: a wall-clock main loop is installed,
// and each call runs it until its completion has run.
class RealLoopTest : public ::testing::Test {
 protected:
  void SetUp() override {
    previous_ = platform::Platform::current().runLoop;
    platform::Platform::current().runLoop = loop;
  }
  void TearDown() override { platform::Platform::current().runLoop = previous_; }

  struct Outcome {
    bool completed = false;
  };

  // The decoded record, or none; a completion that never came fails the test.
  template <class Record>
  std::optional<Record> call(NetlaneManager& netlane, AuthCustome request) {
    auto state = std::make_shared<std::pair<bool, std::optional<Record>>>();
    netlane.callAPIService<Record>(true, std::move(request), [state](std::optional<Record> record) {
      *state = {true, std::move(record)};
    });
    EXPECT_TRUE(loop->runUntil([&] { return state->first; }, completionTimeout)) << "no completion";
    return state->second;
  }

  NetlaneManager::Reply rawCall(NetlaneManager& netlane, AuthCustome request) {
    auto state = std::make_shared<std::pair<bool, NetlaneManager::Reply>>();
    netlane.callAPIService(true, std::move(request),
                           [state](std::optional<NetlaneManager::Body> data, std::optional<HttpResponseInfo> response,
                                   std::optional<std::string> error) {
                             *state = {true, {std::move(data), std::move(response), std::move(error)}};
                           });
    EXPECT_TRUE(loop->runUntil([&] { return state->first; }, completionTimeout)) << "no completion";
    return state->second;
  }

  static constexpr platform::TimeInterval completionTimeout = 20;
  std::shared_ptr<host::RealTimeRunLoop> loop = std::make_shared<host::RealTimeRunLoop>();

 private:
  std::shared_ptr<platform::RunLoop> previous_;
};

}  // namespace kassio::sandbox::test
