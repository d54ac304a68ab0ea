#pragma once

#include <optional>
#include <string>
#include <tuple>

#include "kassio/offers/OfferData.h"
#include "kassio/platform/json/JsonField.h"

namespace kassio {

// The answer to the offer-list request.
struct PaymentCustomOfferDetails {
  std::optional<bool> error{};
  std::optional<std::string> code{};
  std::optional<OfferData> data{};
  std::optional<std::string> message{};

  bool operator==(const PaymentCustomOfferDetails&) const = default;
  static constexpr auto jsonFields =
      std::make_tuple(platform::jsonField("error", &PaymentCustomOfferDetails::error),
                      platform::jsonField("code", &PaymentCustomOfferDetails::code),
                      platform::jsonField("data", &PaymentCustomOfferDetails::data),
                      platform::jsonField("message", &PaymentCustomOfferDetails::message));
};

}  // namespace kassio
