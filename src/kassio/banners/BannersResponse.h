#pragma once

#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "kassio/banners/BannerList.h"
#include "kassio/platform/json/JsonField.h"

namespace kassio {

// The banner feed: the body of the bannerList answer.
struct BannersResponse {
  std::optional<std::string> status;
  std::optional<std::string> respMsg;
  std::optional<std::string> errorCode;
  std::optional<std::vector<BannerList>> bannerList;

  // The sections for the payments dashboard (appLocation exactly "paymentsDashboard-banner"),
  // ordered by sectionTitle, an absent title counting as empty; equal titles keep feed order.
  // The dashboard shows the banners of the first one.
  std::vector<BannerList> paymentsDashboardSections() const;

  bool operator==(const BannersResponse&) const = default;
  static constexpr auto jsonFields =
      std::make_tuple(platform::jsonField("status", &BannersResponse::status),
                      platform::jsonField("respMsg", &BannersResponse::respMsg),
                      platform::jsonField("errorCode", &BannersResponse::errorCode),
                      platform::jsonField("bannerList", &BannersResponse::bannerList));
};

}  // namespace kassio
