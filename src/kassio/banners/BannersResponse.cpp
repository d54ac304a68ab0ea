#include "kassio/banners/BannersResponse.h"

#include <algorithm>
#include <utility>

#include "kassio/banners/AppLocation.h"
#include "kassio/platform/text/UnicodeText.h"

namespace kassio {

std::vector<BannerList> BannersResponse::paymentsDashboardSections() const {
  std::vector<BannerList> sections;
  if (!bannerList) return sections;
  const auto place = rawValue(AppLocation::paymentsDashboardBanner);
  // Titles compare by canonical equivalence, then code point: each sorts by its normal form.
  std::vector<std::pair<std::string, const BannerList*>> keyed;
  for (const auto& section : *bannerList) {
    if (section.appLocation == place) keyed.emplace_back(platform::canonical(section.sectionTitle.value_or("")), &section);
  }
  std::stable_sort(keyed.begin(), keyed.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
  sections.reserve(keyed.size());
  for (const auto& [title, section] : keyed) sections.push_back(*section);
  return sections;
}

}  // namespace kassio
