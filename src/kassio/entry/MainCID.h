#pragma once

#include <string>
#include <tuple>
#include <vector>

#include "kassio/entry/MainBrandList.h"
#include "kassio/platform/json/JsonField.h"

namespace kassio {

// A company (CID) at the top of the outlet filter's tree, with its brands.
struct MainCID {
  std::string cidName;
  bool isSelected = false;
  std::vector<MainBrandList> brandList;

  bool operator==(const MainCID&) const = default;
  static constexpr auto jsonFields = std::make_tuple(platform::jsonField("cidName", &MainCID::cidName),
                                                     platform::jsonField("isSelected", &MainCID::isSelected),
                                                     platform::jsonField("brandList", &MainCID::brandList));
};

}  // namespace kassio
