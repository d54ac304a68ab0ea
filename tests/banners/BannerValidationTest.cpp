#include "kassio/banners/BannerValidation.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "banners/BannerTestPlatform.h"

namespace kassio {
namespace {

using Names = std::vector<std::string>;

// A banner that passes for merchant "owner" on TID T1 with segment A; each case changes a part.
BannerDatum liveBanner() {
  BannerDatum banner;
  banner.bannerId = 1;
  banner.platforms = "all";
  banner.endDate = "2026-12-31 23:59:59";
  banner.segments = Names{"A"};
  return banner;
}

struct Case {
  const char* name;
  void (*change)(BannerDatum&);
  TidSegments selected;
  std::string role;
  std::string ausRole;
  bool passes;
};

const TidSegments oneTidA = {{"T1", {"A"}}};
const TidSegments twoTids = {{"T1", {"A"}}, {"T2", {"B"}}};

// End dates are local times in Asia/Kolkata, where it is now 2026-12-11 10:30:00.
const Case cases[] = {
    {"live banner", [](BannerDatum&) {}, oneTidA, "owner", "not found", true},
    // platform and end date
    {"ALL ended a minute ago", [](BannerDatum& b) { b.platforms = "ALL"; b.endDate = "2026-12-11 10:29:00"; },
     oneTidA, "owner", "not found", false},
    {"iOS ended a minute ago", [](BannerDatum& b) { b.platforms = "iOS"; b.endDate = "2026-12-11 10:29:00"; },
     oneTidA, "owner", "not found", true},
    {"all ending this second", [](BannerDatum& b) { b.endDate = "2026-12-11 10:30:00"; }, oneTidA, "owner",
     "not found", true},
    {"empty platforms long ended", [](BannerDatum& b) { b.platforms = ""; b.endDate = "2020-01-01 00:00:00"; },
     oneTidA, "owner", "not found", true},
    {"empty platforms without end date", [](BannerDatum& b) { b.platforms = ""; b.endDate.reset(); }, oneTidA,
     "owner", "not found", false},
    {"no platforms", [](BannerDatum& b) { b.platforms.reset(); }, oneTidA, "owner", "not found", false},
    {"android only", [](BannerDatum& b) { b.platforms = "android"; }, oneTidA, "owner", "not found", false},
    {"end date with a T", [](BannerDatum& b) { b.platforms = "ios"; b.endDate = "2024-05-01T10:00:00"; },
     oneTidA, "owner", "not found", false},
    {"end date with a blank", [](BannerDatum& b) { b.platforms = "ios"; b.endDate = "2024-05-01 10:00:00"; },
     oneTidA, "owner", "not found", true},
    {"30 February", [](BannerDatum& b) { b.platforms = "ios"; b.endDate = "2026-02-30 10:00:00"; }, oneTidA,
     "owner", "not found", false},
    {"end date not a date", [](BannerDatum& b) { b.platforms = "ios"; b.endDate = "soon"; }, oneTidA, "owner",
     "not found", false},
    {"end date without time", [](BannerDatum& b) { b.endDate = "2026-12-31"; }, oneTidA, "owner", "not found",
     false},
    // segments
    {"no segments", [](BannerDatum& b) { b.segments.reset(); }, oneTidA, "owner", "not found", false},
    {"empty segments", [](BannerDatum& b) { b.segments = Names{}; }, oneTidA, "owner", "not found", false},
    {"no TID selected", [](BannerDatum&) {}, {}, "owner", "not found", false},
    {"segment of no selected TID", [](BannerDatum& b) { b.segments = Names{"B"}; }, oneTidA, "owner",
     "not found", false},
    {"segment in other case", [](BannerDatum& b) { b.segments = Names{"a"}; }, oneTidA, "owner", "not found",
     false},
    {"one of several segments", [](BannerDatum& b) { b.segments = Names{"X", "A"}; }, oneTidA, "owner",
     "not found", true},
    {"excluded, one TID", [](BannerDatum& b) { b.segmentsExcluded = Names{"A"}; }, oneTidA, "owner",
     "not found", false},
    {"excluded, two TIDs", [](BannerDatum& b) { b.segmentsExcluded = Names{"A"}; }, twoTids, "owner",
     "not found", true},
    {"excluded by another segment of the TID", [](BannerDatum& b) { b.segmentsExcluded = Names{"B"}; },
     {{"T1", {"A", "B"}}}, "owner", "not found", false},
    {"no match, two TIDs", [](BannerDatum& b) { b.segments = Names{"C"}; }, twoTids, "owner", "not found",
     false},
    // roles
    {"owner role", [](BannerDatum& b) { b.roles = Names{"owner"}; }, oneTidA, "owner", "not found", true},
    {"owner role, signatory", [](BannerDatum& b) { b.roles = Names{"owner"}; }, oneTidA, "owner", "aus", false},
    {"owner or all, signatory", [](BannerDatum& b) { b.roles = Names{"owner", "all"}; }, oneTidA, "owner", "aus",
     true},
    {"owner or aus, signatory", [](BannerDatum& b) { b.roles = Names{"owner", "aus"}; }, oneTidA, "owner", "aus",
     true},
    {"other role", [](BannerDatum& b) { b.roles = Names{"manager1"}; }, oneTidA, "owner", "not found", false},
    {"role in other case", [](BannerDatum& b) { b.roles = Names{"Owner"}; }, oneTidA, "owner", "not found",
     false},
    {"empty roles", [](BannerDatum& b) { b.roles = Names{}; }, oneTidA, "cashier", "not found", true},
    {"all roles, no stored role", [](BannerDatum& b) { b.roles = Names{"all"}; }, oneTidA, "", "", true},
};

class BannerValidationTest : public BannerPlatformTest {};

TEST_F(BannerValidationTest, DecidesEachBannerByDatePlatformSegmentsAndRoles) {
  for (const Case& c : cases) {
    BannerDatum banner = liveBanner();
    c.change(banner);
    const auto passed = checkBannerValidation({banner}, c.selected, c.role, c.ausRole);
    EXPECT_EQ(passed.size(), c.passes ? 1u : 0u) << c.name;
  }
}

TEST_F(BannerValidationTest, KeepsInputOrderAndWholeBanners) {
  std::vector<BannerDatum> banners;
  for (std::int64_t id : {5, 3, 4, 1}) {
    BannerDatum banner = liveBanner();
    banner.bannerId = id;
    banner.priorityOrder = 10 - id;
    banner.bannerAppAction = R"({"deepLinkURL":"x"})";
    if (id == 4) banner.segments = Names{"Z"};
    banners.push_back(banner);
  }
  const auto passed = checkBannerValidation(banners, oneTidA, "owner", "not found");
  ASSERT_EQ(passed.size(), 3u);
  EXPECT_EQ(passed[0], banners[0]);
  EXPECT_EQ(passed[1], banners[1]);
  EXPECT_EQ(passed[2], banners[3]);
}

// The end date is a wall-clock time of the device's zone: the same text ends at another
// instant for a device in UTC.
TEST_F(BannerValidationTest, ReadsEndDateInDeviceTimeZone) {
  BannerDatum banner = liveBanner();
  banner.endDate = "2026-12-11 10:29:00";
  EXPECT_TRUE(checkBannerValidation({banner}, oneTidA, "owner", "not found").empty());
  platform::Platform::current().timeZone = "UTC";
  EXPECT_EQ(checkBannerValidation({banner}, oneTidA, "owner", "not found").size(), 1u);
}

TEST_F(BannerValidationTest, FollowsTheRunLoopClock) {
  BannerDatum banner = liveBanner();
  banner.endDate = "2026-12-11 10:31:00";
  auto& loop = static_cast<platform::VirtualRunLoop&>(*platform::Platform::current().runLoop);
  EXPECT_EQ(checkBannerValidation({banner}, oneTidA, "owner", "not found").size(), 1u);
  loop.advance(61);
  EXPECT_TRUE(checkBannerValidation({banner}, oneTidA, "owner", "not found").empty());
}

}  // namespace
}  // namespace kassio
