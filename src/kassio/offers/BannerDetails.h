#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <tuple>

#include "kassio/offers/BannerImage.h"
#include "kassio/offers/BannerMetaDetails.h"
#include "kassio/platform/json/JsonField.h"

namespace kassio {

// The banner an eligible offer is advertised with.
struct BannerDetails {
  std::optional<std::int64_t> id{};
  std::optional<std::string> updatedAt{};
  std::optional<BannerImage> bannerImage{};
  std::optional<BannerImage> bannerFrame{};
  std::optional<BannerMetaDetails> bannerMetaDetails{};
  std::optional<std::string> bannerType{};

  bool operator==(const BannerDetails&) const = default;
  static constexpr auto jsonFields = std::make_tuple(
      platform::jsonField("id", &BannerDetails::id), platform::jsonField("updatedAt", &BannerDetails::updatedAt),
      platform::jsonField("bannerImage", &BannerDetails::bannerImage),
      platform::jsonField("bannerFrame", &BannerDetails::bannerFrame),
      platform::jsonField("bannerMetaDetails", &BannerDetails::bannerMetaDetails),
      platform::jsonField("bannerType", &BannerDetails::bannerType));
};

}  // namespace kassio
