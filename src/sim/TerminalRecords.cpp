#include "kassio/terminals/GetUserTerminalListResponse.h"
#include "kassio/terminals/TerminalInfo.h"
#include "sim/RecordTable.h"
#include "sim/Registrations.h"

namespace kassio::sim {

void registerTerminalRecords(RecordTable& table) {
  table.add<GetUserTerminalListResponse>("GetUserTerminalListResponse");
  table.add<TerminalInfo>("TerminalInfo");
}

}  // namespace kassio::sim
