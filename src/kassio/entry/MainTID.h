#pragma once

#include <string>
#include <tuple>

#include "kassio/platform/json/JsonField.h"

namespace kassio {

// A terminal in the outlet filter's tree (Filtora).
struct MainTID {
  std::string tidNumber;
  bool isSelected = false;

  bool operator==(const MainTID&) const = default;
  static constexpr auto jsonFields = std::make_tuple(platform::jsonField("tidNumber", &MainTID::tidNumber),
                                                     platform::jsonField("isSelected", &MainTID::isSelected));
};

}  // namespace kassio
