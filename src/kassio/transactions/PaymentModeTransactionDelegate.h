#pragma once

#include "kassio/transactions/TransactionDelegate.h"

namespace kassio {

// The production transaction service. It keeps no state: each call reads the module's
// networkManager at that moment and does nothing at all while there is none.
class PaymentModeTransactionDelegate final : public TransactionDelegate {
 public:
  void handleCardTxnData(const std::string& p1, const std::string& p2, const std::string& p3, const std::string& p4,
                         const std::string& p5, const std::string& p6, const std::string& p7, const std::string& p8,
                         const std::string& p9, const std::string& p10, const std::string& p11,
                         Completion<CashPayResponse> completion) override;
  void cashPay(const std::string& tid, const std::string& amount, const std::string& description,
               const std::string& timestamp, const std::string& customerId, const std::string& mobileNumber,
               const std::string& redemptionId, Completion<CashPayResponse> completion) override;
  void qrPay(const std::string& tid, const std::string& amount, const std::string& description,
             const std::string& mobileNumber, const std::string& timestamp, const std::string& flag,
             const std::string& customerId, const std::string& redemptionId,
             Completion<QRPayResponse> completion) override;
  void linkPay(const std::string& tid, const std::string& amount, const std::string& description,
               const std::string& mobileNumber, const std::string& timestamp, const std::string& flag,
               const std::string& customerId, const std::string& redemptionId,
               Completion<LinkPayResponse> completion) override;
  void loyalty(const std::string& mobileNumber, const std::string& tid,
               Completion<LoyaltyResponse> completion) override;
  void getCustomer(const std::string& mobileNumber, const std::string& tid,
                   Completion<GetCustomerResponse> completion) override;
  void upiCheck(const std::string& upiId, const std::string& tid, Completion<SimpleAPIResponse> completion) override;
  void addPayLaterTxn(const std::string& mobileNumber, const std::string& tid, const std::string& amount,
                      const std::string& address, const std::string& name, const std::string& description,
                      const std::string& flag, bool isNew, Completion<AddPayLaterTxnResponse> completion) override;
  void validateCardTxnSession(Completion<CashPayResponse> completion) override;
};

}  // namespace kassio
