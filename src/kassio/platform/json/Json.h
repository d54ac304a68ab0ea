#pragma once

// Typed JSON coding of records (field tables: JsonField.h; kinds: JsonCoding.h).

#include "kassio/platform/json/JsonCoding.h"
#include "kassio/platform/json/JsonDecoder.h"
#include "kassio/platform/json/JsonField.h"
#include "kassio/platform/json/JsonValue.h"

#include <optional>
#include <string>
#include <string_view>

namespace kassio::platform {

// Decodes a record (or a list or map of records, or any supported kind) from UTF-8 JSON text,
// after a leading byte-order mark if there is one. Invalid JSON, invalid UTF-8 or a wrong shape
// give nullopt. Uses a one-off decoder; keep a
// JsonDecoder where large documents are decoded repeatedly.
template <class T>
std::optional<T> decodeJson(std::string_view utf8Text) {
  return JsonDecoder().decode<T>(utf8Text);
}

// Decodes from a value already parsed (a notification's payload, say), by way of its text.
// Constrained to JSON values so that text arguments never convert to a JsonValue.
template <class T, class Json>
  requires nlohmann::detail::is_basic_json<Json>::value
std::optional<T> decodeJson(const Json& value) {
  std::string text;
  try {
    text = value.dump();
  } catch (const nlohmann::json::exception&) {  // strings that are not UTF-8
    return std::nullopt;
  }
  return decodeJson<T>(std::string_view(text));
}

// The record as a JSON value: present fields only, in table order.
template <class T>
JsonValue encodeJsonValue(const T& value) {
  return JsonCoding<T>::encode(value);
}

// Compact JSON text of encodeJsonValue().
template <class T>
std::string encodeJson(const T& value) {
  return writeJson(encodeJsonValue(value));
}

}  // namespace kassio::platform
