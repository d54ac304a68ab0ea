#pragma once

#include <optional>
#include <string>

#include <nlohmann/json.hpp>

namespace kassio::sim {

// One `expect` of a script: a path into the last result and a check on what it leads to.
class JsonExpectation {
 public:
  // Reads the check from the command; an error text when it is malformed.
  static std::optional<JsonExpectation> fromCommand(const nlohmann::ordered_json& command, std::string& error);

  // Empty when the check holds, else what went wrong.
  std::optional<std::string> check(const nlohmann::ordered_json& data, nlohmann::ordered_json& actual) const;

  // Walks a dot path: object keys, array indices; null when it leads nowhere.
  static const nlohmann::ordered_json* walk(const nlohmann::ordered_json& data, const std::string& path);

 private:
  enum class Kind { equals, contains, absent, count };
  std::string path_;
  Kind kind_ = Kind::equals;
  nlohmann::ordered_json operand_;
};

// JSON equality with numbers compared by value (200 equals 200.0).
bool jsonEqual(const nlohmann::ordered_json& a, const nlohmann::ordered_json& b);

}  // namespace kassio::sim
