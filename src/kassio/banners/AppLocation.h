#pragma once

#include <optional>
#include <string_view>

namespace kassio {

// The places of the host application where the banner feed can put banners; in JSON a place is
// its raw value. Several raw values are spelled as the feed spells them ("dashbaord-rewards"),
// and some case names do not follow their raw values (settelmentBanners is "settlement-banner").
enum class AppLocation {
  dashboardBanners,          // "dashboard-banner-v2"
  dashboardBanners2,         // "dashboard-banners"
  dashboardCc,               // "dashboard-cc-v2"
  profileBanner,             // "profile-banner"
  reportBanner,              // "reports-banner"
  dashboardTrindle,          // "dashboard-trindle-v2"
  trindleBanking,            // "trindle-banking-v2"
  trindleVendorPayments,     // "trindle-vendor-payments-v2"
  trindleVendorPaymentsv2,   // "trindle-vendor-paymentsv2"
  zelvo,                     // "trindle-zelvo-payments-v2"
  dashbaordRewards,          // "dashbaord-rewards"
  mtLoans,                   // "mt_loans"
  oarDashboardBanners,       // "oarDashboard-banners"
  macDashboardBanners,       // "macDashboard-banners"
  paymentsDashboardBanner,   // "paymentsDashboard-banner": the only place this module shows
  settelmentBanners,         // "settlement-banner"
  topBanner,                 // "bizview-top-banner"
  trindlifyDashboardBanner,  // "trindlify-banner"
  transactionDashboardBanner,  // "transaction_banner"
  soundboxBanner,            // "soundbox-dashboard-top-banner"
  bizGrowthLoans,            // "trindle-loans-v2"
  bizGrwothInsurance,        // "trindle-insurance-v2"
};

std::string_view rawValue(AppLocation location);
// Exact, case-sensitive: the feed's texts are compared as they are written.
std::optional<AppLocation> fromRaw(std::string_view raw, AppLocation*);

// The case's own name ("paymentsDashboardBanner"), as scripts write a place; and back.
std::string_view caseName(AppLocation location);
std::optional<AppLocation> appLocationNamed(std::string_view caseName);

}  // namespace kassio
