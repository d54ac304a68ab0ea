#pragma once

#include <tuple>
#include <vector>

#include "kassio/entry/MainCID.h"
#include "kassio/platform/json/JsonField.h"

namespace kassio {

// The outlet filter's tree (Filtora): companies, brands, cities, outlets, MIDs and terminals, each
// with its selection flag. Every member is required in JSON. Built from a list of companies:
// MainFilterData{cids}.
struct MainFilterData {
  std::vector<MainCID> cids;

  bool operator==(const MainFilterData&) const = default;
  static constexpr auto jsonFields = std::make_tuple(platform::jsonField("cids", &MainFilterData::cids));
};

}  // namespace kassio
