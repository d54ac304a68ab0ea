#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "kassio/banners/DeepLinkConfiguration.h"
#include "kassio/entry/AuthMPosAPI.h"
#include "kassio/entry/DateRange.h"
#include "kassio/entry/MainFilterData.h"
#include "kassio/entry/OrbiAssistantDelegate.h"
#include "kassio/entry/PaymentModeType.h"
#include "kassio/entry/SelectedTid.h"
#include "kassio/entry/calendarFilterType.h"
#include "kassio/platform/text/Uuid.h"
#include "kassio/platform/ui/AppColors.h"
#include "kassio/platform/ui/AppFont.h"
#include "kassio/transactions/NetlaneManager.h"

namespace kassio {

// The host's door into the module: configuration, the outlet selection and the user's highest
// role. Everything lands in KassioState::shared(). Also the module-state forms of the rules that
// take their inputs as parameters, for screens and services. Static operations only.
class KassioManager {
 public:
  KassioManager() = delete;

  // User-defaults keys the manager writes.
  static constexpr const char* selectedOutletUUIDKey = "paymentFilterSelectedOutletUUID";
  static constexpr const char* userRoleKey = "userRolePayment";
  static constexpr const char* ausRoleKey = "ausRolePayment";

  // set(colors:andFonts:netlane:) — a null manager clears the stored one.
  static void set(platform::AppColors colors, platform::AppFont andFonts, std::shared_ptr<NetlaneManager> netlane);

  // set(authMPosAPI:filterData:_:terminalList:selectedTidList:dateRange:orbiAssistantDelegate:locationSegment:)
  // Stores the service, then the outlet tree (which reruns the role check), then the rest.
  // terminalList and selectedTidList are accepted for the host's sake and not used.
  static void set(std::shared_ptr<AuthMPosAPI> authMPosAPI, MainFilterData filterData,
                  calendarFilterType calendarType, const std::vector<std::string>& terminalList,
                  const std::vector<std::string>& selectedTidList, DateRange dateRange,
                  std::shared_ptr<OrbiAssistantDelegate> orbiAssistantDelegate,
                  std::map<std::string, std::vector<std::string>> locationSegment);

  // set(dbaName:)
  static void set(std::string dbaName);

  // Stores the outlet tree and reruns checkHeighestRole(), whatever the value: the one way the
  // tree is stored.
  static void setFilterData(std::optional<MainFilterData> filterData);

  // The Netlane the host configured, as it is now; services read it at each call.
  static std::shared_ptr<NetlaneManager> networkManager();

  // The host application's link domains, which deep links into it are recognised by.
  static const DeepLinkConfiguration& deepLinkConfiguration();
  static void setDeepLinkConfiguration(DeepLinkConfiguration configuration);

  // Stores the outlet's UUID under selectedOutletUUIDKey and flushes the store at once.
  static void setSelectedUUID(const platform::Uuid& uuid);
  // The stored UUID; a fresh random one on each call while nothing valid is stored (the
  // stored text is left as it is).
  static platform::Uuid getSelectedUUID();

  // setSelectedTID(selectedTid:)
  static void setSelectedTID(SelectedTid selectedTid);

  // selectOutlet(by:) — a copy of the outlet tree with only the first outlet carrying `uuid`
  // selected (with its city, brand, company, MIDs and terminals) and every other flag cleared.
  // The copy becomes filterData; a selected company's name becomes dbaName. Without filterData
  // nothing happens and nothing comes back.
  static std::optional<MainFilterData> selectOutlet(const platform::Uuid& by);

  // getSelctionHirekey(tidName:paymentMode:) — "cid>brand>city>outlet>mode" of the last
  // terminal numbered `tidName` in the tree; empty when none or without filterData.
  static std::string getSelctionHirekey(std::string_view tidName, std::int64_t paymentMode);
  // The same key for every terminal of the tree in one walk (terminal number -> key), for
  // screens that need the keys of many terminals.
  static std::unordered_map<std::string, std::string> getSelctionHirekeys(std::int64_t paymentMode);

  // getSelctionOutletHirekey(_:) — the key of the selected outlet (the first selected entry at
  // each level); empty when a level has none selected or without filterData.
  static std::string getSelctionOutletHirekey(std::int64_t paymentMode);

  // checkHeighestRole() — counts the roles of the active terminals that the merchant selected
  // and writes the most frequent under userRoleKey ("aus" as "owner") and "aus" or "not found"
  // under ausRoleKey. Ties go to the higher role in roleWords order, then to the role met first.
  static void checkHeighestRole();

  // The text under userRoleKey; empty when absent.
  static std::string storedUserRole();

  // The terminal rules (TerminalListRules.h) on terminalListResponse.
  static std::vector<std::string> terminalsEnabled(std::optional<PaymentModeType> mode);
  static std::vector<std::string> terminalsWithStaticQR();
  static std::string dba(std::string_view forTID);
  static std::unordered_map<std::string, std::string> dbaByTID();

  // Replaces terminalListResponse with the decoded terminal list; absent text, text that is not
  // JSON and JSON of another shape leave no list.
  static void decodeTerminalList(const std::optional<std::string>& terminalInfoData);
};

}  // namespace kassio
