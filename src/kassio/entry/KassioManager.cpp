#include "kassio/entry/KassioManager.h"

#include <cstddef>
#include <string_view>
#include <unordered_set>
#include <utility>

#include "kassio/entry/KassioState.h"
#include "kassio/entry/RoleWords.h"
#include "kassio/entry/TextCase.h"
#include "kassio/terminals/TerminalListRules.h"
#include "kassio/platform/foundation/Platform.h"
#include "kassio/platform/foundation/UserDefaults.h"
#include "kassio/platform/text/UnicodeText.h"

namespace kassio {

namespace {

platform::UserDefaults* userDefaults() { return platform::Platform::current().userDefaults.get(); }

std::string outletKey(const MainCID& cid, const MainBrandList& brand, const MainCity& city,
                      const MainOutlates& outlet, std::int64_t paymentMode) {
  return cid.cidName + ">" + brand.brandName + ">" + city.cityName + ">" + outlet.outlatesName + ">" +
         std::to_string(paymentMode);
}

// Calls visit(cid, brand, city, outlet) for every outlet of the tree, in list order.
template <class Tree, class Visit>
void forEachOutlet(Tree& tree, Visit visit) {
  for (auto& cid : tree.cids) {
    for (auto& brand : cid.brandList) {
      for (auto& city : brand.cities) {
        for (auto& outlet : city.outlates) visit(cid, brand, city, outlet);
      }
    }
  }
}

void setOutletAndBelow(MainOutlates& outlet, bool selected) {
  outlet.isSelected = selected;
  for (auto& mid : outlet.mids) {
    mid.isSelected = selected;
    for (auto& tid : mid.tids) tid.isSelected = selected;
  }
}

void clearSelection(MainFilterData& tree) {
  for (auto& cid : tree.cids) {
    cid.isSelected = false;
    for (auto& brand : cid.brandList) {
      brand.isSelected = false;
      for (auto& city : brand.cities) {
        city.isSelected = false;
        for (auto& outlet : city.outlates) setOutletAndBelow(outlet, false);
      }
    }
  }
}

// Selects the first outlet carrying `uuid` with everything above and below it.
void selectFirstOutlet(MainFilterData& tree, const platform::Uuid& uuid) {
  for (auto& cid : tree.cids) {
    for (auto& brand : cid.brandList) {
      for (auto& city : brand.cities) {
        for (auto& outlet : city.outlates) {
          if (outlet.uuid != uuid) continue;
          setOutletAndBelow(outlet, true);
          city.isSelected = brand.isSelected = cid.isSelected = true;
          return;
        }
      }
    }
  }
}

template <class List>
auto firstSelected(List& list) -> decltype(&list.front()) {
  for (auto& item : list) {
    if (item.isSelected) return &item;
  }
  return nullptr;
}

// Role counts in the order roles enter the table, with an index for lookups.
class RoleTable {
 public:
  RoleTable() {
    for (const auto word : roleWords) add(std::string(word));
  }

  void count(std::string role) {
    const auto found = index_.find(role);
    if (found != index_.end()) {
      ++entries_[found->second].second;
    } else {
      add(std::move(role)).second = 1;
    }
  }

  // The largest count; on a tie the entry that entered first.
  const std::string* highest() const {
    const std::pair<std::string, int>* best = nullptr;
    for (const auto& entry : entries_) {
      if (!best || entry.second > best->second) best = &entry;
    }
    return best ? &best->first : nullptr;
  }

 private:
  std::pair<std::string, int>& add(std::string role) {
    index_.emplace(role, entries_.size());
    return entries_.emplace_back(std::move(role), 0);
  }

