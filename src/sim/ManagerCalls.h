#pragma once

#include <optional>
#include <string>

#include <nlohmann/json.hpp>

namespace kassio::sim {

// The driver's `manager` command: calls a static KassioManager operation by name with named
// arguments and gives its result as JSON (null for operations without one).
class ManagerCalls {
 public:
  using Json = nlohmann::ordered_json;
  static std::optional<Json> call(const std::string& method, const Json& args, std::string& error);
};

}  // namespace kassio::sim
