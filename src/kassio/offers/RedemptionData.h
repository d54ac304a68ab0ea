#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <tuple>

#include "kassio/platform/json/JsonField.h"

namespace kassio {

// A redemption the backend created when the merchant applied an offer. Amounts in paise.
struct RedemptionData {
  std::optional<std::int64_t> id{};  // the redemption id
  std::optional<std::string> updatedAt{};
  std::optional<std::int64_t> offerID{};       // key "offerId"
  std::optional<std::string> terminalID{};     // key "terminalId"
  std::optional<std::int64_t> customerID{};    // key "customerId"
  std::optional<std::string> transactionID{};  // key "transactionId"
  std::optional<std::string> transactionStatus{};
  std::optional<std::int64_t> offerAmount{};
  std::optional<std::int64_t> transactionAmount{};
  std::optional<std::string> paymentMode{};

  bool operator==(const RedemptionData&) const = default;
  static constexpr auto jsonFields = std::make_tuple(
      platform::jsonField("id", &RedemptionData::id), platform::jsonField("updatedAt", &RedemptionData::updatedAt),
      platform::jsonField("offerId", &RedemptionData::offerID),
      platform::jsonField("terminalId", &RedemptionData::terminalID),
      platform::jsonField("customerId", &RedemptionData::customerID),
      platform::jsonField("transactionId", &RedemptionData::transactionID),
      platform::jsonField("transactionStatus", &RedemptionData::transactionStatus),
      platform::jsonField("offerAmount", &RedemptionData::offerAmount),
      platform::jsonField("transactionAmount", &RedemptionData::transactionAmount),
      platform::jsonField("paymentMode", &RedemptionData::paymentMode));
};

}  // namespace kassio
