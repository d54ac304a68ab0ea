#pragma once

#include <map>

#include "kassio/platform/foundation/UserDefaults.h"

namespace kassio::platform {

// User defaults that live as long as the object: for tests and for a fresh store per run.
class MemoryUserDefaults final : public UserDefaults {
 public:
  std::optional<DefaultValue> object(const std::string& key) const override;
  void set(const std::string& key, DefaultValue value) override;
  void remove(const std::string& key) override;
  std::vector<std::string> keys() const override;
  bool synchronize() override { return true; }

 private:
  std::map<std::string, DefaultValue> values_;
};

}  // namespace kassio::platform
