#pragma once

#include <optional>
#include <string>
#include <tuple>

#include "kassio/platform/json/JsonField.h"
#include "kassio/transactions/LoyaltyDetail.h"

namespace kassio {

// The customer-recognition answer.
struct LoyaltyResponse {
  std::optional<std::string> status{};
  std::optional<std::string> message{};
  std::optional<std::string> errorCode{};
  std::optional<LoyaltyDetail> loyaltyDetail{};

  bool operator==(const LoyaltyResponse&) const = default;
  static constexpr auto jsonFields =
      std::make_tuple(platform::jsonField("status", &LoyaltyResponse::status),
                      platform::jsonField("message", &LoyaltyResponse::message),
                      platform::jsonField("errorCode", &LoyaltyResponse::errorCode),
                      platform::jsonField("loyaltyDetail", &LoyaltyResponse::loyaltyDetail));
};

}  // namespace kassio
