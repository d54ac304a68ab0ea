#pragma once

#include <string>
#include <tuple>
#include <vector>

#include "kassio/entry/MainTID.h"
#include "kassio/platform/json/JsonField.h"

namespace kassio {

// A merchant id of an outlet in the outlet filter's tree, with its terminals.
struct MainMID {
  std::string midName;
  bool isSelected = false;
  std::vector<MainTID> tids;

  bool operator==(const MainMID&) const = default;
  static constexpr auto jsonFields = std::make_tuple(platform::jsonField("midName", &MainMID::midName),
                                                     platform::jsonField("isSelected", &MainMID::isSelected),
                                                     platform::jsonField("tids", &MainMID::tids));
};

}  // namespace kassio
