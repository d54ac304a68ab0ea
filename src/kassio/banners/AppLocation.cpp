#include "kassio/banners/AppLocation.h"

#include <array>
#include <cstddef>

namespace kassio {

namespace {

struct Place {
  std::string_view caseName;
  std::string_view raw;
};

// In declaration order of AppLocation.
constexpr std::array<Place, 22> places = {{
    {"dashboardBanners", "dashboard-banner-v2"},
    {"dashboardBanners2", "dashboard-banners"},
    {"dashboardCc", "dashboard-cc-v2"},
    {"profileBanner", "profile-banner"},
    {"reportBanner", "reports-banner"},
    {"dashboardTrindle", "dashboard-trindle-v2"},
    {"trindleBanking", "trindle-banking-v2"},
    {"trindleVendorPayments", "trindle-vendor-payments-v2"},
    {"trindleVendorPaymentsv2", "trindle-vendor-paymentsv2"},
    {"zelvo", "trindle-zelvo-payments-v2"},
    {"dashbaordRewards", "dashbaord-rewards"},
    {"mtLoans", "mt_loans"},
    {"oarDashboardBanners", "oarDashboard-banners"},
    {"macDashboardBanners", "macDashboard-banners"},
    {"paymentsDashboardBanner", "paymentsDashboard-banner"},
    {"settelmentBanners", "settlement-banner"},
    {"topBanner", "bizview-top-banner"},
    {"trindlifyDashboardBanner", "trindlify-banner"},
    {"transactionDashboardBanner", "transaction_banner"},
    {"soundboxBanner", "soundbox-dashboard-top-banner"},
    {"bizGrowthLoans", "trindle-loans-v2"},
    {"bizGrwothInsurance", "trindle-insurance-v2"},
}};
static_assert(places.size() == static_cast<std::size_t>(AppLocation::bizGrwothInsurance) + 1);

const Place& place(AppLocation location) { return places[static_cast<std::size_t>(location)]; }

template <class Key>
std::optional<AppLocation> find(std::string_view text, Key key) {
  for (std::size_t i = 0; i < places.size(); ++i) {
    if (key(places[i]) == text) return static_cast<AppLocation>(i);
  }
  return std::nullopt;
}

}  // namespace

std::string_view rawValue(AppLocation location) { return place(location).raw; }

std::optional<AppLocation> fromRaw(std::string_view raw, AppLocation*) {
  return find(raw, [](const Place& p) { return p.raw; });
}

std::string_view caseName(AppLocation location) { return place(location).caseName; }

std::optional<AppLocation> appLocationNamed(std::string_view name) {
  return find(name, [](const Place& p) { return p.caseName; });
}

}  // namespace kassio
