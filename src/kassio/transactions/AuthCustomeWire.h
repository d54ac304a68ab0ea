#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "kassio/platform/json/JsonValue.h"
#include "kassio/transactions/AuthCustome.h"
#include "kassio/transactions/HttpResponseInfo.h"
#include "kassio/transactions/NetlaneManager.h"

// How a request travels between the HTTP Netlane and the bank: one POST per case at
// /netlane/v1/<case>, its values as named members of a JSON object (docs/wire-protocol.md).
// Client and server both code requests here, so the two can never disagree.
namespace kassio {

enum class WireValueKind { text, textList, flag };

// One named member of a request body, in the case's argument order.
struct WireMember {
  std::string_view name;
  WireValueKind kind;
};

// The members of a case's body, in the order of the case's values.
std::span<const WireMember> wireMembers(AuthCustomeCase kind);

// "/netlane/v1/LinkPay"
std::string wirePath(AuthCustomeCase kind);
inline constexpr std::string_view wirePathPrefix = "/netlane/v1/";

// The request's values as a JSON object keyed by member name.
platform::JsonValue wireBody(const AuthCustome& request);

// The request a case name and a body stand for. None, with the reason in *error, when the case
// is unknown, the body is not an object, or a member is missing or of the wrong type; members
// the case does not have are ignored.
std::optional<AuthCustome> requestFromWire(std::string_view caseName, const platform::JsonValue& body,
                                           std::string* error = nullptr);

// The cases that create or change a payment: never retried by the transport, and sent with an
// idempotency key so that a repeated request is answered without charging twice.
bool changesPayments(AuthCustomeCase kind);
inline constexpr std::string_view idempotencyKeyHeader = "Idempotency-Key";

inline constexpr std::string_view jsonContentType = "application/json";
inline constexpr std::string_view pngContentType = "image/png";

// An HTTP answer as a Netlane reply: a 2xx status is an answer; any other is a failed call that
// still carries its body and response, so that no decoded record comes of it.
NetlaneManager::Reply replyFromHttp(HttpResponseInfo response, NetlaneManager::Body body);

}  // namespace kassio
