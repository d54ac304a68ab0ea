#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <tuple>
#include <type_traits>
#include <utility>
#include <variant>
#include <vector>

#include "kassio/platform/json/JsonField.h"
#include "kassio/transactions/AuthCustome.h"

// The values of each AuthCustome case as a named record. A record's `jsonFields` table is the one
// place that says which values a case carries and in what order: the factories fill records, the
// wire codec names body members after the table, and the bank reads requests as records.
namespace kassio {

using platform::jsonField;

// bannerList, validateCardTxnSession
struct EmptyRequest {
  static constexpr auto jsonFields = std::make_tuple();
};

// getCustomer, loyalty
struct CustomerRequest {
  std::string mobileNumber, terminalId;
  static constexpr auto jsonFields = std::make_tuple(jsonField("mobileNumber", &CustomerRequest::mobileNumber),
                                                     jsonField("terminalId", &CustomerRequest::terminalId));
};

struct UpiCheckRequest {
  std::string payerUpiId, terminalId;
  static constexpr auto jsonFields = std::make_tuple(jsonField("payerUpiId", &UpiCheckRequest::payerUpiId),
                                                     jsonField("terminalId", &UpiCheckRequest::terminalId));
};

// QRPay, LinkPay
struct CollectRequest {
  std::string terminalId, amount, description, mobileNumber, timestamp, flag, payLaterCustomerId, offerRedemptionId;
  static constexpr auto jsonFields = std::make_tuple(
      jsonField("terminalId", &CollectRequest::terminalId), jsonField("amount", &CollectRequest::amount),
      jsonField("description", &CollectRequest::description), jsonField("mobileNumber", &CollectRequest::mobileNumber),
      jsonField("timestamp", &CollectRequest::timestamp), jsonField("flag", &CollectRequest::flag),
      jsonField("payLaterCustomerId", &CollectRequest::payLaterCustomerId),
      jsonField("offerRedemptionId", &CollectRequest::offerRedemptionId));
};

struct CashPayRequest {
  std::string terminalId, amount, description, timestamp, payLaterCustomerId, mobileNumber, offerRedemptionId;
  static constexpr auto jsonFields = std::make_tuple(
      jsonField("terminalId", &CashPayRequest::terminalId), jsonField("amount", &CashPayRequest::amount),
      jsonField("description", &CashPayRequest::description), jsonField("timestamp", &CashPayRequest::timestamp),
      jsonField("payLaterCustomerId", &CashPayRequest::payLaterCustomerId),
      jsonField("mobileNumber", &CashPayRequest::mobileNumber),
      jsonField("offerRedemptionId", &CashPayRequest::offerRedemptionId));
};

struct PayLaterRequest {
  std::string mobileNumber, terminalId, amount, address, name, description, flag;
  bool isNewCustomer = false;
  static constexpr auto jsonFields = std::make_tuple(
      jsonField("mobileNumber", &PayLaterRequest::mobileNumber), jsonField("terminalId", &PayLaterRequest::terminalId),
      jsonField("amount", &PayLaterRequest::amount), jsonField("address", &PayLaterRequest::address),
      jsonField("name", &PayLaterRequest::name), jsonField("description", &PayLaterRequest::description),
      jsonField("flag", &PayLaterRequest::flag), jsonField("isNewCustomer", &PayLaterRequest::isNewCustomer));
};

// handleCardTxnData: without a transaction id it starts a card payment, with one it completes it.
// `contactNumber` is what the card popup hands back: the customer's number.
struct CardTxnRequest {
  std::string amount, terminalId, description, contactNumber, flag, status, reference1, reference2, transactionId;
  static constexpr auto jsonFields = std::make_tuple(
      jsonField("amount", &CardTxnRequest::amount), jsonField("terminalId", &CardTxnRequest::terminalId),
      jsonField("description", &CardTxnRequest::description),
      jsonField("contactNumber", &CardTxnRequest::contactNumber), jsonField("flag", &CardTxnRequest::flag),
      jsonField("status", &CardTxnRequest::status), jsonField("reference1", &CardTxnRequest::reference1),
      jsonField("reference2", &CardTxnRequest::reference2),
      jsonField("transactionId", &CardTxnRequest::transactionId));
};

// oarCustomOfferBannerInfoV1
struct OfferListRequest {
  std::string mobileNumber;
  std::vector<std::string> terminalIds;
  std::string amountInPaise;
  static constexpr auto jsonFields = std::make_tuple(jsonField("mobileNumber", &OfferListRequest::mobileNumber),
                                                     jsonField("terminalIds", &OfferListRequest::terminalIds),
                                                     jsonField("amountInPaise", &OfferListRequest::amountInPaise));
};

// oarAddOfferRedeem; the two amounts are whole paise.
struct OfferRedeemRequest {
  std::string offerId, terminalId, customerId, offerAmount, payableAmount, status, paymentMode;
  static constexpr auto jsonFields = std::make_tuple(
      jsonField("offerId", &OfferRedeemRequest::offerId), jsonField("terminalId", &OfferRedeemRequest::terminalId),
      jsonField("customerId", &OfferRedeemRequest::customerId),
      jsonField("offerAmount", &OfferRedeemRequest::offerAmount),
      jsonField("payableAmount", &OfferRedeemRequest::payableAmount), jsonField("status", &OfferRedeemRequest::status),
      jsonField("paymentMode", &OfferRedeemRequest::paymentMode));
};

// oarOfferRedemptionData
struct RedemptionRequest {
  std::string redemptionId;
  static constexpr auto jsonFields = std::make_tuple(jsonField("redemptionId", &RedemptionRequest::redemptionId));
};

// miniStateMent
struct MiniStatementRequest {
  std::vector<std::string> terminalIds;
  std::string filterType;
  std::vector<std::string> transactionStates;
  std::string requestType, count, startDate, endDate;
  static constexpr auto jsonFields = std::make_tuple(
      jsonField("terminalIds", &MiniStatementRequest::terminalIds),
      jsonField("filterType", &MiniStatementRequest::filterType),
      jsonField("transactionStates", &MiniStatementRequest::transactionStates),
      jsonField("requestType", &MiniStatementRequest::requestType), jsonField("count", &MiniStatementRequest::count),
      jsonField("startDate", &MiniStatementRequest::startDate), jsonField("endDate", &MiniStatementRequest::endDate));
};

// paymentSalesCardVelbank
struct SalesRequest {
  std::vector<std::string> terminalIds;
  std::string flag, startDate, endDate;
  static constexpr auto jsonFields =
      std::make_tuple(jsonField("terminalIds", &SalesRequest::terminalIds), jsonField("flag", &SalesRequest::flag),
                      jsonField("startDate", &SalesRequest::startDate), jsonField("endDate", &SalesRequest::endDate));
};

// The record each case carries.
template <AuthCustomeCase Kind>
struct RequestRecordFor;
#define KASSIO_REQUEST_RECORD(kind, Record) \
  template <>                               \
  struct RequestRecordFor<AuthCustomeCase::kind> { using type = Record; }
KASSIO_REQUEST_RECORD(bannerList, EmptyRequest);
KASSIO_REQUEST_RECORD(getCustomer, CustomerRequest);
KASSIO_REQUEST_RECORD(loyalty, CustomerRequest);
KASSIO_REQUEST_RECORD(upiCheck, UpiCheckRequest);
KASSIO_REQUEST_RECORD(QRPay, CollectRequest);
KASSIO_REQUEST_RECORD(LinkPay, CollectRequest);
KASSIO_REQUEST_RECORD(cashPay, CashPayRequest);
KASSIO_REQUEST_RECORD(addPayLaterTxn, PayLaterRequest);
KASSIO_REQUEST_RECORD(handleCardTxnData, CardTxnRequest);
KASSIO_REQUEST_RECORD(validateCardTxnSession, EmptyRequest);
KASSIO_REQUEST_RECORD(oarCustomOfferBannerInfoV1, OfferListRequest);
KASSIO_REQUEST_RECORD(oarAddOfferRedeem, OfferRedeemRequest);
KASSIO_REQUEST_RECORD(oarOfferRedemptionData, RedemptionRequest);
KASSIO_REQUEST_RECORD(miniStateMent, MiniStatementRequest);
KASSIO_REQUEST_RECORD(paymentSalesCardVelbank, SalesRequest);
#undef KASSIO_REQUEST_RECORD

template <AuthCustomeCase Kind>
using RequestRecord = typename RequestRecordFor<Kind>::type;

// Calls fn(std::type_identity<Record>{}) with the record of a case known only at run time.
template <class Fn>
decltype(auto) visitRequestRecord(AuthCustomeCase kind, Fn&& fn) {
  using enum AuthCustomeCase;
  switch (kind) {
    case bannerList: return fn(std::type_identity<RequestRecord<bannerList>>{});
    case getCustomer: return fn(std::type_identity<RequestRecord<getCustomer>>{});
    case loyalty: return fn(std::type_identity<RequestRecord<loyalty>>{});
    case upiCheck: return fn(std::type_identity<RequestRecord<upiCheck>>{});
    case QRPay: return fn(std::type_identity<RequestRecord<QRPay>>{});
    case LinkPay: return fn(std::type_identity<RequestRecord<LinkPay>>{});
    case cashPay: return fn(std::type_identity<RequestRecord<cashPay>>{});
    case addPayLaterTxn: return fn(std::type_identity<RequestRecord<addPayLaterTxn>>{});
    case handleCardTxnData: return fn(std::type_identity<RequestRecord<handleCardTxnData>>{});
    case validateCardTxnSession: return fn(std::type_identity<RequestRecord<validateCardTxnSession>>{});
    case oarCustomOfferBannerInfoV1: return fn(std::type_identity<RequestRecord<oarCustomOfferBannerInfoV1>>{});
    case oarAddOfferRedeem: return fn(std::type_identity<RequestRecord<oarAddOfferRedeem>>{});
    case oarOfferRedemptionData: return fn(std::type_identity<RequestRecord<oarOfferRedemptionData>>{});
    case miniStateMent: return fn(std::type_identity<RequestRecord<miniStateMent>>{});
    case paymentSalesCardVelbank: return fn(std::type_identity<RequestRecord<paymentSalesCardVelbank>>{});
  }
  return fn(std::type_identity<EmptyRequest>{});
}

// The request of case Kind carrying the record's values, in its table's order.
template <AuthCustomeCase Kind>
AuthCustome authCustome(RequestRecord<Kind> record) {
  AuthCustome request{Kind, {}};
  std::apply([&](const auto&... field) { (request.args.emplace_back(std::move(record.*field.member)), ...); },
             RequestRecord<Kind>::jsonFields);
  return request;
}

// The record of a request of case Kind. None when the request is of another case, or its values
// do not match the table in number or kind.
template <AuthCustomeCase Kind>
std::optional<RequestRecord<Kind>> requestRecord(const AuthCustome& request) {
  using Record = RequestRecord<Kind>;
  constexpr std::size_t count = std::tuple_size_v<std::remove_cvref_t<decltype(Record::jsonFields)>>;
  if (request.kind != Kind || request.args.size() != count) return std::nullopt;
  Record record;
  bool fits = true;
  std::size_t index = 0;
  std::apply(
      [&](const auto&... field) {
        auto take = [&](const auto& row) {
          using Value = typename std::remove_cvref_t<decltype(row)>::Value;
          const auto* value = std::get_if<Value>(&request.args[index++]);
          if (value) record.*row.member = *value;
          fits = fits && value;
        };
        (take(field), ...);
        (void)take;  // a case without values
      },
      Record::jsonFields);
  if (!fits) return std::nullopt;
  return record;
}

}  // namespace kassio
