#include "kassio/transactions/AddPayLaterTxnResponse.h"
#include "kassio/transactions/CashPayResponse.h"
#include "kassio/transactions/GetCustomerResponse.h"
#include "kassio/transactions/LinkPayResponse.h"
#include "kassio/transactions/LoyaltyDetail.h"
#include "kassio/transactions/LoyaltyResponse.h"
#include "kassio/transactions/SimpleAPIResponse.h"
#include "sim/RecordTable.h"
#include "sim/Registrations.h"

namespace kassio::sim {

void registerTransactionRecords(RecordTable& table) {
  table.add<CashPayResponse>("CashPayResponse");
  table.add<LinkPayResponse>("LinkPayResponse");
  table.add<SimpleAPIResponse>("SimpleAPIResponse");
  table.add<GetCustomerResponse>("GetCustomerResponse");
  table.add<AddPayLaterTxnResponse>("AddPayLaterTxnResponse");
  table.add<LoyaltyResponse>("LoyaltyResponse");
  table.add<LoyaltyDetail>("LoyaltyDetail");
}

}  // namespace kassio::sim
