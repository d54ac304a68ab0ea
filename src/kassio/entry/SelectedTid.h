#pragma once

#include <string>
#include <tuple>

#include "kassio/platform/json/JsonField.h"

namespace kassio {

// The terminal a payment is taken on, as the detail and QR screens show and send it.
struct SelectedTid {
  std::string tid;
  std::string companyName;
  std::string tidCity;

  bool operator==(const SelectedTid&) const = default;
  static constexpr auto jsonFields = std::make_tuple(platform::jsonField("tid", &SelectedTid::tid),
                                                     platform::jsonField("companyName", &SelectedTid::companyName),
                                                     platform::jsonField("tidCity", &SelectedTid::tidCity));
};

}  // namespace kassio
