#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <tuple>

#include "kassio/platform/json/JsonField.h"

namespace kassio {

// The discount rule of an offer: a percentage (type "PERCENT_DISCOUNT", capped at `limit`
// paise) or, for any other type, a flat value.
struct OfferDetails {
  std::optional<std::string> type{};
  std::optional<std::int64_t> value{};
  std::optional<std::int64_t> limit{};

  bool operator==(const OfferDetails&) const = default;
  static constexpr auto jsonFields = std::make_tuple(platform::jsonField("type", &OfferDetails::type),
                                                     platform::jsonField("value", &OfferDetails::value),
                                                     platform::jsonField("limit", &OfferDetails::limit));
};

}  // namespace kassio
