#pragma once

#include <string>
#include <tuple>
#include <vector>

#include "kassio/entry/MainMID.h"
#include "kassio/entry/UuidJsonCoding.h"
#include "kassio/platform/json/JsonField.h"
#include "kassio/platform/text/Uuid.h"

namespace kassio {

// An outlet in the outlet filter's tree, known to the host by its UUID.
struct MainOutlates {
  std::string outlatesName;
  platform::Uuid uuid{platform::Uuid::Bytes{}};
  std::string address;
  bool isSelected = false;
  std::vector<MainMID> mids;

  bool operator==(const MainOutlates&) const = default;
  static constexpr auto jsonFields = std::make_tuple(platform::jsonField("outlatesName", &MainOutlates::outlatesName),
                                                     platform::jsonField("uuid", &MainOutlates::uuid),
                                                     platform::jsonField("address", &MainOutlates::address),
                                                     platform::jsonField("isSelected", &MainOutlates::isSelected),
                                                     platform::jsonField("mids", &MainOutlates::mids));
};

}  // namespace kassio
