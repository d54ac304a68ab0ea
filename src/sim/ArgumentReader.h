#pragma once

#include <optional>
#include <string>

#include <nlohmann/json.hpp>

#include "kassio/platform/json/Json.h"

namespace kassio::sim {

// Reads the named arguments of a `manager` or `fn` command, remembering the first problem.
class ArgumentReader {
 public:
  using Json = nlohmann::ordered_json;

  explicit ArgumentReader(const Json& args) : args_(args.is_object() ? args : Json::object()) {}

  std::string text(const char* label, std::string fallback = {});
  std::optional<std::string> optionalText(const char* label);
  std::int64_t integer(const char* label);
  bool boolean(const char* label, bool fallback = false);
  bool has(const char* label) const { return args_.contains(label) && !args_[label].is_null(); }
  const Json& raw(const char* label) const;

  // A record given as JSON, or as JSON text.
  template <class T>
  std::optional<T> record(const char* label) {
    const Json& value = raw(label);
    auto decoded = value.is_string() ? platform::decodeJson<T>(value.get<std::string>()) : platform::decodeJson<T>(value);
    if (!decoded) fail(std::string("argument ") + label + " does not decode");
    return decoded;
  }

  // Runs an operation on the arguments; its result, or none with `error` naming the operation
  // and the first bad argument.
  template <class Operation>
  static std::optional<Json> invoke(const std::string& name, const Operation& operation, const Json& args,
                                    std::string& error) {
    ArgumentReader reader(args);
    Json result = operation(reader);
    if (reader.ok()) return result;
    error = name + ": " + reader.error();
    return std::nullopt;
  }

  const std::string& error() const { return error_; }
  bool ok() const { return error_.empty(); }
  void fail(std::string message) {
    if (error_.empty()) error_ = std::move(message);
  }

 private:
  Json args_;
  std::string error_;
};

}  // namespace kassio::sim
