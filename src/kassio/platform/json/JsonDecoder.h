#pragma once

#include "kassio/platform/json/JsonCoding.h"
#include "kassio/platform/json/JsonValue.h"

#include <simdjson.h>

#include <cstddef>
#include <memory>
#include <optional>
#include <string_view>

namespace kassio::platform {

// Decodes records straight from JSON text with simdjson's On-Demand parser: each value is read
// as the kind its field asks for, and members nobody reads are only checked to be valid JSON,
// never converted, so a number too large for any C++ type fails only a field that reads it.
// A leading UTF-8 byte-order mark is skipped. The parser's buffers stay with the decoder, so an
// owner that decodes a large document again and again (the terminal list) keeps one decoder
// instead of paying for fresh memory on every call. Each decode replaces the previous document.
class JsonDecoder {
 public:
  // Invalid JSON, invalid UTF-8 or a value of the wrong shape give nullopt.
  template <class T>
  std::optional<T> decode(std::string_view utf8Text);

  // The untyped value (see parseJson()).
  std::optional<JsonValue> parse(std::string_view utf8Text);

 private:
  // Reads the document's one value with `read(simdjson::ondemand::value)` and checks that
  // nothing but blanks follows it.
  template <class Read>
  bool readDocument(std::string_view utf8Text, Read&& read);

  // Starts the document as `[text]`: the root becomes an ordinary value, whatever its kind,
  // since On-Demand reads scalar documents through a separate interface.
  bool start(std::string_view utf8Text, simdjson::ondemand::document& document);

  simdjson::ondemand::parser parser_;
  std::unique_ptr<char[]> text_;  // the bracketed copy, padded as simdjson reads past the end
  std::size_t capacity_ = 0;
};

template <class Read>
bool JsonDecoder::readDocument(std::string_view utf8Text, Read&& read) {
  simdjson::ondemand::document document;
  simdjson::ondemand::array wrapper;
  if (!start(utf8Text, document) || document.get_array().get(wrapper) != simdjson::SUCCESS) return false;
  bool readOne = false;
  for (auto element : wrapper) {
    simdjson::ondemand::value root;
    if (readOne || element.get(root) != simdjson::SUCCESS || !read(root)) return false;
    readOne = true;
  }
  return readOne && document.current_location().error() == simdjson::OUT_OF_BOUNDS;  // nothing after `]`
}

template <class T>
std::optional<T> JsonDecoder::decode(std::string_view utf8Text) {
  std::optional<T> value(std::in_place);
  if (!readDocument(utf8Text, [&](simdjson::ondemand::value root) { return JsonCoding<T>::decode(root, *value); }))
    return std::nullopt;
  return value;
}

}  // namespace kassio::platform
