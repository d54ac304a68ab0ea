#pragma once

#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "kassio/platform/json/JsonField.h"

namespace kassio::sandbox {

// A customer's membership of the merchant's loyalty programme. Visits and spends are not
// seeded here: the bank counts them from the transactions it holds.
struct SeedLoyalty {
  std::string mobileNumber;
  std::optional<std::string> flag;
  std::optional<std::string> status;  // the programme tier
  std::optional<std::vector<std::string>> text1;

  static constexpr auto jsonFields = std::make_tuple(
      platform::jsonField("mobileNumber", &SeedLoyalty::mobileNumber), platform::jsonField("flag", &SeedLoyalty::flag),
      platform::jsonField("status", &SeedLoyalty::status), platform::jsonField("text1", &SeedLoyalty::text1));
};

}  // namespace kassio::sandbox
