#pragma once

#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "kassio/offers/CustomOfferData.h"
#include "kassio/platform/json/JsonField.h"

namespace kassio {

// The answer to the redemption-details request.
struct CustomOfferDetails {
  std::optional<bool> error{};
  std::optional<std::string> code{};
  std::optional<std::vector<CustomOfferData>> data{};
  std::optional<std::string> message{};

  bool operator==(const CustomOfferDetails&) const = default;
  static constexpr auto jsonFields = std::make_tuple(platform::jsonField("error", &CustomOfferDetails::error),
                                                     platform::jsonField("code", &CustomOfferDetails::code),
                                                     platform::jsonField("data", &CustomOfferDetails::data),
                                                     platform::jsonField("message", &CustomOfferDetails::message));
};

}  // namespace kassio
