#pragma once

#include <optional>
#include <string>
#include <tuple>

#include "kassio/offers/RedemptionData.h"
#include "kassio/platform/json/JsonField.h"

namespace kassio {

// The answer to the offer-redemption request.
struct AddOfferRedemption {
  std::optional<bool> error{};
  std::optional<std::string> code{};
  std::optional<RedemptionData> data{};
  std::optional<std::string> message{};

  bool operator==(const AddOfferRedemption&) const = default;
  static constexpr auto jsonFields = std::make_tuple(platform::jsonField("error", &AddOfferRedemption::error),
                                                     platform::jsonField("code", &AddOfferRedemption::code),
                                                     platform::jsonField("data", &AddOfferRedemption::data),
                                                     platform::jsonField("message", &AddOfferRedemption::message));
};

}  // namespace kassio
