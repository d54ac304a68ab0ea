#pragma once

#include <simdjson.h>

#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "kassio/dashboard/PaymentType.h"
#include "kassio/dashboard/TxnState.h"
#include "kassio/dashboard/paymentApp.h"
#include "kassio/dashboard/qrPaymentMode.h"
#include "kassio/platform/json/JsonCoding.h"
#include "kassio/platform/json/JsonField.h"
#include "kassio/platform/text/Uuid.h"

namespace kassio {

// What a dashboard transaction carries on the wire.
struct TransactionParamFields {
  std::optional<std::string> txnid{};
  std::optional<std::string> requestTime{};
  std::optional<std::string> amount{};
  std::optional<std::string> merchantVPA{};
  std::optional<std::string> txnmessage{};
  std::optional<std::string> customerMobile{};
  std::optional<std::string> transactionParamDescription{};  // key "description"
  std::optional<std::string> refundstate{};
  std::optional<std::string> endTime{};
  std::optional<std::string> issuerRefNo{};
  std::optional<std::vector<std::string>> redemptionList{};
  std::optional<TxnState> status{};
  std::optional<PaymentType> paymentType{};
  std::optional<std::string> payerVpa{};
  std::optional<std::string> terminalID{};  // key "terminalId"
  std::optional<std::string> providerName{};
  std::optional<std::string> upiSettlementType{};
  std::optional<std::string> cardNumber{};
  std::optional<std::string> utr{};
  std::optional<std::string> cardNetwork{};
  std::optional<std::string> cardHolderName{};
  std::optional<kassio::qrPaymentMode> qrPaymentMode{};
  std::optional<kassio::paymentApp> paymentApp{};
  std::optional<std::string> subType{};
  std::optional<std::string> customerName{};

  bool operator==(const TransactionParamFields&) const = default;
  // In the backend's key order, which is also the order they are written in.
  static constexpr auto jsonFields =
      std::make_tuple(platform::jsonField("txnid", &TransactionParamFields::txnid),
                      platform::jsonField("requestTime", &TransactionParamFields::requestTime),
                      platform::jsonField("amount", &TransactionParamFields::amount),
                      platform::jsonField("merchantVPA", &TransactionParamFields::merchantVPA),
                      platform::jsonField("upiSettlementType", &TransactionParamFields::upiSettlementType),
                      platform::jsonField("paymentType", &TransactionParamFields::paymentType),
                      platform::jsonField("status", &TransactionParamFields::status),
                      platform::jsonField("txnmessage", &TransactionParamFields::txnmessage),
                      platform::jsonField("customerMobile", &TransactionParamFields::customerMobile),
                      platform::jsonField("description", &TransactionParamFields::transactionParamDescription),
                      platform::jsonField("refundstate", &TransactionParamFields::refundstate),
                      platform::jsonField("endTime", &TransactionParamFields::endTime),
                      platform::jsonField("terminalId", &TransactionParamFields::terminalID),
                      platform::jsonField("providerName", &TransactionParamFields::providerName),
                      platform::jsonField("payerVpa", &TransactionParamFields::payerVpa),
                      platform::jsonField("customerName", &TransactionParamFields::customerName),
                      platform::jsonField("cardNumber", &TransactionParamFields::cardNumber),
                      platform::jsonField("utr", &TransactionParamFields::utr),
                      platform::jsonField("cardNetwork", &TransactionParamFields::cardNetwork),
                      platform::jsonField("cardHolderName", &TransactionParamFields::cardHolderName),
                      platform::jsonField("issuerRefNo", &TransactionParamFields::issuerRefNo),
                      platform::jsonField("qrPaymentMode", &TransactionParamFields::qrPaymentMode),
                      platform::jsonField("paymentApp", &TransactionParamFields::paymentApp),
                      platform::jsonField("redemptionList", &TransactionParamFields::redemptionList),
                      platform::jsonField("subType", &TransactionParamFields::subType));
};

// One transaction of the mini statement, with a local identifier for the list to tell rows
// apart. The identifier is made fresh for every transaction (so for every decode, from the
// platform's seeded random source) and never read from JSON; it is written last, as "uuid".
struct TransactionParam : TransactionParamFields {
  platform::Uuid uuid = platform::Uuid::random();

  bool operator==(const TransactionParam&) const = default;
};

}  // namespace kassio

namespace kassio::platform {

template <>
struct JsonCoding<TransactionParam> {
  static bool decode(simdjson::ondemand::value element, TransactionParam& out) {
    return JsonCoding<TransactionParamFields>::decode(element, out);
  }
  static JsonValue encode(const TransactionParam& value) {
    JsonValue object = JsonCoding<TransactionParamFields>::encode(value);
    object["uuid"] = value.uuid.uuidString();
    return object;
  }
};

}  // namespace kassio::platform
