#pragma once

#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "kassio/platform/json/JsonField.h"

namespace kassio {

// What the backend knows of a returning customer. Counts and spends travel as texts.
struct LoyaltyDetail {
  std::optional<std::string> flag{};
  std::optional<std::string> customer{};
  std::optional<std::string> status{};
  std::optional<std::string> count30{};
  std::optional<std::string> count90{};
  std::optional<std::string> spend30{};
  std::optional<std::string> spend90{};
  std::optional<std::vector<std::string>> text1{};

  bool operator==(const LoyaltyDetail&) const = default;
  static constexpr auto jsonFields = std::make_tuple(
      platform::jsonField("flag", &LoyaltyDetail::flag), platform::jsonField("customer", &LoyaltyDetail::customer),
      platform::jsonField("status", &LoyaltyDetail::status), platform::jsonField("count30", &LoyaltyDetail::count30),
      platform::jsonField("count90", &LoyaltyDetail::count90), platform::jsonField("spend30", &LoyaltyDetail::spend30),
      platform::jsonField("spend90", &LoyaltyDetail::spend90), platform::jsonField("text1", &LoyaltyDetail::text1));
};

}  // namespace kassio
