#pragma once

#include <nlohmann/json.hpp>

#include <optional>
#include <string>
#include <string_view>

namespace kassio::platform {

// An untyped JSON value. Ordered, so objects keep the key order they were parsed or built in.
using JsonValue = nlohmann::ordered_json;

// Parses UTF-8 JSON text; a leading byte-order mark is skipped. Integers stay integers (unsigned
// above the int64 range), numbers with a fraction or exponent become doubles, and so do integers
// beyond 64 bits (the nearest double: a long reference number is kept, if not to the last digit).
// A number beyond the double range cannot be held and fails, as invalid JSON or invalid UTF-8
// does (nullopt). When an object repeats a key, the first occurrence counts.
std::optional<JsonValue> parseJson(std::string_view utf8Text);

// Compact JSON text. Invalid UTF-8 inside strings is written as U+FFFD rather than failing.
std::string writeJson(const JsonValue& value);

}  // namespace kassio::platform
