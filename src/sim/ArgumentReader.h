#pragma once

#include <cstdint>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>

#include "kassio/platform/foundation/Date.h"
#include "kassio/platform/json/Json.h"

namespace kassio::sim {

// How a bad argument is reported: "<function>: <label><name><mismatch><what>", e.g.
// "validateLinkEntry: argument amount must be a text", the function's name only where
// `namesFunction`. Each group of functions keeps the wording its scripts already see.
struct ArgumentWording {
  const char* label;
  const char* mismatch;
  bool namesFunction = true;
};

// Reads the named arguments of a `manager` or `fn` command, or the members of a driver command,
// remembering the first problem: a member of the wrong JSON type or out of range is reported,
// never thrown or narrowed.
class ArgumentReader {
 public:
  using Json = nlohmann::ordered_json;

  using Wording = ArgumentWording;
  static constexpr Wording driverWording{"argument ", " must be "};
  // The members of a driver command: "<member> must be <what>".
  static constexpr Wording memberWording{"", " must be ", false};

  explicit ArgumentReader(const Json& args, Wording wording = driverWording)
      : args_(args.is_object() ? args : Json::object()),
        isObject_(args.is_object() || args.is_null()),
        wording_(wording) {}

  // Whether the arguments were an object (or absent).
  bool isObject() const { return isObject_; }
  bool has(const char* label) const { return args_.contains(label) && !args_[label].is_null(); }
  // The argument as given; null when missing.
  const Json& raw(const char* label) const;

  // A text; a missing one is the fallback or none, one of another type a problem.
  std::string text(const char* label, std::string fallback = {});
  std::optional<std::string> optionalText(const char* label);
  // A text that must be given.
  std::optional<std::string> requiredText(const char* label);
  // An integer that must be given, within [min, max].
  std::int64_t integer(const char* label, std::int64_t min = INT64_MIN, std::int64_t max = INT64_MAX);
  // An integer within [min, max]; a missing one is none.
  std::optional<std::int64_t> optionalInteger(const char* label, std::int64_t min = INT64_MIN,
                                              std::int64_t max = INT64_MAX);
  // A finite number that must be given.
  std::optional<double> number(const char* label);
  bool boolean(const char* label, bool fallback = false);
  // A switch of a driver command: missing is the fallback, anything but true or false (null
  // included) a problem.
  bool flag(const char* label, bool fallback);
  bool present(const char* label) const { return args_.contains(label); }
  // The whole object read (a command's members).
  const Json& all() const { return args_; }
  // A date written "yyyy-MM-dd HH:mm:ss" in the device's time zone, as scripts write dates.
  std::optional<platform::Date> date(const char* label);
  static std::string scriptDate(platform::Date date);

  // A record given as JSON, or as JSON text. A missing optional one is the empty record; `what`
  // names the expected value in the problem, without it the problem says it does not decode.
  template <class T>
  std::optional<T> record(const char* label, const char* what = nullptr, bool required = true) {
    const Json& value = raw(label);
    if (value.is_null() && !required) return T{};
    auto decoded =
        value.is_string() ? platform::decodeJson<T>(value.get<std::string>()) : platform::decodeJson<T>(value);
    if (!decoded) {
      if (what) {
        mismatch(label, what);
      } else {
        fail(std::string(wording_.label) + label + " does not decode");
      }
    }
    return decoded;
  }

  const std::string& error() const { return error_; }
  bool ok() const { return error_.empty(); }
  void fail(std::string message) {
    if (error_.empty()) error_ = std::move(message);
  }
  // Reports an argument that is not `what` ("a text", "an integer", …).
  void mismatch(const char* label, const std::string& what) {
    fail(std::string(wording_.label) + label + wording_.mismatch + what);
  }

 private:
  Json args_;
  bool isObject_;
  Wording wording_;
  std::string error_;
};

}  // namespace kassio::sim
