#include "kassio/platform/json/JsonValue.h"

#include "kassio/platform/json/JsonDecoder.h"

namespace kassio::platform {

std::optional<JsonValue> parseJson(std::string_view utf8Text) {
  return JsonDecoder().parse(utf8Text);
}

std::string writeJson(const JsonValue& value) {
  return value.dump(-1, ' ', false, JsonValue::error_handler_t::replace);
}

}  // namespace kassio::platform
