#include "sim/ArgumentReader.h"

namespace kassio::sim {

const ArgumentReader::Json& ArgumentReader::raw(const char* label) const {
  static const Json null;
  auto found = args_.find(label);
  return found == args_.end() ? null : *found;
}

std::optional<std::string> ArgumentReader::optionalText(const char* label) {
  const Json& value = raw(label);
  if (value.is_null()) return std::nullopt;
  if (!value.is_string()) {
    fail(std::string("argument ") + label + " must be a text");
    return std::nullopt;
  }
  return value.get<std::string>();
}

std::string ArgumentReader::text(const char* label, std::string fallback) {
  return optionalText(label).value_or(std::move(fallback));
}

std::int64_t ArgumentReader::integer(const char* label) {
  const Json& value = raw(label);
  if (!value.is_number_integer()) {
    fail(std::string("argument ") + label + " must be an integer");
    return 0;
  }
  return value.get<std::int64_t>();
}

bool ArgumentReader::boolean(const char* label, bool fallback) {
  const Json& value = raw(label);
  if (value.is_null()) return fallback;
  if (!value.is_boolean()) {
    fail(std::string("argument ") + label + " must be true or false");
    return fallback;
  }
  return value.get<bool>();
}

}  // namespace kassio::sim
