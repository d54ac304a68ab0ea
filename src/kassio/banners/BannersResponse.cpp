#include "kassio/banners/BannersResponse.h"

#include <algorithm>
#include <iterator>

#include "kassio/banners/AppLocation.h"

namespace kassio {

std::vector<BannerList> BannersResponse::paymentsDashboardSections() const {
  std::vector<BannerList> sections;
  if (!bannerList) return sections;
  const auto place = rawValue(AppLocation::paymentsDashboardBanner);
  std::copy_if(bannerList->begin(), bannerList->end(), std::back_inserter(sections),
               [&](const BannerList& section) { return section.appLocation == place; });
  // Titles compare by code point (UTF-8 byte order is code-point order).
  std::stable_sort(sections.begin(), sections.end(), [](const BannerList& a, const BannerList& b) {
    return a.sectionTitle.value_or("") < b.sectionTitle.value_or("");
  });
  return sections;
}

}  // namespace kassio
