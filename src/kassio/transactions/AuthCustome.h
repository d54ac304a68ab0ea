#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "kassio/platform/json/JsonValue.h"

namespace kassio {

// The backend requests, one case each.
enum class AuthCustomeCase {
  bannerList,
  getCustomer,
  loyalty,
  upiCheck,
  QRPay,
  LinkPay,
  cashPay,
  addPayLaterTxn,
  handleCardTxnData,
  validateCardTxnSession,
  oarCustomOfferBannerInfoV1,
  oarAddOfferRedeem,
  oarOfferRedemptionData,
  miniStateMent,
  paymentSalesCardVelbank,
};

// The case's own name ("LinkPay", "cashPay"), as scripts and request logs write it; and back.
std::string_view caseName(AuthCustomeCase kind);
std::optional<AuthCustomeCase> authCustomeCaseNamed(std::string_view name);

// One value carried by a request: a text, a list of texts (terminal ids) or a flag.
using RequestArgument = std::variant<std::string, std::vector<std::string>, bool>;

// One backend request: its case and its values in the case's fixed order. Build it with the
// factory named after the case; every value is given by the caller, constants included.
struct AuthCustome {
  AuthCustomeCase kind;
  std::vector<RequestArgument> args;

  std::string_view caseName() const { return kassio::caseName(kind); }
  // The values as a JSON array: texts, arrays of texts, booleans.
  platform::JsonValue argsJson() const;
  // {"case": caseName(), "args": argsJson()}
  platform::JsonValue json() const;

  bool operator==(const AuthCustome&) const = default;

  static AuthCustome bannerList();
  static AuthCustome getCustomer(std::string mobileNumber, std::string terminalId);
  static AuthCustome loyalty(std::string mobileNumber, std::string terminalId);
  static AuthCustome upiCheck(std::string payerUpiId, std::string terminalId);
  static AuthCustome QRPay(std::string terminalId, std::string amount, std::string description,
                           std::string mobileNumber, std::string timestamp, std::string flag,
                           std::string payLaterCustomerId, std::string offerRedemptionId);
  static AuthCustome LinkPay(std::string terminalId, std::string amount, std::string description,
                             std::string mobileNumber, std::string timestamp, std::string flag,
                             std::string payLaterCustomerId, std::string offerRedemptionId);
  static AuthCustome cashPay(std::string terminalId, std::string amount, std::string description, std::string timestamp,
                             std::string payLaterCustomerId, std::string mobileNumber, std::string offerRedemptionId);
  static AuthCustome addPayLaterTxn(std::string mobileNumber, std::string terminalId, std::string amount,
                                    std::string address, std::string name, std::string description, std::string flag,
                                    bool isNewCustomer);
  // The card flow's values: amount, terminal, description and the card reader's text, then
  // the flag, the status and the two references of the completing call, and its transaction id.
  static AuthCustome handleCardTxnData(std::string amount, std::string terminalId, std::string description,
                                       std::string cardData, std::string flag, std::string status,
                                       std::string reference1, std::string reference2, std::string transactionId);
  static AuthCustome validateCardTxnSession();
  static AuthCustome oarCustomOfferBannerInfoV1(std::string mobileNumber, std::vector<std::string> terminalIds,
                                                std::string amountInPaise);
  static AuthCustome oarAddOfferRedeem(std::string offerId, std::string terminalId, std::string customerId,
                                       std::string offerAmount, std::string payableAmount, std::string status,
                                       std::string paymentMode);
  static AuthCustome oarOfferRedemptionData(std::string redemptionId);
  static AuthCustome miniStateMent(std::vector<std::string> terminalIds, std::string filterType,
                                   std::vector<std::string> transactionStates, std::string requestType,
                                   std::string count, std::string startDate, std::string endDate);
  static AuthCustome paymentSalesCardVelbank(std::vector<std::string> terminalIds, std::string flag,
                                             std::string startDate, std::string endDate);
};

}  // namespace kassio
