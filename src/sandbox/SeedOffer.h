#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "kassio/offers/BannerDetails.h"
#include "kassio/offers/OfferDetails.h"
#include "kassio/platform/json/JsonField.h"

namespace kassio::sandbox {

// An offer the bank runs for the merchant. Amounts in paise.
struct SeedOffer {
  std::int64_t offerId = 0;
  std::optional<std::string> offerName;
  std::optional<std::string> offerDescription;
  // "PERCENT_DISCOUNT" with a `limit`: `value` percent, capped at `limit`; without one, `value`
  // hundredths of a percent (the offer strip reads both forms so). Any other type: `value` off.
  OfferDetails offerDetails;
  std::optional<BannerDetails> bannerDetails;
  std::optional<std::vector<std::string>> terminalIds;   // none: every terminal
  std::optional<std::vector<std::string>> paymentModes;  // none: every mode
  std::optional<std::int64_t> minimumAmount;

  static constexpr auto jsonFields = std::make_tuple(
      platform::jsonField("offerId", &SeedOffer::offerId), platform::jsonField("offerName", &SeedOffer::offerName),
      platform::jsonField("offerDescription", &SeedOffer::offerDescription),
      platform::jsonField("offerDetails", &SeedOffer::offerDetails),
      platform::jsonField("bannerDetails", &SeedOffer::bannerDetails),
      platform::jsonField("terminalIds", &SeedOffer::terminalIds),
      platform::jsonField("paymentModes", &SeedOffer::paymentModes),
      platform::jsonField("minimumAmount", &SeedOffer::minimumAmount));
};

}  // namespace kassio::sandbox
