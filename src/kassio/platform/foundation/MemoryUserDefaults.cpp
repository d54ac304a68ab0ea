#include "kassio/platform/foundation/MemoryUserDefaults.h"

#include <utility>

namespace kassio::platform {

std::optional<UserDefaults::DefaultValue> MemoryUserDefaults::object(const std::string& key) const {
  auto found = values_.find(key);
  if (found == values_.end()) return std::nullopt;
  return found->second;
}

void MemoryUserDefaults::set(const std::string& key, DefaultValue value) {
  values_.insert_or_assign(key, std::move(value));
}

void MemoryUserDefaults::remove(const std::string& key) { values_.erase(key); }

std::vector<std::string> MemoryUserDefaults::keys() const {
  std::vector<std::string> keys;
  keys.reserve(values_.size());
  for (const auto& entry : values_) keys.push_back(entry.first);
  return keys;
}

}  // namespace kassio::platform
