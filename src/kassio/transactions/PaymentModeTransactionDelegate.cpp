#include "kassio/transactions/PaymentModeTransactionDelegate.h"

#include <optional>
#include <utility>

#include "kassio/entry/KassioManager.h"

namespace kassio {

namespace {

// Sends the request, decoded as Record; the completion runs only when a record arrived.
template <class Record>
void request(AuthCustome type, TransactionDelegate::Completion<Record> completion) {
  const auto manager = KassioManager::networkManager();
  if (!manager) return;
  manager->callAPIService<Record>(true, std::move(type),
                                  [completion = std::move(completion)](std::optional<Record> record) {
                                    if (record && completion) completion(*record);
                                  });
}

}  // namespace

void PaymentModeTransactionDelegate::handleCardTxnData(const std::string& p1, const std::string& p2,
                                                       const std::string& p3, const std::string& /*p4*/,
                                                       const std::string& /*p5*/, const std::string& p6,
                                                       const std::string& /*p7*/, const std::string& p8,
                                                       const std::string& p9, const std::string& p10,
                                                       const std::string& p11, Completion<CashPayResponse> completion) {
  request(AuthCustome::handleCardTxnData(p2, p1, p3, p6, "1", p8, p9, p10, p11), std::move(completion));
}

void PaymentModeTransactionDelegate::cashPay(const std::string& tid, const std::string& amount,
                                             const std::string& description, const std::string& timestamp,
                                             const std::string& customerId, const std::string& mobileNumber,
                                             const std::string& redemptionId, Completion<CashPayResponse> completion) {
  request(AuthCustome::cashPay(tid, amount, description, timestamp, customerId, mobileNumber, redemptionId),
          std::move(completion));
}

void PaymentModeTransactionDelegate::qrPay(const std::string& tid, const std::string& amount,
                                           const std::string& description, const std::string& mobileNumber,
                                           const std::string& timestamp, const std::string& flag,
                                           const std::string& customerId, const std::string& redemptionId,
                                           Completion<QRPayResponse> completion) {
  const auto manager = KassioManager::networkManager();
  if (!manager) return;
  manager->callAPIService(
      true, AuthCustome::QRPay(tid, amount, description, mobileNumber, timestamp, flag, customerId, redemptionId),
      [completion = std::move(completion)](std::optional<NetlaneManager::Body> data,
                                           std::optional<HttpResponseInfo> /*response*/,
                                           std::optional<std::string> error) {
        if (completion) completion(QRPayResponse::fromReply(data, error.has_value()));
      });
}

void PaymentModeTransactionDelegate::linkPay(const std::string& tid, const std::string& amount,
                                             const std::string& description, const std::string& mobileNumber,
                                             const std::string& timestamp, const std::string& flag,
                                             const std::string& customerId, const std::string& redemptionId,
                                             Completion<LinkPayResponse> completion) {
  request(AuthCustome::LinkPay(tid, amount, description, mobileNumber, timestamp, flag, customerId, redemptionId),
          std::move(completion));
}

void PaymentModeTransactionDelegate::loyalty(const std::string& mobileNumber, const std::string& tid,
                                             Completion<LoyaltyResponse> completion) {
  request(AuthCustome::loyalty(mobileNumber, tid), std::move(completion));
}

void PaymentModeTransactionDelegate::getCustomer(const std::string& mobileNumber, const std::string& tid,
                                                 Completion<GetCustomerResponse> completion) {
  request(AuthCustome::getCustomer(mobileNumber, tid), std::move(completion));
}

void PaymentModeTransactionDelegate::upiCheck(const std::string& upiId, const std::string& tid,
                                              Completion<SimpleAPIResponse> completion) {
  request(AuthCustome::upiCheck(upiId, tid), std::move(completion));
}

void PaymentModeTransactionDelegate::addPayLaterTxn(const std::string& mobileNumber, const std::string& tid,
                                                    const std::string& amount, const std::string& address,
                                                    const std::string& name, const std::string& description,
                                                    const std::string& flag, bool isNew,
                                                    Completion<AddPayLaterTxnResponse> completion) {
  request(AuthCustome::addPayLaterTxn(mobileNumber, tid, amount, address, name, description, flag, isNew),
          std::move(completion));
}

void PaymentModeTransactionDelegate::validateCardTxnSession(Completion<CashPayResponse> completion) {
  request(AuthCustome::validateCardTxnSession(), std::move(completion));
}

}  // namespace kassio
