#pragma once

#include <string>
#include <tuple>

#include "kassio/platform/json/JsonField.h"

namespace kassio {

// One of the host's terminals (its `allTids` list) with the user's role state on it and the
// terminal's own state. The status words below are compared exactly, letter case included.
struct TerminalEntry {
  std::string tid;
  std::string roleStatus;
  std::string tidStatus;

  // roleStatus: the user may transact ("Active", "Pending") or has no access ("Deactivate").
  // tidStatus: the terminal may transact ("Active") or its location is inactive ("Deactivate").
  static constexpr const char* active = "Active";
  static constexpr const char* pending = "Pending";
  static constexpr const char* deactivate = "Deactivate";

  bool operator==(const TerminalEntry&) const = default;
  static constexpr auto jsonFields = std::make_tuple(platform::jsonField("tid", &TerminalEntry::tid),
                                                     platform::jsonField("roleStatus", &TerminalEntry::roleStatus),
                                                     platform::jsonField("tidStatus", &TerminalEntry::tidStatus));
};

}  // namespace kassio
