#include "kassio/transactions/AuthCustome.h"

#include <array>
#include <utility>

namespace kassio {

namespace {

constexpr std::array caseNames{
    std::pair{AuthCustomeCase::bannerList, std::string_view("bannerList")},
    std::pair{AuthCustomeCase::getCustomer, std::string_view("getCustomer")},
    std::pair{AuthCustomeCase::loyalty, std::string_view("loyalty")},
    std::pair{AuthCustomeCase::upiCheck, std::string_view("upiCheck")},
    std::pair{AuthCustomeCase::QRPay, std::string_view("QRPay")},
    std::pair{AuthCustomeCase::LinkPay, std::string_view("LinkPay")},
    std::pair{AuthCustomeCase::cashPay, std::string_view("cashPay")},
    std::pair{AuthCustomeCase::addPayLaterTxn, std::string_view("addPayLaterTxn")},
    std::pair{AuthCustomeCase::handleCardTxnData, std::string_view("handleCardTxnData")},
    std::pair{AuthCustomeCase::validateCardTxnSession, std::string_view("validateCardTxnSession")},
    std::pair{AuthCustomeCase::oarCustomOfferBannerInfoV1, std::string_view("oarCustomOfferBannerInfoV1")},
    std::pair{AuthCustomeCase::oarAddOfferRedeem, std::string_view("oarAddOfferRedeem")},
    std::pair{AuthCustomeCase::oarOfferRedemptionData, std::string_view("oarOfferRedemptionData")},
    std::pair{AuthCustomeCase::miniStateMent, std::string_view("miniStateMent")},
    std::pair{AuthCustomeCase::paymentSalesCardVelbank, std::string_view("paymentSalesCardVelbank")},
};

AuthCustome request(AuthCustomeCase kind, std::vector<RequestArgument> args) { return {kind, std::move(args)}; }

}  // namespace

std::string_view caseName(AuthCustomeCase kind) {
  for (const auto& [candidate, name] : caseNames) {
    if (candidate == kind) return name;
  }
  return {};
}

std::optional<AuthCustomeCase> authCustomeCaseNamed(std::string_view name) {
  for (const auto& [kind, candidate] : caseNames) {
    if (candidate == name) return kind;
  }
  return std::nullopt;
}

platform::JsonValue AuthCustome::argsJson() const {
  platform::JsonValue values = platform::JsonValue::array();
  for (const auto& arg : args) {
    std::visit([&](const auto& value) { values.push_back(value); }, arg);
  }
  return values;
}

platform::JsonValue AuthCustome::json() const {
  platform::JsonValue value = platform::JsonValue::object();
  value["case"] = std::string(caseName());
  value["args"] = argsJson();
  return value;
}

AuthCustome AuthCustome::bannerList() { return request(AuthCustomeCase::bannerList, {}); }

AuthCustome AuthCustome::getCustomer(std::string mobileNumber, std::string terminalId) {
  return request(AuthCustomeCase::getCustomer, {std::move(mobileNumber), std::move(terminalId)});
}

AuthCustome AuthCustome::loyalty(std::string mobileNumber, std::string terminalId) {
  return request(AuthCustomeCase::loyalty, {std::move(mobileNumber), std::move(terminalId)});
}

AuthCustome AuthCustome::upiCheck(std::string payerUpiId, std::string terminalId) {
  return request(AuthCustomeCase::upiCheck, {std::move(payerUpiId), std::move(terminalId)});
}

AuthCustome AuthCustome::QRPay(std::string terminalId, std::string amount, std::string description,
                               std::string mobileNumber, std::string timestamp, std::string flag,
                               std::string payLaterCustomerId, std::string offerRedemptionId) {
  return request(AuthCustomeCase::QRPay,
                 {std::move(terminalId), std::move(amount), std::move(description), std::move(mobileNumber),
                  std::move(timestamp), std::move(flag), std::move(payLaterCustomerId), std::move(offerRedemptionId)});
}

AuthCustome AuthCustome::LinkPay(std::string terminalId, std::string amount, std::string description,
                                 std::string mobileNumber, std::string timestamp, std::string flag,
                                 std::string payLaterCustomerId, std::string offerRedemptionId) {
  return request(AuthCustomeCase::LinkPay,
                 {std::move(terminalId), std::move(amount), std::move(description), std::move(mobileNumber),
                  std::move(timestamp), std::move(flag), std::move(payLaterCustomerId), std::move(offerRedemptionId)});
}

AuthCustome AuthCustome::cashPay(std::string terminalId, std::string amount, std::string description,
                                 std::string timestamp, std::string payLaterCustomerId, std::string mobileNumber,
                                 std::string offerRedemptionId) {
  return request(AuthCustomeCase::cashPay,
                 {std::move(terminalId), std::move(amount), std::move(description), std::move(timestamp),
                  std::move(payLaterCustomerId), std::move(mobileNumber), std::move(offerRedemptionId)});
}

AuthCustome AuthCustome::addPayLaterTxn(std::string mobileNumber, std::string terminalId, std::string amount,
                                        std::string address, std::string name, std::string description,
                                        std::string flag, bool isNewCustomer) {
  return request(AuthCustomeCase::addPayLaterTxn,
                 {std::move(mobileNumber), std::move(terminalId), std::move(amount), std::move(address),
                  std::move(name), std::move(description), std::move(flag), isNewCustomer});
}

AuthCustome AuthCustome::handleCardTxnData(std::string amount, std::string terminalId, std::string description,
                                           std::string cardData, std::string flag, std::string status,
                                           std::string reference1, std::string reference2, std::string transactionId) {
  return request(
      AuthCustomeCase::handleCardTxnData,
      {std::move(amount), std::move(terminalId), std::move(description), std::move(cardData), std::move(flag),
       std::move(status), std::move(reference1), std::move(reference2), std::move(transactionId)});
}

AuthCustome AuthCustome::validateCardTxnSession() { return request(AuthCustomeCase::validateCardTxnSession, {}); }

AuthCustome AuthCustome::oarCustomOfferBannerInfoV1(std::string mobileNumber, std::vector<std::string> terminalIds,
                                                    std::string amountInPaise) {
  return request(AuthCustomeCase::oarCustomOfferBannerInfoV1,
                 {std::move(mobileNumber), std::move(terminalIds), std::move(amountInPaise)});
}

AuthCustome AuthCustome::oarAddOfferRedeem(std::string offerId, std::string terminalId, std::string customerId,
                                           std::string offerAmount, std::string payableAmount, std::string status,
                                           std::string paymentMode) {
  return request(AuthCustomeCase::oarAddOfferRedeem,
                 {std::move(offerId), std::move(terminalId), std::move(customerId), std::move(offerAmount),
                  std::move(payableAmount), std::move(status), std::move(paymentMode)});
}

AuthCustome AuthCustome::oarOfferRedemptionData(std::string redemptionId) {
  return request(AuthCustomeCase::oarOfferRedemptionData, {std::move(redemptionId)});
}

AuthCustome AuthCustome::miniStateMent(std::vector<std::string> terminalIds, std::string filterType,
                                       std::vector<std::string> transactionStates, std::string requestType,
                                       std::string count, std::string startDate, std::string endDate) {
  return request(AuthCustomeCase::miniStateMent,
                 {std::move(terminalIds), std::move(filterType), std::move(transactionStates), std::move(requestType),
                  std::move(count), std::move(startDate), std::move(endDate)});
}

AuthCustome AuthCustome::paymentSalesCardVelbank(std::vector<std::string> terminalIds, std::string flag,
                                                 std::string startDate, std::string endDate) {
  return request(AuthCustomeCase::paymentSalesCardVelbank,
                 {std::move(terminalIds), std::move(flag), std::move(startDate), std::move(endDate)});
}

}  // namespace kassio
