#include "kassio/dashboard/DateFunctionRegistry.h"

#include <array>

#include "kassio/dashboard/DateFunctions.h"
#include "kassio/platform/text/DateFormatter.h"

namespace kassio {

namespace {

constexpr std::array names{std::string_view("stringWithFormat"), std::string_view("startOfQuarter"),
                           std::string_view("convertDateFormat"), std::string_view("toDateString"),
                           std::string_view("reformatDate")};

constexpr const char* scriptDatePattern = "yyyy-MM-dd HH:mm:ss";

// Reads named arguments, recording the first problem in `error`.
class Arguments {
 public:
  Arguments(std::string_view function, const platform::JsonValue& args, std::string& error)
      : function_(function), args_(args), error_(error) {}

  std::optional<std::string> text(const char* key) {
    const auto found = args_.is_object() ? args_.find(key) : args_.end();
    if (found == args_.end() || !found->is_string()) {
      fail(std::string("args.") + key + " must be a text");
      return std::nullopt;
    }
    return found->get<std::string>();
  }

  std::optional<platform::Date> date(const char* key) {
    const auto value = text(key);
    if (!value) return std::nullopt;
    auto date = platform::DateFormatter(scriptDatePattern, "en_US_POSIX").date(*value);
    if (!date) fail(std::string("args.") + key + " must be a date written \"" + scriptDatePattern + "\"");
    return date;
  }

 private:
  void fail(const std::string& problem) {
    if (error_.empty()) error_ = std::string(function_) + ": " + problem;
  }

  std::string_view function_;
  const platform::JsonValue& args_;
  std::string& error_;
};

std::string scriptDate(platform::Date date) {
  return platform::DateFormatter(scriptDatePattern, "en_US_POSIX").string(date);
}

}  // namespace

bool isDateFunction(std::string_view name) {
  for (const auto candidate : names) {
    if (candidate == name) return true;
  }
  return false;
}

std::optional<platform::JsonValue> callDateFunction(std::string_view name, const platform::JsonValue& args,
                                                    std::string& error) {
  error.clear();
  Arguments read(name, args, error);
  if (name == "stringWithFormat") {
    const auto value = read.date("value");
    const auto format = read.text("format");
    if (!value || !format) return std::nullopt;
    return stringWithFormat(*value, *format);
  }
  if (name == "startOfQuarter") {
    const auto value = read.date("value");
    if (!value) return std::nullopt;
    return scriptDate(startOfQuarter(*value));
  }
  if (name == "convertDateFormat") {
    const auto value = read.text("value");
    if (!value) return std::nullopt;
    const auto result = convertDateFormat(*value);
    return result ? platform::JsonValue(*result) : platform::JsonValue(nullptr);
  }
  if (name == "toDateString") {
    const auto value = read.text("value");
    const auto format = read.text("format");
    if (!value || !format) return std::nullopt;
    return toDateString(*value, *format);
  }
  if (name == "reformatDate") {
    const auto value = read.text("value");
    const auto from = read.text("from");
    const auto to = read.text("to");
    if (!value || !from || !to) return std::nullopt;
    return reformatDate(*value, *from, *to);
  }
  error = "unknown date function " + std::string(name);
  return std::nullopt;
}

}  // namespace kassio
