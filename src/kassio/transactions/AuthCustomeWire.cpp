#include "kassio/transactions/AuthCustomeWire.h"

#include <array>
#include <utility>
#include <variant>
#include <vector>

namespace kassio {

namespace {

using enum WireValueKind;

// Member names follow the factories' parameter names in AuthCustome.h.
constexpr std::array<WireMember, 2> customerMembers{{{"mobileNumber", text}, {"terminalId", text}}};
constexpr std::array<WireMember, 2> upiCheckMembers{{{"payerUpiId", text}, {"terminalId", text}}};
constexpr std::array<WireMember, 8> collectMembers{{{"terminalId", text},
                                                    {"amount", text},
                                                    {"description", text},
                                                    {"mobileNumber", text},
                                                    {"timestamp", text},
                                                    {"flag", text},
                                                    {"payLaterCustomerId", text},
                                                    {"offerRedemptionId", text}}};
constexpr std::array<WireMember, 7> cashPayMembers{{{"terminalId", text},
                                                    {"amount", text},
                                                    {"description", text},
                                                    {"timestamp", text},
                                                    {"payLaterCustomerId", text},
                                                    {"mobileNumber", text},
                                                    {"offerRedemptionId", text}}};
constexpr std::array<WireMember, 8> payLaterMembers{{{"mobileNumber", text},
                                                     {"terminalId", text},
                                                     {"amount", text},
                                                     {"address", text},
                                                     {"name", text},
                                                     {"description", text},
                                                     {"flag", text},
                                                     {"isNewCustomer", flag}}};
// The card flow's fourth value is what the card popup hands back: the customer's number.
constexpr std::array<WireMember, 9> cardMembers{{{"amount", text},
                                                 {"terminalId", text},
                                                 {"description", text},
                                                 {"contactNumber", text},
                                                 {"flag", text},
                                                 {"status", text},
                                                 {"reference1", text},
                                                 {"reference2", text},
                                                 {"transactionId", text}}};
constexpr std::array<WireMember, 3> offerListMembers{
    {{"mobileNumber", text}, {"terminalIds", textList}, {"amountInPaise", text}}};
constexpr std::array<WireMember, 7> redeemMembers{{{"offerId", text},
                                                   {"terminalId", text},
                                                   {"customerId", text},
                                                   {"offerAmount", text},
                                                   {"payableAmount", text},
                                                   {"status", text},
                                                   {"paymentMode", text}}};
constexpr std::array<WireMember, 1> redemptionMembers{{{"redemptionId", text}}};
constexpr std::array<WireMember, 7> miniStatementMembers{{{"terminalIds", textList},
                                                          {"filterType", text},
                                                          {"transactionStates", textList},
                                                          {"requestType", text},
                                                          {"count", text},
                                                          {"startDate", text},
                                                          {"endDate", text}}};
constexpr std::array<WireMember, 4> salesMembers{
    {{"terminalIds", textList}, {"flag", text}, {"startDate", text}, {"endDate", text}}};

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
  switch (kind) {
    case AuthCustomeCase::bannerList:
    case AuthCustomeCase::validateCardTxnSession: return {};
    case AuthCustomeCase::getCustomer:
    case AuthCustomeCase::loyalty: return customerMembers;
    case AuthCustomeCase::upiCheck: return upiCheckMembers;
    case AuthCustomeCase::QRPay:
    case AuthCustomeCase::LinkPay: return collectMembers;
    case AuthCustomeCase::cashPay: return cashPayMembers;
    case AuthCustomeCase::addPayLaterTxn: return payLaterMembers;
    case AuthCustomeCase::handleCardTxnData: return cardMembers;
    case AuthCustomeCase::oarCustomOfferBannerInfoV1: return offerListMembers;
    case AuthCustomeCase::oarAddOfferRedeem: return redeemMembers;
    case AuthCustomeCase::oarOfferRedemptionData: return redemptionMembers;
    case AuthCustomeCase::miniStateMent: return miniStatementMembers;
    case AuthCustomeCase::paymentSalesCardVelbank: return salesMembers;
  }
  return {};
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
