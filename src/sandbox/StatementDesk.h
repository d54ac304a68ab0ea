#pragma once

#include "kassio/transactions/AuthCustomeRequests.h"
#include "sandbox/BankContext.h"
#include "sandbox/BankReply.h"

namespace kassio::sandbox {

// Reports from the books: mini statements and sales counters.
class StatementDesk {
 public:
  explicit StatementDesk(BankContext& bank) : bank_(bank) {}

  // The latest transactions of the terminals in the states named, newest first.
  BankReply miniStatement(const MiniStatementRequest& request);
  // Per requested terminal: successful sales and pay-later sales in the date range.
  BankReply sales(const SalesRequest& request);

 private:
  BankContext& bank_;
};

}  // namespace kassio::sandbox
