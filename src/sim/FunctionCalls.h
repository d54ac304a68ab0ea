#pragma once

#include <nlohmann/json.hpp>
#include <optional>
#include <string>

namespace kassio::sim {

// The driver's `fn` command: calls an exported helper of the module by name with named
// arguments — validators, string checks, terminal rules, banner, deep-link and date functions,
// record decodes — and gives its result as JSON.
class FunctionCalls {
 public:
  using Json = nlohmann::ordered_json;
  static std::optional<Json> call(const std::string& name, const Json& args, std::string& error);
  // The named record decoded from JSON text and encoded back, or null when it does not decode.
  static std::optional<Json> decode(const std::string& record, const std::string& jsonText, std::string& error);
};

}  // namespace kassio::sim
