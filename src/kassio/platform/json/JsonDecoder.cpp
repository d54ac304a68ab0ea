#include "kassio/platform/json/JsonDecoder.h"

namespace kassio::platform {

std::optional<JsonValue> JsonDecoder::parse(std::string_view utf8Text) {
  simdjson::dom::element root;
  if (!parseDocument(utf8Text, root)) return std::nullopt;
  return jsonValueFromDom(root);
}

bool JsonDecoder::parseDocument(std::string_view utf8Text, simdjson::dom::element& root) {
  // simdjson reads past the end of its input, so it gets a padded copy; the DOM keeps its own
  // copies of strings, so the copy can go once parsed.
  const simdjson::padded_string padded(utf8Text);
  return parser_.parse(padded).get(root) == simdjson::SUCCESS;
}

}  // namespace kassio::platform
