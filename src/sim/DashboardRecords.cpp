#include "kassio/dashboard/MiniStatementResponse.h"
#include "kassio/dashboard/SalesCounterDataResponse.h"
#include "kassio/dashboard/SalesCounterListData.h"
#include "kassio/dashboard/TransactionParam.h"
#include "sim/RecordTable.h"
#include "sim/Registrations.h"

namespace kassio::sim {

void registerDashboardRecords(RecordTable& table) {
  table.add<SalesCounterDataResponse>("SalesCounterDataResponse");
  table.add<SalesCounterListData>("SalesCounterListData");
  table.add<MiniStatementResponse>("MiniStatementResponse");
  table.add<TransactionParam>("TransactionParam");
}

}  // namespace kassio::sim
