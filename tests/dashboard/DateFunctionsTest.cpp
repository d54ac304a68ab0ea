#include <gtest/gtest.h>

#include "host/VirtualHost.h"
#include "kassio/dashboard/DateFunctions.h"
#include "kassio/platform/text/DateFormatter.h"
#include "kassio/platform/text/Localization.h"

namespace kassio {
namespace {

using platform::Date;
using platform::Platform;

// The device in Kolkata, its clock at 2026-12-11 10:30:00 there, the module in English.
class DateFunctions : public ::testing::Test {
 protected:
  host::VirtualHost device{{.now = Date{1796965200}, .timeZone = "Asia/Kolkata", .language = "en"}};

  static Date local(const std::string& text) {
    const auto date = platform::DateFormatter("yyyy-MM-dd HH:mm:ss", "en_US_POSIX").date(text);
    EXPECT_TRUE(date) << text;
    return date.value_or(Date{});
  }
  static std::string local(Date date) {
    return platform::DateFormatter("yyyy-MM-dd HH:mm:ss", "en_US_POSIX").string(date);
  }
};

TEST_F(DateFunctions, StringWithFormatWritesInTheDeviceZone) {
  EXPECT_EQ(stringWithFormat(currentDate(), "yyyy-MM-dd"), "2026-12-11");
  EXPECT_EQ(stringWithFormat(local("2024-03-05 14:07:00"), "dd MMM yyyy, hh:mm a"), "05 Mar 2024, 02:07 PM");
  EXPECT_EQ(stringWithFormat(Date{0}, "yyyy-MM-dd HH:mm"), "1970-01-01 05:30");
}

TEST_F(DateFunctions, StartOfQuarterIsTheStartOfThePreviousQuarter) {
  const std::pair<const char*, const char*> cases[] = {
      {"2024-04-01 00:00:00", "2024-01-01 00:00:00"}, {"2024-03-31 23:59:59", "2023-10-01 00:00:00"},
      {"2024-10-01 00:00:00", "2024-07-01 00:00:00"}, {"2024-05-17 13:45:10", "2024-01-01 00:00:00"},
      {"2024-02-10 08:00:00", "2023-10-01 00:00:00"}, {"2024-01-01 00:00:00", "2023-10-01 00:00:00"},
      {"2024-07-01 00:00:01", "2024-04-01 00:00:00"}, {"2024-12-31 23:59:59", "2024-07-01 00:00:00"},
  };
  for (const auto& [date, start] : cases) EXPECT_EQ(local(startOfQuarter(local(date))), start) << date;

  // The calendar is the device's: midnight of its own time zone (1 April 00:00 in Kolkata is
  // still March in UTC, so the first case above already depends on it).
  Platform::current().timeZone = "America/New_York";
  EXPECT_EQ(local(startOfQuarter(local("2024-05-17 13:45:10"))), "2024-01-01 00:00:00");
  EXPECT_EQ(startOfQuarter(local("2024-05-17 13:45:10")).secondsSince1970, 1704085200);  // 05:00 UTC
}

TEST_F(DateFunctions, ConvertDateFormatReadsOnlyTheBackendPattern) {
  EXPECT_EQ(convertDateFormat("2024-03-05 14:07:00"), "05 Mar 2024");
  EXPECT_EQ(convertDateFormat("05-03-2024 14:07:00"), std::nullopt);
  EXPECT_EQ(convertDateFormat("2024-02-30 10:00:00"), std::nullopt);
  EXPECT_EQ(convertDateFormat("2024-03-05"), std::nullopt);
  EXPECT_EQ(convertDateFormat(""), std::nullopt);
}

TEST_F(DateFunctions, ToDateStringTriesItsPatternsInOrder) {
  const std::tuple<const char*, const char*, const char*> cases[] = {
      {"05/03/2024", "dd/MM/yyyy", "05/03/2024"},             // the format itself
      {"2024-03-05 14:07:00", "dd MMM yyyy", "05 Mar 2024"},  // yyyy-MM-dd HH:mm:ss
      {"03-05-2024 14:07:00", "dd MMM yyyy", "05 Mar 2024"},  // MM-dd-yyyy HH:mm:ss
      {"2024-25-03 10:00:00", "yyyy-MM-dd", "2024-03-25"},    // yyyy-dd-MM HH:mm:ss
      {"2024-05-03 10:00:00", "dd/MM/yyyy", "03/05/2024"},    // both year-first patterns read it: month first wins
      {"yesterday", "dd/MM/yyyy HH:mm", "11/12/2026 10:30"},  // nothing reads it: now
  };
  for (const auto& [text, format, expected] : cases) EXPECT_EQ(toDateString(text, format), expected) << text;
}

TEST_F(DateFunctions, ReformatDateInTheLocalisedLanguage) {
  EXPECT_EQ(reformatDate("11-12-2026 14:05:09", "dd-MM-yyyy HH:mm:ss", "hh:mm a"), "02:05 PM");
  EXPECT_EQ(reformatDate("11-12-2026 14:05:09", "dd-MM-yyyy HH:mm:ss", "dd MMM yyyy"), "11 Dec 2026");
  EXPECT_EQ(reformatDate("2026-12-11 14:05", "dd-MM-yyyy HH:mm:ss", "HH:mm"), "10:30");  // unreadable: now

  Platform::current().localization = std::make_shared<platform::Localization>("hi");
  const Date time = local("2026-12-11 14:05:09");
  auto hindi = [&](const char* pattern) { return platform::DateFormatter(pattern, "hi").string(time); };
  EXPECT_EQ(reformatDate("11-12-2026 14:05:09", "dd-MM-yyyy HH:mm:ss", "hh:mm a"), hindi("hh:mm a"));
  // Abbreviated months are widened; the other month styles stay as they are.
  EXPECT_NE(hindi("MMM"), hindi("MMMM"));
  EXPECT_EQ(reformatDate("11-12-2026 14:05:09", "dd-MM-yyyy HH:mm:ss", "dd MMM yyyy"), hindi("dd MMMM yyyy"));
  EXPECT_EQ(reformatDate("11-12-2026 14:05:09", "dd-MM-yyyy HH:mm:ss", "dd MMMM yyyy"), hindi("dd MMMM yyyy"));
  EXPECT_EQ(reformatDate("11-12-2026 14:05:09", "dd-MM-yyyy HH:mm:ss", "MM/yy"), "12/26");
}

}  // namespace
}  // namespace kassio
