#pragma once

#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "kassio/banners/BannerDatum.h"
#include "kassio/platform/foundation/Date.h"

namespace kassio {

// A TID with the segment names of its merchant.
using TidSegments = std::map<std::string, std::vector<std::string>>;

// The banners of a section that this merchant may see now, in their input order.
//
// A banner needs an end date that reads as "yyy-MM-dd HH:mm:ss" in the device's time zone (read
// with the POSIX locale and the Gregorian calendar, so a device set to another calendar or to
// a 12-hour clock reads the feed's dates as they are written), a platforms text and at least
// one segment. Platforms "all" (any case) holds until the end date; "ios" (any case) and an
// empty text are not limited by it. Its segments must occur among the selected TIDs' segments;
// with a single selected TID, a match of segmentsExcluded drops it, with two or more it does
// not. Then roles: none listed passes; else the banner passes when the roles hold appUserRole
// and appUserAusRole is not "aus", or hold "all", or hold appUserAusRole. Segment and role
// names compare exactly.
std::vector<BannerDatum> checkBannerValidation(const std::vector<BannerDatum>& banners,
                                               const TidSegments& selectedTidSegments,
                                               std::string_view appUserRole, std::string_view appUserAusRole,
                                               platform::Date now);

// As above at the main run loop's current time.
std::vector<BannerDatum> checkBannerValidation(const std::vector<BannerDatum>& banners,
                                               const TidSegments& selectedTidSegments,
                                               std::string_view appUserRole, std::string_view appUserAusRole);

}  // namespace kassio
