#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <tuple>

#include "kassio/platform/json/JsonField.h"

namespace kassio {

// A terminal's provisioning for a link or collect mode (SMS pay, UPI).
struct SMSPayData {
  std::optional<std::string> status;
  std::optional<std::string> providerName;
  std::optional<std::int64_t> providerID;

  bool operator==(const SMSPayData&) const = default;
  static constexpr auto jsonFields = std::make_tuple(platform::jsonField("status", &SMSPayData::status),
                                                     platform::jsonField("providerName", &SMSPayData::providerName),
                                                     platform::jsonField("providerId", &SMSPayData::providerID));
};

}  // namespace kassio
