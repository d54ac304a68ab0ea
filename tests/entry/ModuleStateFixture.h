#pragma once

#include <memory>

#include <gtest/gtest.h>

#include "host/VirtualHost.h"
#include "kassio/entry/KassioState.h"
#include "kassio/platform/foundation/MemoryUserDefaults.h"

namespace kassio {

// Defaults that count their flushes, so a test can see that a write was made durable at once.
class CountingUserDefaults final : public platform::UserDefaults {
 public:
  std::optional<DefaultValue> object(const std::string& key) const override { return store_.object(key); }
  void set(const std::string& key, DefaultValue value) override { store_.set(key, std::move(value)); }
  void remove(const std::string& key) override { store_.remove(key); }
  std::vector<std::string> keys() const override { return store_.keys(); }
  bool synchronize() override {
    ++synchronizations;
    return true;
  }

  int synchronizations = 0;

 private:
  platform::MemoryUserDefaults store_;
};

// Each test starts on the test host from a fresh module state and an empty defaults store.
class ModuleStateTest : public ::testing::Test {
 protected:
  KassioState& state() { return KassioState::shared(); }
  CountingUserDefaults& defaults() { return *defaults_; }

 private:
  std::shared_ptr<CountingUserDefaults> defaults_ = std::make_shared<CountingUserDefaults>();
  host::VirtualHost device_{{.userDefaults = defaults_}};
};

}  // namespace kassio
