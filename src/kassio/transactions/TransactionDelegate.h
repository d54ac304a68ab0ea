#pragma once

#include <functional>
#include <string>

#include "kassio/transactions/AddPayLaterTxnResponse.h"
#include "kassio/transactions/CashPayResponse.h"
#include "kassio/transactions/GetCustomerResponse.h"
#include "kassio/transactions/LinkPayResponse.h"
#include "kassio/transactions/LoyaltyResponse.h"
#include "kassio/transactions/QRPayResponse.h"
#include "kassio/transactions/SimpleAPIResponse.h"

namespace kassio {

// The transaction service the payment screens hold: each operation is one backend request and
// hands back its record. Completions are optional (an empty function); failures are silent
// except for qrPay, which always answers once its call returns.
class TransactionDelegate {
 public:
  template <class Record>
  using Completion = std::function<void(const Record&)>;

  virtual ~TransactionDelegate() = default;

  // p4, p5 and p7 are part of the card flow's call but are not sent.
  virtual void handleCardTxnData(const std::string& p1, const std::string& p2, const std::string& p3,
                                 const std::string& p4, const std::string& p5, const std::string& p6,
                                 const std::string& p7, const std::string& p8, const std::string& p9,
                                 const std::string& p10, const std::string& p11,
                                 Completion<CashPayResponse> completion) = 0;
  virtual void cashPay(const std::string& tid, const std::string& amount, const std::string& description,
                       const std::string& timestamp, const std::string& customerId, const std::string& mobileNumber,
                       const std::string& redemptionId, Completion<CashPayResponse> completion) = 0;
  virtual void qrPay(const std::string& tid, const std::string& amount, const std::string& description,
                     const std::string& mobileNumber, const std::string& timestamp, const std::string& flag,
                     const std::string& customerId, const std::string& redemptionId,
                     Completion<QRPayResponse> completion) = 0;
  virtual void linkPay(const std::string& tid, const std::string& amount, const std::string& description,
                       const std::string& mobileNumber, const std::string& timestamp, const std::string& flag,
                       const std::string& customerId, const std::string& redemptionId,
                       Completion<LinkPayResponse> completion) = 0;
  virtual void loyalty(const std::string& mobileNumber, const std::string& tid,
                       Completion<LoyaltyResponse> completion) = 0;
  virtual void getCustomer(const std::string& mobileNumber, const std::string& tid,
                           Completion<GetCustomerResponse> completion) = 0;
  virtual void upiCheck(const std::string& upiId, const std::string& tid, Completion<SimpleAPIResponse> completion) = 0;
  virtual void addPayLaterTxn(const std::string& mobileNumber, const std::string& tid, const std::string& amount,
                              const std::string& address, const std::string& name, const std::string& description,
                              const std::string& flag, bool isNew, Completion<AddPayLaterTxnResponse> completion) = 0;
  virtual void validateCardTxnSession(Completion<CashPayResponse> completion) = 0;
};

}  // namespace kassio
