#include "kassio/transactions/AuthCustomeWire.h"

#include <array>
#include <tuple>
#include <type_traits>
#include <utility>
#include <variant>
#include <vector>

#include "kassio/transactions/AuthCustomeRequests.h"

namespace kassio {

namespace {

using enum WireValueKind;

template <class Value>
constexpr WireValueKind wireKindOf() {
  if constexpr (std::is_same_v<Value, bool>) return flag;
  else if constexpr (std::is_same_v<Value, std::vector<std::string>>) return textList;
  else {
    static_assert(std::is_same_v<Value, std::string>, "request values are texts, lists of texts or a flag");
    return text;
  }
}

// A case's members: its request record's table (AuthCustomeRequests.h).
template <class Record>
constexpr auto membersOf = std::apply(
    [](const auto&... field) {
      return std::array<WireMember, sizeof...(field)>{
          WireMember{field.key, wireKindOf<typename std::remove_cvref_t<decltype(field)>::Value>()}...};
    },
    Record::jsonFields);

bool hasKind(const platform::JsonValue& value, WireValueKind kind) {
  switch (kind) {
    case text: return value.is_string();
    case flag: return value.is_boolean();
    case textList:
      if (!value.is_array()) return false;
      for (const auto& item : value) {
        if (!item.is_string()) return false;
      }
      return true;
  }
  return false;
}

RequestArgument argumentOf(const platform::JsonValue& value, WireValueKind kind) {
  switch (kind) {
    case text: return value.get<std::string>();
    case flag: return value.get<bool>();
    case textList: return value.get<std::vector<std::string>>();
  }
  return std::string();
}

bool fail(std::string* error, std::string reason) {
  if (error) *error = std::move(reason);
  return false;
}

}  // namespace

std::span<const WireMember> wireMembers(AuthCustomeCase kind) {
  return visitRequestRecord(kind, [](auto record) {
    return std::span<const WireMember>(membersOf<typename decltype(record)::type>);
  });
}

std::string wirePath(AuthCustomeCase kind) { return std::string(wirePathPrefix) + std::string(caseName(kind)); }

platform::JsonValue wireBody(const AuthCustome& request) {
  platform::JsonValue body = platform::JsonValue::object();
  const auto members = wireMembers(request.kind);
  for (std::size_t i = 0; i < members.size() && i < request.args.size(); ++i) {
    std::visit([&](const auto& value) { body[std::string(members[i].name)] = value; }, request.args[i]);
  }
  return body;
}

std::optional<AuthCustome> requestFromWire(std::string_view caseName, const platform::JsonValue& body,
                                           std::string* error) {
  const auto kind = authCustomeCaseNamed(caseName);
  if (!kind) {
    fail(error, "unknown request case \"" + std::string(caseName) + "\"");
    return std::nullopt;
  }
  if (!body.is_object()) {
    fail(error, "the request body is not a JSON object");
    return std::nullopt;
  }
  AuthCustome request{*kind, {}};
  for (const auto& member : wireMembers(*kind)) {
    const auto found = body.find(std::string(member.name));
    if (found == body.end() || !hasKind(*found, member.kind)) {
      static constexpr std::array kindNames{"a text", "a list of texts", "a boolean"};
      fail(error, "member \"" + std::string(member.name) + "\" must be " +
                      kindNames[static_cast<std::size_t>(member.kind)]);
      return std::nullopt;
    }
    request.args.push_back(argumentOf(*found, member.kind));
  }
  return request;
}

bool changesPayments(AuthCustomeCase kind) {
  switch (kind) {
    case AuthCustomeCase::QRPay:
    case AuthCustomeCase::LinkPay:
    case AuthCustomeCase::cashPay:
    case AuthCustomeCase::addPayLaterTxn:
    case AuthCustomeCase::handleCardTxnData:
    case AuthCustomeCase::oarAddOfferRedeem: return true;
    default: return false;
  }
}

NetlaneManager::Reply replyFromHttp(HttpResponseInfo response, NetlaneManager::Body body) {
  NetlaneManager::Reply reply;
  const int status = response.statusCode;
  if (status < 200 || status > 299) reply.error = "HTTP status " + std::to_string(status);
  reply.data = std::move(body);
  reply.response = std::move(response);
  return reply;
}

}  // namespace kassio
