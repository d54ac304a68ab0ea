#include "kassio/transactions/QRPayResponse.h"

#include <string_view>
#include <tuple>

#include "kassio/platform/json/Json.h"

namespace kassio {

namespace {

// The members of a status object that decide the outcome, read untyped so that a status or
// message of another kind counts as empty text instead of turning the object into an image.
// Every other member is skipped whatever it holds (a reference number of any length, say).
struct StatusObject {
  std::optional<platform::JsonValue> status;
  std::optional<platform::JsonValue> respMsg;

  static constexpr auto jsonFields = std::make_tuple(platform::jsonField("status", &StatusObject::status),
                                                     platform::jsonField("respMsg", &StatusObject::respMsg));
};

std::string textOf(const std::optional<platform::JsonValue>& member) {
  return member && member->is_string() ? member->get<std::string>() : std::string();
}

}  // namespace

QRPayResponse QRPayResponse::fromReply(const std::optional<std::vector<std::uint8_t>>& body, bool callFailed) {
  QRPayResponse result{body, "", "", false, ""};
  if (callFailed || !body || body->empty()) return result;

  // Bytes that are not UTF-8, or JSON that is not an object, do not decode either: an image.
  const std::string_view text(reinterpret_cast<const char*>(body->data()), body->size());
  const auto object = platform::decodeJson<StatusObject>(text);
  if (!object) {
    result.success = true;
    return result;
  }
  result.success = textOf(object->status) == "Success";
  result.errorMsg = textOf(object->respMsg);
  return result;
}

}  // namespace kassio
