#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <tuple>

#include "kassio/platform/json/JsonField.h"

namespace kassio {

// One card provider a terminal is provisioned with.
struct CardDataPayments {
  std::optional<std::string> status;
  std::optional<std::int64_t> providerID;
  std::optional<std::string> userName;
  std::optional<std::string> password;
  std::optional<std::string> providerName;

  bool operator==(const CardDataPayments&) const = default;
  static constexpr auto jsonFields =
      std::make_tuple(platform::jsonField("status", &CardDataPayments::status),
                      platform::jsonField("providerId", &CardDataPayments::providerID),
                      platform::jsonField("userName", &CardDataPayments::userName),
                      platform::jsonField("password", &CardDataPayments::password),
                      platform::jsonField("providerName", &CardDataPayments::providerName));
};

}  // namespace kassio
