#pragma once

#include <optional>
#include <string_view>

namespace kassio {

// The host's date-range presets. The module only holds the one it is given.
enum class calendarFilterType {
  custom,
  today,
  yesterday,
  thisweek,
  lastweek,
  thismonth,
  lastmonth,
  none,  // raw value: the empty text
};

inline std::string_view rawValue(calendarFilterType type) {
  switch (type) {
    case calendarFilterType::custom: return "custom";
    case calendarFilterType::today: return "today";
    case calendarFilterType::yesterday: return "yesterday";
    case calendarFilterType::thisweek: return "thisweek";
    case calendarFilterType::lastweek: return "lastweek";
    case calendarFilterType::thismonth: return "thismonth";
    case calendarFilterType::lastmonth: return "lastmonth";
    case calendarFilterType::none: return "";
  }
  return "";
}

inline std::optional<calendarFilterType> fromRaw(std::string_view raw, calendarFilterType*) {
  for (auto type : {calendarFilterType::custom, calendarFilterType::today, calendarFilterType::yesterday,
                    calendarFilterType::thisweek, calendarFilterType::lastweek, calendarFilterType::thismonth,
                    calendarFilterType::lastmonth, calendarFilterType::none}) {
    if (rawValue(type) == raw) return type;
  }
  return std::nullopt;
}

}  // namespace kassio
