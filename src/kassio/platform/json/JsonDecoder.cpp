#include "kassio/platform/json/JsonDecoder.h"

#include <cstring>

namespace kassio::platform {

std::optional<JsonValue> JsonDecoder::parse(std::string_view utf8Text) {
  JsonValue value;
  if (!readDocument(utf8Text, [&](simdjson::ondemand::value root) { return readJsonValue(root, value); }))
    return std::nullopt;
  return value;
}

bool JsonDecoder::start(std::string_view utf8Text, simdjson::ondemand::document& document) {
  constexpr std::string_view byteOrderMark = "\xEF\xBB\xBF";
  if (utf8Text.starts_with(byteOrderMark)) utf8Text.remove_prefix(byteOrderMark.size());

  const std::size_t length = utf8Text.size() + 2;
  if (capacity_ < length + simdjson::SIMDJSON_PADDING) {
    capacity_ = length + simdjson::SIMDJSON_PADDING;
    text_ = std::make_unique_for_overwrite<char[]>(capacity_);
  }
  text_[0] = '[';
  std::memcpy(text_.get() + 1, utf8Text.data(), utf8Text.size());
  text_[length - 1] = ']';
  std::memset(text_.get() + length, 0, simdjson::SIMDJSON_PADDING);
  return parser_.iterate(text_.get(), length, capacity_).get(document) == simdjson::SUCCESS;
}

}  // namespace kassio::platform
