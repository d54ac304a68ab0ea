#include "kassio/banners/DeepLinkHelper.h"

#include <string>

#include <gtest/gtest.h>

#include "banners/BannerTestPlatform.h"
#include "kassio/entry/KassioManager.h"

namespace kassio {
namespace {

// The test domains of BannerTestPlatform.h.
const std::string web = "https://m.velbank.test";
const std::string scheme = "velbank://m.velbank.test";
const std::string dynamic = "https://velbank.test.link";

struct Case {
  std::string link;
  int value;
};

class DeepLinkHelperTest : public BannerPlatformTest {};

TEST_F(DeepLinkHelperTest, RoutesExactLinksWholeAndInAnyCase) {
  const Case cases[] = {
      {web + "/PaymentsFragment/fragment/0/StaticBharatQrActivity/activity", 2},
      {"HTTPS://M.VELBANK.TEST/PAYMENTSFRAGMENT/FRAGMENT/0/STATICBHARATQRACTIVITY/ACTIVITY", 2},
      {scheme + "/PaymentsFragment/fragment/0/StaticBharatQrActivity/activity", 2},
      {web + "/PaymentsFragment/fragment/0/StaticBharatQrActivity/activity/", 0},  // trailing "/"
      {web + "/PaymentsFragment/fragment/0", 1},
      {web + "/ProfileFragment/fragment/4", 47},
      {web + "/MyTrindleFragment/fragment/4", 7},
      {web + "/ProfileFragment/fragment/4/HelpAndSupport/activity", 62},
      {scheme + "/ProfileFragment/fragment/4/ActivateInstantQrFromService/activity", 74},
      {web + "/ThreeSixtyViewFragment/fragment/1/OpenAppStore/activity", 75},
      // both paths of 45
      {web + "/ProfileFragment/fragment/4/CampaignActivityRewardsAndBadges/activity?type=active", 45},
      {scheme + "/ProfileFragment/fragment/4/CampaignActivity/activity?type=previous", 45},
      {web + "/ProfileFragment/fragment/4/CampaignActivity/activity?type=active", 49},
      // the review route has a custom-scheme-only path
      {scheme + "/InAppReview/activity/0", 48},
      {web + "/InAppReview/activity/0", 0},
      {web + "/InAppReview/activity/4", 48},
      // query strings are part of the path, up to letter case
      {web + "/OfferRewards/activity/1/?type=AddOffer", 32},
      {web + "/offerrewards/activity/1/?type=addoffer", 32},
      {web + "/OfferRewards/activity/1/?type=AddOffer&from=banner", 0},
      {web + "/OfferRewards/activity/1", 31},
      {web + "/PaymentsFragment/fragment/0/?type=c&paymentModeId=4", 39},
      {web + "/PaymentsFragment/fragment/0/?type=i&paymentModeId=4", 40},
      {web + "/ProfileFragment/fragment/4/AcceptPayments/activity?type=gstin_invoice", 70},
      // action texts
      {"paper roll tid", 67},
      {"Paper Roll tid", 67},
      {"FIRS TID", 69},
      {"GSTIN Invoice tid", 71},
      {"Paper Roll tid ", 0},
      {web + "/Paper Roll tid", 0},
      // dynamic links
      {dynamic + "/paymentpage", 1},
      {dynamic + "/PAYMENTPAGE", 1},
      {dynamic + "/BizviewDashboard", 5},
      {dynamic + "/txnsummary", 12},
      {dynamic + "/generatereporttransaction", 15},
      {dynamic + "/profilepersonal", 30},
      {"velbank://velbank.test.link/paymentpage", 0},  // dynamic paths have no custom-scheme form
      {web + "/paymentpage", 0},
      {dynamic + "/PaymentsFragment/fragment/0", 0},
      {dynamic + "/StaticBharatQr", 0},
      // other hosts and schemes
      {"https://other.example/PaymentsFragment/fragment/0", 0},
      {"http://m.velbank.test/PaymentsFragment/fragment/0", 0},
      {"m.velbank.test/PaymentsFragment/fragment/0", 0},
      {"", 0},
  };
  for (const auto& c : cases) EXPECT_EQ(DeepLinkHelper::deepLinkValue(c.link), c.value) << c.link;
}

TEST_F(DeepLinkHelperTest, RoutesPrefixLinksAnywhereInTheTextCaseAsWritten) {
  const std::string help = "/ProfileFragment/fragment/4/HelpAndSupport/activity/1?redirectionURL=";
  const Case cases[] = {
      {scheme + help + "https://help.example/faq?id=3", 76},
      {web + help, 76},
      {scheme + "/ProfileFragment/fragment/4/helpAndSupport/activity/1?redirectionURL=https://help.example", 0},
      {web + "/ProfileFragment/fragment/4/ExploreNow/activity/1?redirectionURL=https://shop.example", 77},
      {web + "/AMPJourney/activity/1?fromBanner=home", 60},
      {web + "/ampjourney/activity/1?frombanner=", 0},  // no exact form to fall back on
      {web + "/ThreeSixtyViewFragment/fragment/0/TrindlifyOnboardingCheck/activity?terminalID=T1", 52},
      {scheme + "/ThreeSixtyViewFragment/fragment/0/TrindlifyOnboarding/activity?terminalID=T1", 53},
      {web + "/ThreeSixtyViewFragment/fragment/0/TrindlifyOnboarding/activity", 0},
      // embedded behind another address, the prefix still counts
      {"https://other.example/?next=" + web + "/AMPJourney/activity/1?fromBanner=x", 60},
      {"HTTPS://M.VELBANK.TEST/AMPJourney/activity/1?fromBanner=x", 0},
  };
  for (const auto& c : cases) EXPECT_EQ(DeepLinkHelper::deepLinkValue(c.link), c.value) << c.link;
}

TEST_F(DeepLinkHelperTest, RecordsEveryLinkMatchedOrNot) {
  const std::string link = web + "/AMPJourney/activity/1?fromBanner=home";
  EXPECT_EQ(DeepLinkHelper::deepLinkValue(link), 60);
  EXPECT_EQ(defaults().string("deepLinkURL"), link);
  EXPECT_EQ(DeepLinkHelper::deepLinkValue("https://other.example/x"), 0);
  EXPECT_EQ(defaults().string("deepLinkURL"), "https://other.example/x");
  EXPECT_EQ(DeepLinkHelper::deepLinkValue(""), 0);
  EXPECT_EQ(defaults().string("deepLinkURL"), "");
}

TEST_F(DeepLinkHelperTest, WithoutDefaultsStillRoutes) {
  platform::Platform::current().userDefaults = nullptr;
  EXPECT_EQ(DeepLinkHelper::deepLinkValue(web + "/PaymentsFragment/fragment/0"), 1);
}

TEST_F(DeepLinkHelperTest, RoutesOnTheConfiguredDomains) {
  const std::string path = "/TransactionFragment/fragment/2";
  EXPECT_EQ(DeepLinkHelper::deepLinkValue(web + path), 12);

  DeepLinkConfiguration bank;
  bank.linkHost = "Links.Bank.Test";  // a host written in capitals still matches exact links in any case
  bank.dynamicLinkHost = "go.bank.test";
  EXPECT_EQ(DeepLinkHelper::deepLinkValue("https://links.bank.test" + path, bank), 12);
  EXPECT_EQ(DeepLinkHelper::deepLinkValue("https://go.bank.test/txnsummary", bank), 12);
  EXPECT_EQ(DeepLinkHelper::deepLinkValue(web + path, bank), 0);
  EXPECT_EQ(DeepLinkHelper::deepLinkValue(web + path), 12);  // the explicit one did not replace the shared one

  KassioManager::setDeepLinkConfiguration(bank);
  EXPECT_EQ(DeepLinkHelper::deepLinkValue(web + path), 0);
  EXPECT_EQ(DeepLinkHelper::deepLinkValue("velbank://links.bank.test" + path), 12);
}

TEST(DeepLinkConfigurationTest, PlaceholdersAreExampleDomains) {
  const DeepLinkConfiguration placeholder;
  EXPECT_TRUE(placeholder.linkHost.ends_with(".example"));
  EXPECT_TRUE(placeholder.dynamicLinkHost.ends_with(".example"));
  EXPECT_TRUE(placeholder.onboardingLink.ends_with("/TrindlifyOnboarding/activity"));
  EXPECT_TRUE(placeholder.onboardingCheckLink.ends_with("/TrindlifyOnboardingCheck/activity"));
  EXPECT_TRUE(placeholder.isOnboardingLink(placeholder.onboardingCheckLink));
  EXPECT_FALSE(placeholder.isOnboardingLink(placeholder.onboardingLink + "?terminalID=T1"));
}

}  // namespace
}  // namespace kassio
