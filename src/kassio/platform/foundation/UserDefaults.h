#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace kassio::platform {

// The app's persistent key-value store. Values keep their type; the typed readers convert the
// way the platform's defaults do.
class UserDefaults {
 public:
  using StringMap = std::map<std::string, std::string>;
  using DefaultValue = std::variant<bool, std::int64_t, std::string, StringMap>;

  virtual ~UserDefaults() = default;

  virtual std::optional<DefaultValue> object(const std::string& key) const = 0;
  virtual void set(const std::string& key, DefaultValue value) = 0;
  virtual void remove(const std::string& key) = 0;
  virtual std::vector<std::string> keys() const = 0;  // sorted
  // Makes every change durable; false when some change could not be saved.
  virtual bool synchronize() = 0;

  // Absent → false; an integer → non-zero; a string → "true", "yes" or "1", in any case.
  bool boolValue(const std::string& key) const;
  // Absent → 0; a bool → 0 or 1; a string holding a number → that number (a fraction truncated
  // towards zero), other strings and out-of-range numbers → 0.
  std::int64_t integer(const std::string& key) const;
  // Only a stored string: numbers and bools are not turned into text.
  std::optional<std::string> string(const std::string& key) const;
  std::optional<StringMap> stringMap(const std::string& key) const;
};

}  // namespace kassio::platform
