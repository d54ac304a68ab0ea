#include "kassio/entry/AuthMPosData.h"
#include "kassio/entry/MainBrandList.h"
#include "kassio/entry/MainCID.h"
#include "kassio/entry/MainCity.h"
#include "kassio/entry/MainFilterData.h"
#include "kassio/entry/MainMID.h"
#include "kassio/entry/MainOutlates.h"
#include "kassio/entry/MainTID.h"
#include "kassio/entry/SelectedTerminal.h"
#include "kassio/entry/SelectedTid.h"
#include "kassio/entry/TerminalEntry.h"
#include "sim/RecordTable.h"
#include "sim/Registrations.h"

namespace kassio::sim {

void registerEntryRecords(RecordTable& table) {
  table.add<MainFilterData>("MainFilterData");
  table.add<MainCID>("MainCID");
  table.add<MainBrandList>("MainBrandList");
  table.add<MainCity>("MainCity");
  table.add<MainOutlates>("MainOutlates");
  table.add<MainMID>("MainMID");
  table.add<MainTID>("MainTID");
  table.add<SelectedTid>("SelectedTid");
  table.add<SelectedTerminal>("SelectedTerminal");
  table.add<TerminalEntry>("TerminalEntry");
  table.add<AuthMPosData>("AuthMPosData");
}

}  // namespace kassio::sim
