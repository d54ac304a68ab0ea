#include "kassio/banners/DeepLinkHelper.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <string>
#include <utility>

#include "kassio/entry/KassioManager.h"
#include "kassio/platform/foundation/Platform.h"
#include "kassio/platform/foundation/UserDefaults.h"
#include "kassio/platform/text/UnicodeText.h"

namespace kassio {

namespace {

enum class Forms {
  webAndScheme,  // "https://" or "velbank://", the link host and the path: the whole text, any case
  schemeOnly,    // "velbank://" only
  contained,     // web or custom-scheme form anywhere in the text, case as written
  actionText,    // the whole text is the action text, any case
};

struct Route {
  int value;
  Forms forms;
  std::string_view path;         // or the action text
  std::string_view dynamicPath;  // after the dynamic-link host; empty when the route has none
};

// The host's routes, by value. Paths and action texts are ASCII.
constexpr std::array routes = std::to_array<Route>({
    {1, Forms::webAndScheme, "/PaymentsFragment/fragment/0", "/paymentpage"},
    {2, Forms::webAndScheme, "/PaymentsFragment/fragment/0/StaticBharatQrActivity/activity", ""},
    {3, Forms::webAndScheme, "/PaymentsFragment/fragment/0/TransactionsViewMoreActivity/activity", "/txnviewmore"},
    {4, Forms::webAndScheme, "/PaymentsFragment/fragment/0/PayLaterCustomersActivity/activity", "/plcustomers"},
    {5, Forms::webAndScheme, "/ThreeSixtyViewFragment/fragment/1", "/BizviewDashboard"},
    {6, Forms::webAndScheme, "/ThreeSixtyViewFragment/fragment/1/SalesCounterList/activity", ""},
    {7, Forms::webAndScheme, "/MyTrindleFragment/fragment/4", "/mytrindledashboard"},
    {8, Forms::webAndScheme, "/ThreeSixtyViewFragment/fragment/1/Activity_CustomerCardList/activity", ""},
    {9, Forms::webAndScheme, "/ThreeSixtyViewFragment/fragment/1/ActivityLineGraphList/activity", ""},
    {10, Forms::webAndScheme, "/ThreeSixtyViewFragment/fragment/1/Activity_AllStoresFeedback/activity", ""},
    {11, Forms::webAndScheme, "/ThreeSixtyViewFragment/fragment/1/PayLaterStoreListActivity/activity", ""},
    {12, Forms::webAndScheme, "/TransactionFragment/fragment/2", "/txnsummary"},
    {13, Forms::webAndScheme, "/CreditFragment/fragment/3", ""},
    {14, Forms::webAndScheme, "/ReportsFragment/fragment/4", "/report"},
    {15, Forms::webAndScheme, "/ReportsFragment/fragment/4/GenerateReportActivity/activity", "/generatereporttransaction"},
    {17, Forms::webAndScheme, "/MyTrindleFragment/fragment/4/ActivityApplyForFD/activity", "/applyfd"},
    {18, Forms::webAndScheme, "/MyTrindleFragment/fragment/4/MyTrindleBankingLoans/activity", "/LoanApply"},
    {19, Forms::webAndScheme, "/MyTrindleFragment/fragment/4/ActivityRegisterV2P/activity", "/register-v2p"},
    {20, Forms::webAndScheme, "/MyTrindleFragment/fragment/4/ActivityApplyForCC/activity", "/CreditcardApply"},
    {21, Forms::webAndScheme, "/ProfileFragment/fragment/4/UPIFlexiSettlementActivity/activity", ""},
    {22, Forms::webAndScheme, "/ProfileFragment/fragment/4/UserAccessActivity/activity", "/useraccess"},
    {23, Forms::webAndScheme, "/ProfileFragment/fragment/4/LeaderBoardActivity/activity", "/leaderboard"},
    {24, Forms::webAndScheme, "/ProfileFragment/fragment/4/BadgesActivity/activity", "/badges"},
    {25, Forms::webAndScheme, "/ProfileFragment/fragment/4/FAQActivity/activity", "/faq"},
    {26, Forms::webAndScheme, "/ProfileFragment/fragment/4/SettingsActivity/activity", "/settings"},
    {27, Forms::webAndScheme, "/ProfileFragment/fragment/4/StoreListActivity/activity", "/StoreList"},
    {28, Forms::webAndScheme, "/ProfileFragment/fragment/4/AccountActivity/activity", "/account"},
    {29, Forms::webAndScheme, "/ProfileFragment/fragment/4/MyOrderActivity/activity", "/myorder"},
    {30, Forms::webAndScheme, "/ProfileFragment/fragment/4/Profile_PersonalActivity/activity", "/profilepersonal"},
    {31, Forms::webAndScheme, "/OfferRewards/activity/1", ""},
    {32, Forms::webAndScheme, "/OfferRewards/activity/1/?type=AddOffer", ""},
    {33, Forms::webAndScheme, "/OfferRewards/activity/1/?type=OfferHistory", ""},
    {34, Forms::webAndScheme, "/MacDashBoard/activity/1/?type=CreateCampaign", ""},
    {35, Forms::webAndScheme, "/MacDashBoard/activity/1/?type=OfferHistoryMac", ""},
    {36, Forms::webAndScheme, "/MacDashBoard/activity/1/?type=OfferDraftMac", ""},
    {37, Forms::webAndScheme, "/ReportsFragment/fragment/4/GenerateReportActivity/activity/?type=Transaction", ""},
    {38, Forms::webAndScheme, "/ReportsFragment/fragment/4/GenerateReportActivity/activity/?type=Settlement", ""},
    {39, Forms::webAndScheme, "/PaymentsFragment/fragment/0/?type=c&paymentModeId=4", ""},
    {40, Forms::webAndScheme, "/PaymentsFragment/fragment/0/?type=i&paymentModeId=4", ""},
    {43, Forms::webAndScheme, "/StoresFeedback/activity/4", ""},
    {44, Forms::webAndScheme, "/PaymentsFragment/fragment/0/?type=c&paymentModeId=2", ""},
    {45, Forms::webAndScheme, "/ProfileFragment/fragment/4/CampaignActivityRewardsAndBadges/activity?type=active", ""},
    {45, Forms::webAndScheme, "/ProfileFragment/fragment/4/CampaignActivity/activity?type=previous", ""},
    {46, Forms::webAndScheme, "/PaymentsFragment/fragment/0/?type=c&paymentModeId=7", ""},
    {47, Forms::webAndScheme, "/ProfileFragment/fragment/4", ""},
    {48, Forms::schemeOnly, "/InAppReview/activity/0", ""},
    {48, Forms::webAndScheme, "/InAppReview/activity/4", ""},
    {49, Forms::webAndScheme, "/ProfileFragment/fragment/4/CampaignActivity/activity?type=active", ""},
    {50, Forms::webAndScheme, "/ServicePopUp/fragment/4", ""},
    {51, Forms::webAndScheme, "/PaymentsFragment/fragment/0/?type=c&paymentModeId=3", ""},
    {52, Forms::contained, "/ThreeSixtyViewFragment/fragment/0/TrindlifyOnboardingCheck/activity?terminalID=", ""},
    {53, Forms::contained, "/ThreeSixtyViewFragment/fragment/0/TrindlifyOnboarding/activity?terminalID=", ""},
    {54, Forms::webAndScheme, "/ProfileFragment/fragment/4/UPIFlexiSettlementTIDListing/activity", ""},
    {55, Forms::webAndScheme, "/ProfileFragment/fragment/4/SmsToggleDashboard/activity", ""},
    {56, Forms::webAndScheme, "/ProfileFragment/fragment/4/AcceptPayments/activity", ""},
    {57, Forms::webAndScheme, "/ProfileFragment/fragment/4/SoundBoxDashboard/activity", ""},
    {58, Forms::webAndScheme, "/ApplySoundBox/activity/1", ""},
    {59, Forms::webAndScheme, "/ApplyPos/activity/1", ""},
    {60, Forms::contained, "/AMPJourney/activity/1?fromBanner=", ""},
    {61, Forms::webAndScheme, "/ThreeSixtyViewFragment/fragment/0/FilterActivity/activity", ""},
    {62, Forms::webAndScheme, "/ProfileFragment/fragment/4/HelpAndSupport/activity", ""},
    {63, Forms::webAndScheme, "/ProfileFragment/fragment/4/ExploreNow/activity", ""},
    {64, Forms::webAndScheme, "/ProfileFragment/fragment/4/AddStaffCta/activity", ""},
    {65, Forms::webAndScheme, "/ProfileFragment/fragment/4/ManageQR/activity", ""},
    {66, Forms::webAndScheme, "/ProfileFragment/fragment/4/AcceptPayments/activity?type=paper_roll", ""},
    {67, Forms::actionText, "Paper Roll tid", ""},
    {68, Forms::webAndScheme, "/ProfileFragment/fragment/4/AcceptPayments/activity?type=firs", ""},
    {69, Forms::actionText, "FIRS tid", ""},
    {70, Forms::webAndScheme, "/ProfileFragment/fragment/4/AcceptPayments/activity?type=gstin_invoice", ""},
    {71, Forms::actionText, "GSTIN Invoice tid", ""},
    {72, Forms::webAndScheme, "/ProfileFragment/fragment/4/ChangeMpin/activity", ""},
    {73, Forms::webAndScheme, "/ProfileFragment/fragment/4/ChangeLanguage/activity", ""},
    {74, Forms::webAndScheme, "/ProfileFragment/fragment/4/ActivateInstantQrFromService/activity", ""},
    {75, Forms::webAndScheme, "/ThreeSixtyViewFragment/fragment/1/OpenAppStore/activity", ""},
    {76, Forms::contained, "/ProfileFragment/fragment/4/HelpAndSupport/activity/1?redirectionURL=", ""},
    {77, Forms::contained, "/ProfileFragment/fragment/4/ExploreNow/activity/1?redirectionURL=", ""},
});

constexpr std::string_view webScheme = "https://";
constexpr std::string_view customScheme = "velbank://";

char asciiLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

// `lowerText` (already lower-cased) equals `lowerStart` followed by the lower-cased ASCII `tail`.
bool equalsLowered(std::string_view lowerText, std::string_view lowerStart, std::string_view tail) {
  return lowerText.size() == lowerStart.size() + tail.size() && lowerText.starts_with(lowerStart) &&
         std::equal(tail.begin(), tail.end(), lowerText.begin() + static_cast<std::ptrdiff_t>(lowerStart.size()),
                    [](char fromTail, char fromText) { return asciiLower(fromTail) == fromText; });
}

bool contains(std::string_view text, std::string_view start, std::string_view host, std::string_view path) {
  std::string form;
  form.reserve(start.size() + host.size() + path.size());
  form.append(start).append(host).append(path);
  return text.find(form) != std::string_view::npos;
}

void recordLink(std::string_view text) {
  if (auto* defaults = platform::Platform::current().userDefaults.get()) {
    defaults->set(std::string(DeepLinkHelper::deepLinkURLKey), std::string(text));
  }
}

}  // namespace

int DeepLinkHelper::deepLinkValue(std::string_view forText) {
  return deepLinkValue(forText, KassioManager::deepLinkConfiguration());
}

int DeepLinkHelper::deepLinkValue(std::string_view text, const DeepLinkConfiguration& configuration) {
  recordLink(text);

  // Prefix routes carry a query value after their path, so they are found inside the text.
  for (const Route& route : routes) {
    if (route.forms != Forms::contained) continue;
    if (contains(text, webScheme, configuration.linkHost, route.path) ||
        contains(text, customScheme, configuration.linkHost, route.path)) {
      return route.value;
    }
  }

  const std::string lowerText = platform::lowercased(text);
  const std::string lowerHost = platform::lowercased(configuration.linkHost);
  const std::string web = std::string(webScheme) + lowerHost;
  const std::string custom = std::string(customScheme) + lowerHost;
  const std::string dynamic = std::string(webScheme) + platform::lowercased(configuration.dynamicLinkHost);
  for (const Route& route : routes) {
    bool matches = false;
    switch (route.forms) {
      case Forms::contained: continue;
      case Forms::actionText: matches = equalsLowered(lowerText, {}, route.path); break;
      case Forms::schemeOnly: matches = equalsLowered(lowerText, custom, route.path); break;
      case Forms::webAndScheme:
        matches = equalsLowered(lowerText, custom, route.path) || equalsLowered(lowerText, web, route.path);
        break;
    }
    if (!matches && !route.dynamicPath.empty()) matches = equalsLowered(lowerText, dynamic, route.dynamicPath);
    if (matches) return route.value;
  }
  return 0;
}

}  // namespace kassio
