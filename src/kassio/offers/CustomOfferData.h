#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <tuple>

#include "kassio/offers/BannerData.h"
#include "kassio/platform/json/JsonField.h"

namespace kassio {

// One redeemed offer as shown after the payment. Its id and amounts are decimal numbers here.
struct CustomOfferData {
  std::optional<std::int64_t> redemptionID{};  // key "redemptionId"
  std::optional<std::string> offerName{};
  std::optional<double> offerID{};  // key "offerId"
  std::optional<double> offerAmount{};
  std::optional<double> transactionAmount{};
  std::optional<BannerData> banner{};

  bool operator==(const CustomOfferData&) const = default;
  static constexpr auto jsonFields =
      std::make_tuple(platform::jsonField("redemptionId", &CustomOfferData::redemptionID),
                      platform::jsonField("offerName", &CustomOfferData::offerName),
                      platform::jsonField("offerId", &CustomOfferData::offerID),
                      platform::jsonField("offerAmount", &CustomOfferData::offerAmount),
                      platform::jsonField("transactionAmount", &CustomOfferData::transactionAmount),
                      platform::jsonField("banner", &CustomOfferData::banner));
};

}  // namespace kassio
