#pragma once

#include <string>
#include <tuple>
#include <vector>

#include "kassio/entry/MainCity.h"
#include "kassio/platform/json/JsonField.h"

namespace kassio {

// A brand of a company in the outlet filter's tree, with its cities.
struct MainBrandList {
  std::string brandName;
  bool isSelected = false;
  std::vector<MainCity> cities;

  bool operator==(const MainBrandList&) const = default;
  static constexpr auto jsonFields = std::make_tuple(platform::jsonField("brandName", &MainBrandList::brandName),
                                                     platform::jsonField("isSelected", &MainBrandList::isSelected),
                                                     platform::jsonField("cities", &MainBrandList::cities));
};

}  // namespace kassio
