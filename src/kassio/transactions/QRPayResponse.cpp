#include "kassio/transactions/QRPayResponse.h"

#include <string_view>

#include "kassio/platform/json/JsonValue.h"

namespace kassio {

namespace {

std::string textMember(const platform::JsonValue& object, const char* key) {
  const auto found = object.find(key);
  return found != object.end() && found->is_string() ? found->get<std::string>() : std::string();
}

}  // namespace

QRPayResponse QRPayResponse::fromReply(const std::optional<std::vector<std::uint8_t>>& body, bool callFailed) {
  QRPayResponse result{body, "", "", false, ""};
  if (callFailed || !body || body->empty()) return result;

  // Bytes that are not UTF-8 do not parse either: an image.
  const std::string_view text(reinterpret_cast<const char*>(body->data()), body->size());
  const auto json = platform::parseJson(text);
  if (!json || !json->is_object()) {
    result.success = true;
    return result;
  }
  result.success = textMember(*json, "status") == "Success";
  result.errorMsg = textMember(*json, "respMsg");
  return result;
}

}  // namespace kassio
