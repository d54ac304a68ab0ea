#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "kassio/banners/BannerDatum.h"
#include "kassio/platform/json/JsonField.h"

namespace kassio {

// One section of the banner feed: the banners for one place of the host application.
struct BannerList {
  std::optional<std::int64_t> sectionID;
  std::optional<std::string> sectionTitle;
  std::optional<std::string> sectionSubTitle;
  std::optional<std::string> sectionIcon;
  std::optional<std::string> sectionCtaName;
  std::optional<std::string> sectionAppAction;
  // An AppLocation raw value, kept as text: a place this module does not know must not fail
  // the whole feed.
  std::optional<std::string> appLocation;
  std::optional<std::vector<std::string>> segments;
  std::optional<std::vector<std::string>> segmentsExcluded;
  std::optional<std::vector<BannerDatum>> bannerData;

  bool operator==(const BannerList&) const = default;
  static constexpr auto jsonFields = std::make_tuple(
      platform::jsonField("sectionId", &BannerList::sectionID),
      platform::jsonField("sectionTitle", &BannerList::sectionTitle),
      platform::jsonField("sectionSubTitle", &BannerList::sectionSubTitle),
      platform::jsonField("sectionIcon", &BannerList::sectionIcon),
      platform::jsonField("sectionCtaName", &BannerList::sectionCtaName),
      platform::jsonField("sectionAppAction", &BannerList::sectionAppAction),
      platform::jsonField("appLocation", &BannerList::appLocation),
      platform::jsonField("segments", &BannerList::segments),
      platform::jsonField("segmentsExcluded", &BannerList::segmentsExcluded),
      platform::jsonField("bannerData", &BannerList::bannerData));
};

}  // namespace kassio
