#include "sim/ArgumentReader.h"

#include <cmath>
#include <cstdint>

#include "kassio/platform/text/DateFormatter.h"

namespace kassio::sim {

namespace {

constexpr const char* scriptDatePattern = "yyyy-MM-dd HH:mm:ss";

std::string integerRange(std::int64_t min, std::int64_t max) {
  if (min == INT64_MIN && max == INT64_MAX) return "a 64-bit integer";
  if (max == INT64_MAX) return "an integer from " + std::to_string(min);
  return "an integer from " + std::to_string(min) + " to " + std::to_string(max);
}

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

std::int64_t ArgumentReader::integer(const char* label, std::int64_t min, std::int64_t max) {
  if (raw(label).is_null()) {
    mismatch(label, integerRange(min, max));
    return 0;
  }
  return optionalInteger(label, min, max).value_or(0);
}

std::optional<std::int64_t> ArgumentReader::optionalInteger(const char* label, std::int64_t min, std::int64_t max) {
  const Json& value = raw(label);
  if (value.is_null()) return std::nullopt;
  // An unsigned JSON number above the signed range would wrap when read as std::int64_t.
  const bool fits = value.is_number_integer() &&
                    !(value.is_number_unsigned() && value.get<std::uint64_t>() > std::uint64_t(INT64_MAX)) &&
                    value.get<std::int64_t>() >= min && value.get<std::int64_t>() <= max;
  if (!fits) {
    mismatch(label, integerRange(min, max));
    return std::nullopt;
  }
  return value.get<std::int64_t>();
}

std::optional<double> ArgumentReader::number(const char* label) {
  const Json& value = raw(label);
  if (!value.is_number() || !std::isfinite(value.get<double>())) {
    mismatch(label, "a number");
    return std::nullopt;
  }
  return value.get<double>();
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

bool ArgumentReader::flag(const char* label, bool fallback) {
  if (!present(label)) return fallback;
  if (!raw(label).is_boolean()) {
    mismatch(label, "true or false");
    return fallback;
  }
  return raw(label).get<bool>();
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
