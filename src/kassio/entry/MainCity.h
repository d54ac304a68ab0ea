#pragma once

#include <string>
#include <tuple>
#include <vector>

#include "kassio/entry/MainOutlates.h"
#include "kassio/platform/json/JsonField.h"

namespace kassio {

// A city of a brand in the outlet filter's tree, with its outlets.
struct MainCity {
  std::string cityName;
  bool isSelected = false;
  std::vector<MainOutlates> outlates;

  bool operator==(const MainCity&) const = default;
  static constexpr auto jsonFields = std::make_tuple(platform::jsonField("cityName", &MainCity::cityName),
                                                     platform::jsonField("isSelected", &MainCity::isSelected),
                                                     platform::jsonField("outlates", &MainCity::outlates));
};

}  // namespace kassio
