#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "kassio/platform/json/JsonField.h"

namespace kassio {

// One banner of the feed. The module reads only a few fields (noted); the others are kept so
// that a banner encodes back as it came.
struct BannerDatum {
  std::optional<std::int64_t> campaignID;
  std::optional<std::int64_t> bannerId;
  std::optional<std::string> bannerName;
  std::optional<std::string> bannerEventName;
  std::optional<std::string> bannerTitle;  // a title mentioning "flexi" routes a tap to that feature
  std::optional<std::string> bannerCta;
  std::optional<std::string> bannerCtaAppAction;
  std::optional<std::string> bannerURL;        // opened externally on a tap without a deep link
  std::optional<std::string> bannerAppAction;  // a JSON object written as text, e.g. {"deepLinkURL":"…"}
  std::optional<std::string> bannerImgURL;
  std::optional<std::string> platforms;  // "all", "ios" or empty; any letter case
  std::optional<std::int64_t> priorityOrder;
  std::optional<std::string> appLocation;
  std::optional<std::string> startDate;
  std::optional<std::string> endDate;  // "yyyy-MM-dd HH:mm:ss", device time zone
  std::optional<bool> redirectionFlag;
  std::optional<std::string> mlcmBannerCTA;
  std::optional<std::string> mlcmHtmlId;
  std::optional<std::string> mlcmHtmlData;
  std::optional<std::string> mlcmHtmlContent;  // HTML shown in place of the image when present
  std::optional<std::string> mlcmHtmlRawData;
  std::optional<std::string> mlcmTid;
  std::optional<std::string> mlcmCampaignName;
  std::optional<std::string> redirectionContent;
  std::optional<std::vector<std::string>> segments;
  std::optional<std::vector<std::string>> segmentsExcluded;
  std::optional<std::vector<std::string>> roles;

  bool operator==(const BannerDatum&) const = default;
  static constexpr auto jsonFields = std::make_tuple(
      platform::jsonField("campaignId", &BannerDatum::campaignID),
      platform::jsonField("bannerId", &BannerDatum::bannerId),
      platform::jsonField("bannerName", &BannerDatum::bannerName),
      platform::jsonField("bannerEventName", &BannerDatum::bannerEventName),
      platform::jsonField("bannerTitle", &BannerDatum::bannerTitle),
      platform::jsonField("bannerCta", &BannerDatum::bannerCta),
      platform::jsonField("bannerCtaAppAction", &BannerDatum::bannerCtaAppAction),
      platform::jsonField("bannerUrl", &BannerDatum::bannerURL),
      platform::jsonField("bannerAppAction", &BannerDatum::bannerAppAction),
      platform::jsonField("bannerImgUrl", &BannerDatum::bannerImgURL),
      platform::jsonField("platforms", &BannerDatum::platforms),
      platform::jsonField("priorityOrder", &BannerDatum::priorityOrder),
      platform::jsonField("appLocation", &BannerDatum::appLocation),
      platform::jsonField("startDate", &BannerDatum::startDate),
      platform::jsonField("endDate", &BannerDatum::endDate),
      platform::jsonField("redirectionFlag", &BannerDatum::redirectionFlag),
      platform::jsonField("mlcmBannerCTA", &BannerDatum::mlcmBannerCTA),
      platform::jsonField("mlcmHtmlId", &BannerDatum::mlcmHtmlId),
      platform::jsonField("mlcmHtmlData", &BannerDatum::mlcmHtmlData),
      platform::jsonField("mlcmHtmlContent", &BannerDatum::mlcmHtmlContent),
      platform::jsonField("mlcmHtmlRawData", &BannerDatum::mlcmHtmlRawData),
      platform::jsonField("mlcmTid", &BannerDatum::mlcmTid),
      platform::jsonField("mlcmCampaignName", &BannerDatum::mlcmCampaignName),
      platform::jsonField("redirectionContent", &BannerDatum::redirectionContent),
      platform::jsonField("segments", &BannerDatum::segments),
      platform::jsonField("segmentsExcluded", &BannerDatum::segmentsExcluded),
      platform::jsonField("roles", &BannerDatum::roles));
};

}  // namespace kassio
