#pragma once

#include <cstdint>
#include <optional>
#include <tuple>
#include <vector>

#include "kassio/offers/EligibleOffer.h"
#include "kassio/platform/json/JsonField.h"

namespace kassio {

// The offers a customer is eligible for.
struct OfferData {
  std::optional<std::int64_t> custID{};  // key "custId": the backend's customer id
  std::optional<std::vector<EligibleOffer>> eligibleOffers{};

  bool operator==(const OfferData&) const = default;
  static constexpr auto jsonFields = std::make_tuple(platform::jsonField("custId", &OfferData::custID),
                                                     platform::jsonField("eligibleOffers", &OfferData::eligibleOffers));
};

}  // namespace kassio
