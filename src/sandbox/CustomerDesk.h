#pragma once

#include "kassio/transactions/AuthCustomeRequests.h"
#include "sandbox/BankContext.h"
#include "sandbox/BankReply.h"

namespace kassio::sandbox {

// What the bank knows of customers: pay-later accounts, loyalty and UPI addresses. Answers
// never repeat the number or address asked about.
class CustomerDesk {
 public:
  explicit CustomerDesk(BankContext& bank) : bank_(bank) {}

  BankReply getCustomer(const CustomerRequest& request);
  // Visits and spends are counted from the successful transactions of the last 30 and 90 days.
  BankReply loyalty(const CustomerRequest& request);
  BankReply upiCheck(const UpiCheckRequest& request);

 private:
  BankContext& bank_;
};

}  // namespace kassio::sandbox
