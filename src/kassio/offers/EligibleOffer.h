#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "kassio/offers/BannerDetails.h"
#include "kassio/offers/OfferDetails.h"
#include "kassio/platform/json/JsonField.h"

namespace kassio {

// An offer the customer may take on this payment. Amounts in paise.
struct EligibleOffer {
  std::optional<std::int64_t> offerID{};  // key "offerId"
  std::optional<std::string> offerName{};
  std::optional<std::int64_t> offerAmount{};    // the discount
  std::optional<std::int64_t> amountPayable{};  // the amount after the discount
  std::optional<std::string> offerDescription{};
  std::optional<OfferDetails> offerDetails{};
  std::optional<BannerDetails> bannerDetails{};
  std::optional<std::vector<std::string>> terminalIds{};
  std::optional<std::vector<std::string>> paymentModes{};

  bool operator==(const EligibleOffer&) const = default;
  static constexpr auto jsonFields =
      std::make_tuple(platform::jsonField("offerId", &EligibleOffer::offerID),
                      platform::jsonField("offerName", &EligibleOffer::offerName),
                      platform::jsonField("offerAmount", &EligibleOffer::offerAmount),
                      platform::jsonField("amountPayable", &EligibleOffer::amountPayable),
                      platform::jsonField("offerDescription", &EligibleOffer::offerDescription),
                      platform::jsonField("offerDetails", &EligibleOffer::offerDetails),
                      platform::jsonField("bannerDetails", &EligibleOffer::bannerDetails),
                      platform::jsonField("terminalIds", &EligibleOffer::terminalIds),
                      platform::jsonField("paymentModes", &EligibleOffer::paymentModes));
};

}  // namespace kassio
