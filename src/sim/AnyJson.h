#pragma once

#include <any>
#include <map>
#include <string>

#include <nlohmann/json.hpp>

namespace kassio::sim {

// Notification payloads travel as std::any: JSON from a script becomes the plain C++ values the
// module reads (bool, std::int64_t, double, std::string; arrays and objects stay JSON), and
// payloads the module posts are written back as JSON for the log.
std::any anyFromJson(const nlohmann::ordered_json& value);
std::map<std::string, std::any> anyMapFromJson(const nlohmann::ordered_json& object);
nlohmann::ordered_json jsonFromAny(const std::any& value);

}  // namespace kassio::sim
