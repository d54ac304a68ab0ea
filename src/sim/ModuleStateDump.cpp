#include "sim/ModuleStateDump.h"

#include "kassio/entry/KassioState.h"
#include "kassio/platform/json/Json.h"

namespace kassio::sim {

namespace {

using Json = nlohmann::ordered_json;

template <class T>
Json optionalRecord(const std::optional<T>& value) {
  return value ? platform::encodeJsonValue(*value) : Json(nullptr);
}

template <class T>
Json present(const T& service) {
  return service ? Json(true) : Json(nullptr);
}

}  // namespace

Json ModuleStateDump::current() {
  const auto& state = KassioState::shared();
  Json out = Json::object();
  out["appColors"] = present(state.appColors);
  out["appFont"] = present(state.appFont);
  out["networkManager"] = present(state.networkManager);
  out["authMPosAPI"] = present(state.authMPosAPI);
  out["filterData"] = optionalRecord(state.filterData());
  out["calendarType"] = optionalRecord(state.calendarType);
  out["dateRange"] = optionalRecord(state.dateRange);
  out["orbiAssistantDelegate"] = present(state.orbiAssistantDelegate);
  out["locationSegment"] = platform::encodeJsonValue(state.locationSegment);
  out["dbaName"] = state.dbaName;
  out["terminalListResponse"] = optionalRecord(state.terminalListResponse);
  out["allTids"] = platform::encodeJsonValue(state.allTids);
  out["selectedTid"] = optionalRecord(state.selectedTid);
  out["selectedTerminals"] = platform::encodeJsonValue(state.selectedTerminals);
  out["scrollDashboardToBottom"] = state.scrollDashboardToBottom;
  return out;
}

}  // namespace kassio::sim
