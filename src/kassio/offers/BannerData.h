#pragma once

#include <cstdint>
#include <optional>
#include <tuple>

#include "kassio/offers/BannerFrameClass.h"
#include "kassio/offers/BannerMetaDetails.h"
#include "kassio/platform/json/JsonField.h"

namespace kassio {

// The banner of a redeemed offer.
struct BannerData {
  std::optional<std::int64_t> id{};
  std::optional<BannerFrameClass> bannerImage{};
  std::optional<BannerFrameClass> bannerFrame{};
  std::optional<BannerMetaDetails> bannerMetaDetails{};

  bool operator==(const BannerData&) const = default;
  static constexpr auto jsonFields = std::make_tuple(
      platform::jsonField("id", &BannerData::id), platform::jsonField("bannerImage", &BannerData::bannerImage),
      platform::jsonField("bannerFrame", &BannerData::bannerFrame),
      platform::jsonField("bannerMetaDetails", &BannerData::bannerMetaDetails));
};

}  // namespace kassio
