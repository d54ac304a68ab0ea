#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "kassio/banners/AppLocation.h"
#include "kassio/banners/BannersResponse.h"
#include "kassio/platform/json/Json.h"

namespace kassio {
namespace {

using platform::decodeJson;
using platform::encodeJson;

// Every key of a banner, in field-table order, each with a distinct value.
const std::string fullBanner =
    R"({"campaignId":11,"bannerId":12,"bannerName":"name","bannerEventName":"event","bannerTitle":"title",)"
    R"("bannerCta":"cta","bannerCtaAppAction":"ctaAction","bannerUrl":"https://shop.example/",)"
    R"("bannerAppAction":"{\"deepLinkURL\":\"velbank://x\"}","bannerImgUrl":"https://img.example/1.png",)"
    R"("platforms":"all","priorityOrder":3,"appLocation":"paymentsDashboard-banner",)"
    R"("startDate":"2026-01-01 00:00:00","endDate":"2026-12-31 23:59:59","redirectionFlag":true,)"
    R"("mlcmBannerCTA":"mcta","mlcmHtmlId":"hid","mlcmHtmlData":"hdata","mlcmHtmlContent":"<p>hi</p>",)"
    R"("mlcmHtmlRawData":"raw","mlcmTid":"T1","mlcmCampaignName":"camp","redirectionContent":"rc",)"
    R"("segments":["A","B"],"segmentsExcluded":["C"],"roles":["owner"]})";

TEST(BannerRecordsTest, BannerKeepsEveryKeyAndEncodesBackTheSame) {
  const auto banner = decodeJson<BannerDatum>(fullBanner);
  ASSERT_TRUE(banner);
  EXPECT_EQ(encodeJson(*banner), fullBanner);
  // the renamed keys land in their fields
  EXPECT_EQ(banner->campaignID, 11);
  EXPECT_EQ(banner->bannerURL, "https://shop.example/");
  EXPECT_EQ(banner->bannerImgURL, "https://img.example/1.png");
  EXPECT_EQ(banner->bannerAppAction, R"({"deepLinkURL":"velbank://x"})");
  EXPECT_EQ(banner->mlcmHtmlContent, "<p>hi</p>");
  EXPECT_EQ(banner->segmentsExcluded, std::vector<std::string>{"C"});
}

TEST(BannerRecordsTest, MissingNullAndUnknownKeysAreAbsent) {
  const auto banner = decodeJson<BannerDatum>(R"({"bannerId":null,"bannerURL":"wrong key","extra":[1]})");
  ASSERT_TRUE(banner);
  EXPECT_EQ(*banner, BannerDatum{});
  EXPECT_EQ(encodeJson(*banner), "{}");
}

TEST(BannerRecordsTest, AValueOfTheWrongTypeFailsTheBanner) {
  const char* wrong[] = {
      R"({"campaignId":"11"})",        R"({"bannerId":1.5})",
      R"({"priorityOrder":true})",     R"({"redirectionFlag":"true"})",
      R"({"redirectionFlag":1})",      R"({"bannerAppAction":{"deepLinkURL":"x"}})",
      R"({"endDate":20261231})",       R"({"platforms":["ios"]})",
      R"({"segments":"A"})",           R"({"roles":["owner",1]})",
      R"({"segmentsExcluded":[null]})", R"([])",
  };
  for (const char* json : wrong) EXPECT_FALSE(decodeJson<BannerDatum>(json)) << json;
  EXPECT_EQ(decodeJson<BannerDatum>(R"({"priorityOrder":2.0})")->priorityOrder, 2);
}

TEST(BannerRecordsTest, SectionAndFeedKeysAndNestedFailure) {
  const std::string section =
      R"({"sectionId":7,"sectionTitle":"T","sectionSubTitle":"S","sectionIcon":"I","sectionCtaName":"C",)"
      R"("sectionAppAction":"A","appLocation":"some-future-place","segments":["A"],"segmentsExcluded":["B"],)"
      R"("bannerData":[{"bannerId":1}]})";
  const auto list = decodeJson<BannerList>(section);
  ASSERT_TRUE(list);
  EXPECT_EQ(list->sectionID, 7);
  EXPECT_EQ(encodeJson(*list), section);

  const std::string feed = R"({"status":"00","respMsg":"ok","errorCode":"E0","bannerList":[)" + section + "]}";
  const auto response = decodeJson<BannersResponse>(feed);
  ASSERT_TRUE(response);
  EXPECT_EQ(encodeJson(*response), feed);

  // one bad banner fails its section and with it the feed
  EXPECT_FALSE(decodeJson<BannerList>(R"({"bannerData":[{"bannerId":1},{"bannerId":"2"}]})"));
  EXPECT_FALSE(decodeJson<BannersResponse>(R"({"bannerList":[{"sectionId":"7"}]})"));
  EXPECT_FALSE(decodeJson<BannersResponse>(R"({"bannerList":{}})"));
  EXPECT_FALSE(decodeJson<BannersResponse>("not json"));
}

TEST(BannerRecordsTest, AppLocationRawValues) {
  const std::pair<AppLocation, const char*> places[] = {
      {AppLocation::dashboardBanners, "dashboard-banner-v2"},
      {AppLocation::dashboardBanners2, "dashboard-banners"},
      {AppLocation::dashboardCc, "dashboard-cc-v2"},
      {AppLocation::profileBanner, "profile-banner"},
      {AppLocation::reportBanner, "reports-banner"},
      {AppLocation::dashboardTrindle, "dashboard-trindle-v2"},
      {AppLocation::trindleBanking, "trindle-banking-v2"},
      {AppLocation::trindleVendorPayments, "trindle-vendor-payments-v2"},
      {AppLocation::trindleVendorPaymentsv2, "trindle-vendor-paymentsv2"},
      {AppLocation::zelvo, "trindle-zelvo-payments-v2"},
      {AppLocation::dashbaordRewards, "dashbaord-rewards"},
      {AppLocation::mtLoans, "mt_loans"},
      {AppLocation::oarDashboardBanners, "oarDashboard-banners"},
      {AppLocation::macDashboardBanners, "macDashboard-banners"},
      {AppLocation::paymentsDashboardBanner, "paymentsDashboard-banner"},
      {AppLocation::settelmentBanners, "settlement-banner"},
      {AppLocation::topBanner, "bizview-top-banner"},
      {AppLocation::trindlifyDashboardBanner, "trindlify-banner"},
      {AppLocation::transactionDashboardBanner, "transaction_banner"},
      {AppLocation::soundboxBanner, "soundbox-dashboard-top-banner"},
      {AppLocation::bizGrowthLoans, "trindle-loans-v2"},
      {AppLocation::bizGrwothInsurance, "trindle-insurance-v2"},
  };
  for (const auto& [place, raw] : places) {
    EXPECT_EQ(rawValue(place), raw);
    EXPECT_EQ(fromRaw(raw, static_cast<AppLocation*>(nullptr)), place) << raw;
    EXPECT_EQ(appLocationNamed(caseName(place)), place) << raw;
    EXPECT_EQ(decodeJson<AppLocation>("\"" + std::string(raw) + "\""), place) << raw;
  }
  EXPECT_EQ(caseName(AppLocation::settelmentBanners), "settelmentBanners");
  EXPECT_FALSE(fromRaw("PaymentsDashboard-banner", static_cast<AppLocation*>(nullptr)));
  EXPECT_FALSE(decodeJson<AppLocation>("\"dashboard-rewards\""));
}

BannerList section(std::optional<std::string> title, std::optional<std::string> place, std::int64_t id) {
  BannerList list;
  list.sectionID = id;
  list.sectionTitle = std::move(title);
  list.appLocation = std::move(place);
  return list;
}

TEST(BannerRecordsTest, DashboardSectionsAreTheDashboardPlaceByTitle) {
  const std::string dashboard = "paymentsDashboard-banner";
  BannersResponse response;
  response.bannerList = std::vector<BannerList>{
      section("B", dashboard, 1),
      section("A", "dashboard-banners", 2),  // another place
      section("A", dashboard, 3),
      section(std::nullopt, dashboard, 4),   // counts as ""
      section("A", dashboard, 5),            // equal title: after 3
      section("a", dashboard, 6),            // lower case sorts after capitals
      section("\u00c9clair", dashboard, 9),   // one title however its accent is spelled:
      section("E\u0301clair", dashboard, 10),  // after "a" with the other spelling, and in order
      section("\u00c9clair", dashboard, 11),
      section("Z", "PaymentsDashboard-banner", 7),
      section("Z", std::nullopt, 8),
  };
  std::vector<std::int64_t> ids;
  for (const auto& s : response.paymentsDashboardSections()) ids.push_back(*s.sectionID);
  EXPECT_EQ(ids, (std::vector<std::int64_t>{4, 3, 5, 1, 6, 9, 10, 11}));

  EXPECT_TRUE(BannersResponse{}.paymentsDashboardSections().empty());
}

}  // namespace
}  // namespace kassio
