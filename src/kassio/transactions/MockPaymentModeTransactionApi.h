#pragma once

#include <optional>

#include "kassio/transactions/TransactionDelegate.h"

namespace kassio {

// A transaction service with canned answers for the pay-later and loyalty calls; every other
// operation does nothing. It answers at once, inside the call.
class MockPaymentModeTransactionApi final : public TransactionDelegate {
 public:
  // When set, the two answered calls get the all-absent record whatever is canned.
  bool shouldReturnError = false;
  std::optional<AddPayLaterTxnResponse> mockAddPayLaterTxnResponse;
  std::optional<LoyaltyResponse> mockLoyaltyResponse;

  void handleCardTxnData(const std::string&, const std::string&, const std::string&, const std::string&,
                         const std::string&, const std::string&, const std::string&, const std::string&,
                         const std::string&, const std::string&, const std::string&,
                         Completion<CashPayResponse>) override {}
  void cashPay(const std::string&, const std::string&, const std::string&, const std::string&, const std::string&,
               const std::string&, const std::string&, Completion<CashPayResponse>) override {}
  void qrPay(const std::string&, const std::string&, const std::string&, const std::string&, const std::string&,
             const std::string&, const std::string&, const std::string&, Completion<QRPayResponse>) override {}
  void linkPay(const std::string&, const std::string&, const std::string&, const std::string&, const std::string&,
               const std::string&, const std::string&, const std::string&, Completion<LinkPayResponse>) override {}
  void loyalty(const std::string& mobileNumber, const std::string& tid,
               Completion<LoyaltyResponse> completion) override;
  void getCustomer(const std::string&, const std::string&, Completion<GetCustomerResponse>) override {}
  void upiCheck(const std::string&, const std::string&, Completion<SimpleAPIResponse>) override {}
  void addPayLaterTxn(const std::string& mobileNumber, const std::string& tid, const std::string& amount,
                      const std::string& address, const std::string& name, const std::string& description,
                      const std::string& flag, bool isNew, Completion<AddPayLaterTxnResponse> completion) override;
  void validateCardTxnSession(Completion<CashPayResponse>) override {}
};

}  // namespace kassio