  std::vector<std::pair<std::string, int>> entries_;
  std::unordered_map<std::string, std::size_t> index_;
};

}  // namespace

void KassioManager::set(platform::AppColors colors, platform::AppFont andFonts,
                        std::shared_ptr<NetlaneManager> netlane) {
  auto& state = KassioState::shared();
  state.appColors = std::move(colors);
  state.appFont = std::move(andFonts);
  state.networkManager = std::move(netlane);
}

void KassioManager::set(std::shared_ptr<AuthMPosAPI> authMPosAPI, MainFilterData filterData,
                        calendarFilterType calendarType, const std::vector<std::string>& /*terminalList*/,
                        const std::vector<std::string>& /*selectedTidList*/, DateRange dateRange,
                        std::shared_ptr<OrbiAssistantDelegate> orbiAssistantDelegate,
                        std::map<std::string, std::vector<std::string>> locationSegment) {
  auto& state = KassioState::shared();
  state.authMPosAPI = std::move(authMPosAPI);
  setFilterData(std::move(filterData));
  state.calendarType = calendarType;
  state.dateRange = std::move(dateRange);
  state.orbiAssistantDelegate = std::move(orbiAssistantDelegate);
  state.locationSegment = std::move(locationSegment);
}

void KassioManager::set(std::string dbaName) { KassioState::shared().dbaName = std::move(dbaName); }

void KassioManager::setFilterData(std::optional<MainFilterData> filterData) {
  KassioState::shared().filterData_ = std::move(filterData);
  checkHeighestRole();
}

std::shared_ptr<NetlaneManager> KassioManager::networkManager() { return KassioState::shared().networkManager; }

const DeepLinkConfiguration& KassioManager::deepLinkConfiguration() {
  return KassioState::shared().deepLinkConfiguration;
}

void KassioManager::setDeepLinkConfiguration(DeepLinkConfiguration configuration) {
  KassioState::shared().deepLinkConfiguration = std::move(configuration);
}

void KassioManager::setSelectedUUID(const platform::Uuid& uuid) {
  auto* defaults = userDefaults();
  if (!defaults) return;
  defaults->set(selectedOutletUUIDKey, uuid.uuidString());
  defaults->synchronize();
}

platform::Uuid KassioManager::getSelectedUUID() {
  if (const auto* defaults = userDefaults()) {
    if (const auto text = defaults->string(selectedOutletUUIDKey)) {
      if (const auto uuid = platform::Uuid::parse(*text)) return *uuid;
    }
  }
  return platform::Uuid::random();
}

void KassioManager::setSelectedTID(SelectedTid selectedTid) {
  KassioState::shared().selectedTid = std::move(selectedTid);
}

std::optional<MainFilterData> KassioManager::selectOutlet(const platform::Uuid& by) {
  auto& state = KassioState::shared();
  if (!state.filterData()) return std::nullopt;
  MainFilterData copy = *state.filterData();
  clearSelection(copy);
  selectFirstOutlet(copy, by);
  setFilterData(copy);
  if (const auto* cid = firstSelected(copy.cids)) state.dbaName = cid->cidName;
  return copy;
}

std::string KassioManager::getSelctionHirekey(std::string_view tidName, std::int64_t paymentMode) {
  const auto& filterData = KassioState::shared().filterData();
  if (!filterData) return {};
  std::string key;
  forEachOutlet(*filterData, [&](const MainCID& cid, const MainBrandList& brand, const MainCity& city,
                                 const MainOutlates& outlet) {
    for (const auto& mid : outlet.mids) {
      for (const auto& tid : mid.tids) {
        if (tid.tidNumber != tidName) continue;
        key = outletKey(cid, brand, city, outlet, paymentMode);
        break;  // the next MID may hold the number again, and then wins
      }
    }
  });
  return key;
}

std::unordered_map<std::string, std::string> KassioManager::getSelctionHirekeys(std::int64_t paymentMode) {
  std::unordered_map<std::string, std::string> keys;
  const auto& filterData = KassioState::shared().filterData();
  if (!filterData) return keys;
  forEachOutlet(*filterData, [&](const MainCID& cid, const MainBrandList& brand, const MainCity& city,
                                 const MainOutlates& outlet) {
    if (outlet.mids.empty()) return;
    const std::string key = outletKey(cid, brand, city, outlet, paymentMode);
    for (const auto& mid : outlet.mids) {
      for (const auto& tid : mid.tids) keys.insert_or_assign(tid.tidNumber, key);
    }
  });
  return keys;
}

std::string KassioManager::getSelctionOutletHirekey(std::int64_t paymentMode) {
  const auto& filterData = KassioState::shared().filterData();
  if (!filterData) return {};
  const auto* cid = firstSelected(filterData->cids);
  const auto* brand = cid ? firstSelected(cid->brandList) : nullptr;
  const auto* city = brand ? firstSelected(brand->cities) : nullptr;
  const auto* outlet = city ? firstSelected(city->outlates) : nullptr;
  if (!outlet) return {};
  return outletKey(*cid, *brand, *city, *outlet, paymentMode);
}

void KassioManager::checkHeighestRole() {
  const auto& state = KassioState::shared();
  RoleTable roles;
  if (state.terminalListResponse) {
    std::unordered_set<std::string_view> selected;
    selected.reserve(state.selectedTerminals.size());
    for (const auto& terminal : state.selectedTerminals) selected.insert(terminal.tid.tidNumber);
    for (const auto& terminals : state.terminalListResponse->terminals) {
      for (const auto& [tid, info] : terminals) {
        if (!selected.contains(tid) || !equalsLowercased(info.roleStatus.value_or(""), "active")) continue;
        // Spellings of one role that differ only in how accents are encoded count as one.
        roles.count(platform::canonical(lowercasedText(info.role.value_or(""))));
      }
    }
  }
  const std::string* role = roles.highest();
  const bool isAus = role && *role == "aus";
  auto* defaults = userDefaults();
  if (!defaults) return;
  defaults->set(userRoleKey, !role ? std::string() : isAus ? std::string("owner") : *role);
  defaults->set(ausRoleKey, !role ? std::string() : isAus ? std::string("aus") : std::string("not found"));
}

std::string KassioManager::storedUserRole() {
  const auto* defaults = userDefaults();
  return defaults ? defaults->string(userRoleKey).value_or("") : std::string();
}

std::vector<std::string> KassioManager::terminalsEnabled(std::optional<PaymentModeType> mode) {
  return kassio::terminalsEnabled(KassioState::shared().terminalListResponse, mode);
}

std::vector<std::string> KassioManager::terminalsWithStaticQR() {
  return kassio::terminalsWithStaticQR(KassioState::shared().terminalListResponse);
}

std::string KassioManager::dba(std::string_view forTID) {
  return kassio::dba(KassioState::shared().terminalListResponse, forTID);
}

std::unordered_map<std::string, std::string> KassioManager::dbaByTID() {
  return kassio::dbaByTID(KassioState::shared().terminalListResponse);
}

void KassioManager::decodeTerminalList(const std::optional<std::string>& terminalInfoData) {
  auto& state = KassioState::shared();
  state.terminalListResponse.reset();  // the old list's memory goes before the new one is built
  state.terminalListResponse =
      state.terminalListDecoder().decode<GetUserTerminalListResponse>(terminalInfoData.value_or(""));
}

}  // namespace kassio
