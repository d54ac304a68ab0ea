#include "sim/ModuleConfiguration.h"

#include <type_traits>

#include "kassio/entry/KassioManager.h"
#include "kassio/entry/KassioState.h"
#include "kassio/platform/json/Json.h"

namespace kassio::sim {

namespace {

using Segments = std::map<std::string, std::vector<std::string>>;

// Decodes a fixture value as T; a text given for a record is taken as JSON text.
template <class T>
std::optional<T> decodeValue(const nlohmann::ordered_json& value) {
  if constexpr (std::is_same_v<T, std::string>) {
    return value.is_string() ? std::optional<std::string>(value.get<std::string>()) : std::nullopt;
  } else if constexpr (std::is_enum_v<T>) {
    // An enumeration is written by its case name, itself a JSON text.
    return platform::decodeJson<T>(value);
  } else {
    return value.is_string() ? platform::decodeJson<T>(value.get<std::string>()) : platform::decodeJson<T>(value);
  }
}

template <class T>
std::string decodeInto(const nlohmann::ordered_json& fixture, const char* key, std::optional<T>& into) {
  auto found = fixture.find(key);
  if (found == fixture.end() || found->is_null()) return {};
  into = decodeValue<T>(*found);
  return into ? std::string{} : std::string("start: fixture ") + key + " does not decode";
}

std::string configureLinks(const nlohmann::ordered_json& fixture) {
  auto links = KassioManager::deepLinkConfiguration();
  for (auto [key, into] : {std::pair{"linkHost", &links.linkHost}, std::pair{"dynamicLinkHost", &links.dynamicLinkHost}}) {
    if (!fixture.contains(key)) continue;
    if (!fixture[key].is_string()) return std::string("start: ") + key + " must be a text";
    *into = fixture[key].get<std::string>();
  }
  if (auto onboarding = fixture.find("onboardingLinks"); onboarding != fixture.end()) {
    if (!onboarding->is_array() || onboarding->size() != 2 || !(*onboarding)[0].is_string() ||
        !(*onboarding)[1].is_string())
      return "start: onboardingLinks must be the two onboarding links";
    links.onboardingLink = (*onboarding)[0].get<std::string>();
    links.onboardingCheckLink = (*onboarding)[1].get<std::string>();
  }
  KassioManager::setDeepLinkConfiguration(std::move(links));
  return {};
}

}  // namespace

std::string ModuleConfiguration::apply(const Switches& switches, const Json& fixture, const Services& services) {
  std::optional<MainFilterData> filterData;
  std::optional<calendarFilterType> calendarType;
  std::optional<DateRange> dateRange;
  std::optional<Segments> locationSegment;
  std::optional<SelectedTid> selectedTid;
  std::optional<std::string> dbaName;
  for (const auto& error : {decodeInto(fixture, "filterData", filterData),
                            decodeInto(fixture, "calendarType", calendarType),
                            decodeInto(fixture, "dateRange", dateRange),
                            decodeInto(fixture, "locationSegment", locationSegment),
                            decodeInto(fixture, "selectedTid", selectedTid), decodeInto(fixture, "dbaName", dbaName)})
    if (!error.empty()) return error;
  std::optional<platform::Uuid> selectedUUID;
  if (auto text = fixture.find("selectedUUID"); text != fixture.end() && !text->is_null()) {
    selectedUUID = text->is_string() ? platform::Uuid::parse(text->get<std::string>()) : std::nullopt;
    if (!selectedUUID) return "start: selectedUUID must be a UUID";
  }
  if (auto error = configureLinks(fixture); !error.empty()) return error;

  if (switches.theme)
    KassioManager::set(platform::AppColors{}, platform::AppFont{}, switches.netlane ? services.netlane : nullptr);
  if (switches.authbase) {
    if (filterData) {
      KassioManager::set(services.authbase, *filterData, calendarType.value_or(calendarFilterType::none), {}, {},
                         dateRange.value_or(DateRange{}), nullptr, locationSegment.value_or(Segments{}));
    } else {
      // A host without an outlet tree: the service and the rest are stored, the tree stays absent.
      auto& state = KassioState::shared();
      state.authMPosAPI = services.authbase;
      state.calendarType = calendarType;
      state.dateRange = dateRange;
      state.locationSegment = locationSegment.value_or(Segments{});
    }
  }
  if (dbaName) KassioManager::set(*dbaName);
  if (selectedTid) KassioManager::setSelectedTID(*selectedTid);
  if (selectedUUID) KassioManager::setSelectedUUID(*selectedUUID);
  return {};
}

}  // namespace kassio::sim
