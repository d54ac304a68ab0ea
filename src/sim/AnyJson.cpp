#include "sim/AnyJson.h"

#include <cstdint>
#include <vector>

namespace kassio::sim {

std::any anyFromJson(const nlohmann::ordered_json& value) {
  if (value.is_null()) return {};
  if (value.is_boolean()) return value.get<bool>();
  if (value.is_number_integer()) return value.get<std::int64_t>();
  if (value.is_number()) return value.get<double>();
  if (value.is_string()) return value.get<std::string>();
  return value;
}

std::map<std::string, std::any> anyMapFromJson(const nlohmann::ordered_json& object) {
  std::map<std::string, std::any> result;
  if (!object.is_object()) return result;
  for (const auto& [key, value] : object.items()) result[key] = anyFromJson(value);
  return result;
}

nlohmann::ordered_json jsonFromAny(const std::any& value) {
  if (!value.has_value()) return nullptr;
  if (const auto* v = std::any_cast<bool>(&value)) return *v;
  if (const auto* v = std::any_cast<std::int64_t>(&value)) return *v;
  if (const auto* v = std::any_cast<int>(&value)) return *v;
  if (const auto* v = std::any_cast<double>(&value)) return *v;
  if (const auto* v = std::any_cast<std::string>(&value)) return *v;
  if (const auto* v = std::any_cast<const char*>(&value)) return std::string(*v);
  if (const auto* v = std::any_cast<std::vector<std::string>>(&value)) return *v;
  if (const auto* v = std::any_cast<nlohmann::ordered_json>(&value)) return *v;
  if (const auto* v = std::any_cast<std::map<std::string, std::any>>(&value)) {
    nlohmann::ordered_json object = nlohmann::ordered_json::object();
    for (const auto& [key, item] : *v) object[key] = jsonFromAny(item);
    return object;
  }
  return std::string("<") + value.type().name() + ">";
}

}  // namespace kassio::sim
