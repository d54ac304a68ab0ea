#include "sim/ArgumentReader.h"

#include "kassio/platform/text/DateFormatter.h"

namespace kassio::sim {

namespace {

constexpr const char* scriptDatePattern = "yyyy-MM-dd HH:mm:ss";

platform::DateFormatter scriptDateFormatter() { return platform::DateFormatter(scriptDatePattern, "en_US_POSIX"); }

}  // namespace

const ArgumentReader::Json& ArgumentReader::raw(const char* label) const {
  static const Json null;
  auto found = args_.find(label);
  return found == args_.end() ? null : *found;
}

std::optional<std::string> ArgumentReader::optionalText(const char* label) {
  const Json& value = raw(label);
  if (value.is_null()) return std::nullopt;
  if (!value.is_string()) {
    mismatch(label, "a text");
    return std::nullopt;
  }
  return value.get<std::string>();
}

std::string ArgumentReader::text(const char* label, std::string fallback) {
  return optionalText(label).value_or(std::move(fallback));
}

std::optional<std::string> ArgumentReader::requiredText(const char* label) {
  const Json& value = raw(label);
  if (!value.is_string()) {
    mismatch(label, "a text");
    return std::nullopt;
  }
  return value.get<std::string>();
}

std::int64_t ArgumentReader::integer(const char* label) {
  const Json& value = raw(label);
  if (!value.is_number_integer()) {
    mismatch(label, "an integer");
    return 0;
  }
  return value.get<std::int64_t>();
}

bool ArgumentReader::boolean(const char* label, bool fallback) {
  const Json& value = raw(label);
  if (value.is_null()) return fallback;
  if (!value.is_boolean()) {
    mismatch(label, "true or false");
    return fallback;
  }
  return value.get<bool>();
}

std::optional<platform::Date> ArgumentReader::date(const char* label) {
  const auto value = requiredText(label);
  if (!value) return std::nullopt;
  auto date = scriptDateFormatter().date(*value);
  if (!date) mismatch(label, std::string("a date written \"") + scriptDatePattern + "\"");
  return date;
}

std::string ArgumentReader::scriptDate(platform::Date date) { return scriptDateFormatter().string(date); }

}  // namespace kassio::sim
