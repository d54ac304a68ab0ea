#pragma once

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "kassio/banners/DeepLinkConfiguration.h"
#include "kassio/entry/AuthMPosAPI.h"
#include "kassio/entry/DateRange.h"
#include "kassio/entry/MainFilterData.h"
#include "kassio/entry/OrbiAssistantDelegate.h"
#include "kassio/entry/SelectedTerminal.h"
#include "kassio/entry/SelectedTid.h"
#include "kassio/entry/TerminalEntry.h"
#include "kassio/entry/calendarFilterType.h"
#include "kassio/platform/json/JsonDecoder.h"
#include "kassio/platform/ui/AppColors.h"
#include "kassio/platform/ui/AppFont.h"
#include "kassio/terminals/GetUserTerminalListResponse.h"
#include "kassio/transactions/NetlaneManager.h"

namespace kassio {

class KassioManager;

// The module's one process-wide state: what the host configured through KassioManager, read by
// every screen. It lives until the process ends and the module never resets it. Absent services
// are null pointers. Plain data: the rules that keep it consistent live in KassioManager.
struct KassioState {
  std::optional<platform::AppColors> appColors;
  std::optional<platform::AppFont> appFont;
  std::shared_ptr<NetlaneManager> networkManager;
  std::shared_ptr<AuthMPosAPI> authMPosAPI;
  std::optional<calendarFilterType> calendarType;
  std::optional<DateRange> dateRange;
  std::shared_ptr<OrbiAssistantDelegate> orbiAssistantDelegate;
  std::map<std::string, std::vector<std::string>> locationSegment;
  std::string dbaName;
  std::optional<GetUserTerminalListResponse> terminalListResponse;
  std::vector<TerminalEntry> allTids;
  std::optional<SelectedTid> selectedTid;
  std::vector<SelectedTerminal> selectedTerminals;
  bool scrollDashboardToBottom = false;
  // The host application's link domains, which deep links into it are recognised by.
  DeepLinkConfiguration deepLinkConfiguration;

  // The outlet tree. Only KassioManager::setFilterData() stores it, which reruns the role check
  // on every assignment so the stored role follows the filter.
  const std::optional<MainFilterData>& filterData() const { return filterData_; }

  // Kept across decodes of the terminal list: its buffers are sized for the large list.
  platform::JsonDecoder& terminalListDecoder() { return terminalListDecoder_; }

  static KassioState& shared();

 private:
  friend class KassioManager;

  std::optional<MainFilterData> filterData_;
  platform::JsonDecoder terminalListDecoder_;
};

}  // namespace kassio
