#pragma once

#include "kassio/platform/json/JsonCoding.h"
#include "kassio/platform/json/JsonValue.h"

#include <simdjson.h>

#include <optional>
#include <string_view>

namespace kassio::platform {

// Parses JSON text with simdjson and decodes records straight from its DOM. The parser's buffers
// (several times the document's size) stay with the decoder, so an owner that decodes a large
// document again and again (the terminal list) keeps one decoder instead of paying for fresh
// memory on every call. Each decode replaces the previous document.
class JsonDecoder {
 public:
  // Invalid JSON, invalid UTF-8 or a value of the wrong shape give nullopt.
  template <class T>
  std::optional<T> decode(std::string_view utf8Text);

  // The untyped value (see parseJson()).
  std::optional<JsonValue> parse(std::string_view utf8Text);

 private:
  bool parseDocument(std::string_view utf8Text, simdjson::dom::element& root);

  simdjson::dom::parser parser_;
};

template <class T>
std::optional<T> JsonDecoder::decode(std::string_view utf8Text) {
  simdjson::dom::element root;
  if (!parseDocument(utf8Text, root)) return std::nullopt;
  std::optional<T> value(std::in_place);
  if (!JsonCoding<T>::decode(root, *value)) return std::nullopt;
  return value;
}

}  // namespace kassio::platform
