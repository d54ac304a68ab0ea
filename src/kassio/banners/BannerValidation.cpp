#include "kassio/banners/BannerValidation.h"

#include <algorithm>
#include <unordered_set>

#include "kassio/platform/foundation/Platform.h"
#include "kassio/platform/foundation/RunLoop.h"
#include "kassio/platform/text/DateFormatter.h"
#include "kassio/platform/text/UnicodeText.h"

namespace kassio {

namespace {

using Names = std::vector<std::string>;
const Names noNames;

bool contains(const Names& names, std::string_view name) {
  return std::find(names.begin(), names.end(), name) != names.end();
}

bool anyIn(const Names& names, const std::unordered_set<std::string_view>& pool) {
  return std::any_of(names.begin(), names.end(), [&](const std::string& name) { return pool.contains(name); });
}

bool passesSchedule(const BannerDatum& banner, const platform::DateFormatter& endDateFormat, platform::Date now) {
  if (!banner.endDate || !banner.platforms) return false;
  const auto endDate = endDateFormat.date(*banner.endDate);
  if (!endDate) return false;
  const bool live = *endDate >= now;
  const std::string platforms = platform::lowercased(*banner.platforms);
  return (live && platforms == "all") || platforms == "ios" || platforms.empty();
}

bool passesSegments(const BannerDatum& banner, const std::unordered_set<std::string_view>& selectedSegments,
                    std::size_t selectedTidCount) {
  const Names& segments = banner.segments.value_or(noNames);
  if (segments.empty()) return false;
  const bool matches = anyIn(segments, selectedSegments);
  if (selectedTidCount >= 2 && matches) return true;
  if (anyIn(banner.segmentsExcluded.value_or(noNames), selectedSegments)) return false;
  return matches;
}

bool passesRoles(const BannerDatum& banner, std::string_view appUserRole, std::string_view appUserAusRole) {
  const Names& roles = banner.roles.value_or(noNames);
  if (roles.empty()) return true;
  if (contains(roles, appUserRole) && appUserAusRole != "aus") return true;
  return contains(roles, "all") || contains(roles, appUserAusRole);
}

}  // namespace

std::vector<BannerDatum> checkBannerValidation(const std::vector<BannerDatum>& banners,
                                               const TidSegments& selectedTidSegments,
                                               std::string_view appUserRole, std::string_view appUserAusRole,
                                               platform::Date now) {
  // The feed writes local wall-clock times with a fixed pattern: read them with the POSIX locale
  // whatever the device's locale, calendar or clock setting.
  const platform::DateFormatter endDateFormat("yyy-MM-dd HH:mm:ss", "en_US_POSIX");
  std::unordered_set<std::string_view> selectedSegments;
  for (const auto& [tid, segments] : selectedTidSegments) selectedSegments.insert(segments.begin(), segments.end());

  std::vector<BannerDatum> passed;
  for (const auto& banner : banners) {
    if (passesSchedule(banner, endDateFormat, now) &&
        passesSegments(banner, selectedSegments, selectedTidSegments.size()) &&
        passesRoles(banner, appUserRole, appUserAusRole)) {
      passed.push_back(banner);
    }
  }
  return passed;
}

std::vector<BannerDatum> checkBannerValidation(const std::vector<BannerDatum>& banners,
                                               const TidSegments& selectedTidSegments,
                                               std::string_view appUserRole, std::string_view appUserAusRole) {
  return checkBannerValidation(banners, selectedTidSegments, appUserRole, appUserAusRole,
                               platform::Platform::current().runLoop->now());
}

}  // namespace kassio
