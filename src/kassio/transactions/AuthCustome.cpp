#include "kassio/transactions/AuthCustome.h"

#include <array>
#include <utility>

#include "kassio/transactions/AuthCustomeRequests.h"

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

AuthCustome AuthCustome::bannerList() { return authCustome<AuthCustomeCase::bannerList>({}); }

AuthCustome AuthCustome::getCustomer(std::string mobileNumber, std::string terminalId) {
  return authCustome<AuthCustomeCase::getCustomer>({.mobileNumber = std::move(mobileNumber), .terminalId = std::move(terminalId)});
}

AuthCustome AuthCustome::loyalty(std::string mobileNumber, std::string terminalId) {
  return authCustome<AuthCustomeCase::loyalty>({.mobileNumber = std::move(mobileNumber), .terminalId = std::move(terminalId)});
}

AuthCustome AuthCustome::upiCheck(std::string payerUpiId, std::string terminalId) {
  return authCustome<AuthCustomeCase::upiCheck>({.payerUpiId = std::move(payerUpiId), .terminalId = std::move(terminalId)});
}

AuthCustome AuthCustome::QRPay(std::string terminalId, std::string amount, std::string description,
                               std::string mobileNumber, std::string timestamp, std::string flag,
                               std::string payLaterCustomerId, std::string offerRedemptionId) {
  return authCustome<AuthCustomeCase::QRPay>({.terminalId = std::move(terminalId),
                                              .amount = std::move(amount),
                                              .description = std::move(description),
                                              .mobileNumber = std::move(mobileNumber),
                                              .timestamp = std::move(timestamp),
                                              .flag = std::move(flag),
                                              .payLaterCustomerId = std::move(payLaterCustomerId),
                                              .offerRedemptionId = std::move(offerRedemptionId)});
}

AuthCustome AuthCustome::LinkPay(std::string terminalId, std::string amount, std::string description,
                                 std::string mobileNumber, std::string timestamp, std::string flag,
                                 std::string payLaterCustomerId, std::string offerRedemptionId) {
  return authCustome<AuthCustomeCase::LinkPay>({.terminalId = std::move(terminalId),
                                                .amount = std::move(amount),
                                                .description = std::move(description),
                                                .mobileNumber = std::move(mobileNumber),
                                                .timestamp = std::move(timestamp),
                                                .flag = std::move(flag),
                                                .payLaterCustomerId = std::move(payLaterCustomerId),
                                                .offerRedemptionId = std::move(offerRedemptionId)});
}

AuthCustome AuthCustome::cashPay(std::string terminalId, std::string amount, std::string description,
                                 std::string timestamp, std::string payLaterCustomerId, std::string mobileNumber,
                                 std::string offerRedemptionId) {
  return authCustome<AuthCustomeCase::cashPay>({.terminalId = std::move(terminalId),
                                                .amount = std::move(amount),
                                                .description = std::move(description),
                                                .timestamp = std::move(timestamp),
                                                .payLaterCustomerId = std::move(payLaterCustomerId),
                                                .mobileNumber = std::move(mobileNumber),
                                                .offerRedemptionId = std::move(offerRedemptionId)});
}

AuthCustome AuthCustome::addPayLaterTxn(std::string mobileNumber, std::string terminalId, std::string amount,
                                        std::string address, std::string name, std::string description,
                                        std::string flag, bool isNewCustomer) {
  return authCustome<AuthCustomeCase::addPayLaterTxn>({.mobileNumber = std::move(mobileNumber),
                                                       .terminalId = std::move(terminalId),
                                                       .amount = std::move(amount),
                                                       .address = std::move(address),
                                                       .name = std::move(name),
                                                       .description = std::move(description),
                                                       .flag = std::move(flag),
                                                       .isNewCustomer = isNewCustomer});
}

AuthCustome AuthCustome::handleCardTxnData(std::string amount, std::string terminalId, std::string description,
                                           std::string cardData, std::string flag, std::string status,
                                           std::string reference1, std::string reference2, std::string transactionId) {
  return authCustome<AuthCustomeCase::handleCardTxnData>({.amount = std::move(amount),
                                                          .terminalId = std::move(terminalId),
                                                          .description = std::move(description),
                                                          .contactNumber = std::move(cardData),
                                                          .flag = std::move(flag),
                                                          .status = std::move(status),
                                                          .reference1 = std::move(reference1),
                                                          .reference2 = std::move(reference2),
                                                          .transactionId = std::move(transactionId)});
}

AuthCustome AuthCustome::validateCardTxnSession() { return authCustome<AuthCustomeCase::validateCardTxnSession>({}); }

AuthCustome AuthCustome::oarCustomOfferBannerInfoV1(std::string mobileNumber, std::vector<std::string> terminalIds,
                                                    std::string amountInPaise) {
  return authCustome<AuthCustomeCase::oarCustomOfferBannerInfoV1>({.mobileNumber = std::move(mobileNumber),
                                                                   .terminalIds = std::move(terminalIds),
                                                                   .amountInPaise = std::move(amountInPaise)});
}

AuthCustome AuthCustome::oarAddOfferRedeem(std::string offerId, std::string terminalId, std::string customerId,
                                           std::string offerAmount, std::string payableAmount, std::string status,
                                           std::string paymentMode) {
  return authCustome<AuthCustomeCase::oarAddOfferRedeem>({.offerId = std::move(offerId),
                                                          .terminalId = std::move(terminalId),
                                                          .customerId = std::move(customerId),
                                                          .offerAmount = std::move(offerAmount),
                                                          .payableAmount = std::move(payableAmount),
                                                          .status = std::move(status),
                                                          .paymentMode = std::move(paymentMode)});
}

AuthCustome AuthCustome::oarOfferRedemptionData(std::string redemptionId) {
  return authCustome<AuthCustomeCase::oarOfferRedemptionData>({.redemptionId = std::move(redemptionId)});
}

AuthCustome AuthCustome::miniStateMent(std::vector<std::string> terminalIds, std::string filterType,
                                       std::vector<std::string> transactionStates, std::string requestType,
                                       std::string count, std::string startDate, std::string endDate) {
  return authCustome<AuthCustomeCase::miniStateMent>({.terminalIds = std::move(terminalIds),
                                                      .filterType = std::move(filterType),
                                                      .transactionStates = std::move(transactionStates),
                                                      .requestType = std::move(requestType),
                                                      .count = std::move(count),
                                                      .startDate = std::move(startDate),
                                                      .endDate = std::move(endDate)});
}

AuthCustome AuthCustome::paymentSalesCardVelbank(std::vector<std::string> terminalIds, std::string flag,
                                                 std::string startDate, std::string endDate) {
  return authCustome<AuthCustomeCase::paymentSalesCardVelbank>({.terminalIds = std::move(terminalIds),
                                                                .flag = std::move(flag),
                                                                .startDate = std::move(startDate),
                                                                .endDate = std::move(endDate)});
}

}  // namespace kassio
