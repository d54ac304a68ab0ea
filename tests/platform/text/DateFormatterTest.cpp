#include "kassio/platform/text/DateFormatter.h"

#include <gtest/gtest.h>

#include "kassio/platform/foundation/Platform.h"

namespace kassio::platform {
namespace {

// 2024-03-05 14:07:00 UTC, 19:37 in India.
constexpr Date instant{1709647620};

TEST(DateFormatter, WritesTheInstantInTheGivenLocaleAndTimeZone) {
  struct Case {
    const char* pattern;
    const char* locale;
    const char* timeZone;
    const char* expected;
  };
  const Case cases[] = {
      {"yyyyMMdd'T'HHmmss", "en_US_POSIX", "UTC", "20240305T140700"},
      {"yyyyMMdd'T'HHmmss", "en_US_POSIX", "Asia/Kolkata", "20240305T193700"},
      {"yyyyMMdd'T'HHmmss", "en_US_POSIX", "America/New_York", "20240305T090700"},
      {"yyyy-MM-dd", "en_US_POSIX", "Pacific/Kiritimati", "2024-03-06"},  // UTC+14: next day
      {"dd MMM yyyy, hh:mm a", "en_US_POSIX", "Asia/Kolkata", "05 Mar 2024, 07:37 PM"},
      {"dd MMM yyyy, hh:mm a", "en_IN", "Asia/Kolkata", "05 Mar 2024, 07:37 pm"},
      {"dd MMMM yyyy", "en", "Asia/Kolkata", "05 March 2024"},
      {"dd MMMM yyyy", "hi", "Asia/Kolkata", "05 मार्च 2024"},
      {"hh:mm a", "en-IN", "UTC", "02:07 pm"},  // BCP 47 spelling of the locale
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.pattern) + " " + c.locale + " " + c.timeZone);
    EXPECT_EQ(DateFormatter(c.pattern, c.locale, c.timeZone).string(instant), c.expected);
  }
}

TEST(DateFormatter, FollowsDaylightSavingTime) {
  const DateFormatter newYork("yyyy-MM-dd HH:mm zzz", "en_US_POSIX", "America/New_York");
  EXPECT_EQ(newYork.string(Date{1704110400}), "2024-01-01 07:00 EST");  // 12:00 UTC
  EXPECT_EQ(newYork.string(Date{1719835200}), "2024-07-01 08:00 EDT");  // 12:00 UTC
}

TEST(DateFormatter, ReadsBackWhatItWrites) {
  struct Case {
    const char* pattern;
    const char* locale;
    const char* timeZone;
  };
  const Case cases[] = {
      {"yyyyMMdd'T'HHmmss", "en_US_POSIX", "Asia/Kolkata"},
      {"yyyy-MM-dd HH:mm:ss", "en_US_POSIX", "UTC"},
      {"dd-MM-yyyy HH:mm:ss", "en_IN", "America/New_York"},
      {"dd MMM yyyy, hh:mm:ss a", "en_IN", "Asia/Kolkata"},
      {"dd MMMM yyyy HH:mm:ss", "hi", "Asia/Kolkata"},
  };
  const Date dates[] = {instant, Date{0}, Date{1719835199}, Date{4102444799}};
  for (const auto& c : cases) {
    const DateFormatter formatter(c.pattern, c.locale, c.timeZone);
    for (const Date date : dates) {
      const std::string text = formatter.string(date);
      SCOPED_TRACE(std::string(c.pattern) + " " + c.locale + ": " + text);
      EXPECT_EQ(formatter.date(text), date);
    }
  }
}

TEST(DateFormatter, ReadsTheTextInItsTimeZone) {
  EXPECT_EQ(DateFormatter("yyyy-MM-dd HH:mm:ss", "en_US_POSIX", "Asia/Kolkata")
                .date("2024-03-05 19:37:00"),
            instant);
  EXPECT_EQ(DateFormatter("yyyy-MM-dd HH:mm:ss", "en_US_POSIX", "UTC").date("2024-03-05 14:07:00"),
            instant);
}

TEST(DateFormatter, RefusesTextThePatternDoesNotFit) {
  const DateFormatter formatter("yyyy-MM-dd HH:mm:ss", "en_US_POSIX", "UTC");
  for (const char* text : {
           "",
           "05-03-2024 14:07:00",   // another pattern
           "2024-03-05",            // too short
           "2024-03-05 14:07:00Z",  // text left over
           "2024-03-05T14:07:00",   // wrong literal
           "2024-02-30 10:00:00",   // no such day
           "2024-13-01 10:00:00",   // no such month
           "2024-03-05 25:00:00",   // no such hour
           "2024-3-5 14:07:00",     // fields too short
       }) {
    EXPECT_EQ(formatter.date(text), std::nullopt) << text;
  }
}

TEST(DateFormatter, DefaultsToTheDeviceTimeZone) {
  Platform& platform = Platform::current();
  const std::string saved = platform.timeZone;
  platform.timeZone = "America/New_York";
  const DateFormatter formatter("HH:mm", "en_US_POSIX");
  platform.timeZone = saved;
  EXPECT_EQ(formatter.timeZone(), "America/New_York");
  EXPECT_EQ(formatter.string(instant), "09:07");
}

TEST(DateFormatter, SwitchesPatternAndCopiesIndependently) {
  DateFormatter formatter("dd-MM-yyyy HH:mm:ss", "en_IN", "Asia/Kolkata");
  const auto read = formatter.date("05-03-2024 19:37:00");
  ASSERT_TRUE(read);

  DateFormatter copy = formatter;
  formatter.setPattern("hh:mm a");
  EXPECT_EQ(formatter.pattern(), "hh:mm a");
  EXPECT_EQ(formatter.string(*read), "07:37 pm");
  EXPECT_EQ(copy.string(*read), "05-03-2024 19:37:00");
}

TEST(DateFormatter, FormattersSharingAPatternKeepTheirOwnLocaleAndZone) {
  // Made in turn, so a formatter built for one locale or zone would show in the next.
  struct Case {
    const char* locale;
    const char* timeZone;
    const char* expected;
  };
  const Case cases[] = {
      {"en_US_POSIX", "Asia/Kolkata", "Mar 5, 19:37"},
      {"en_US_POSIX", "UTC", "Mar 5, 14:07"},
      {"fr_FR", "UTC", "mars 5, 14:07"},
      {"en_US_POSIX", "Asia/Kolkata", "Mar 5, 19:37"},
  };
  for (int round = 0; round < 2; ++round) {
    for (const auto& c : cases) {
      EXPECT_EQ(DateFormatter("MMM d, HH:mm", c.locale, c.timeZone).string(instant), c.expected) << c.locale << " " << c.timeZone;
    }
  }

  // A change of the device's zone reaches formatters made after it.
  Platform& platform = Platform::current();
  const std::string saved = platform.timeZone;
  platform.timeZone = "UTC";
  const DateFormatter inUtc("HH:mm", "en_US_POSIX");
  platform.timeZone = "Asia/Kolkata";
  const DateFormatter inKolkata("HH:mm", "en_US_POSIX");
  platform.timeZone = saved;
  EXPECT_EQ(inUtc.string(instant), "14:07");
  EXPECT_EQ(inKolkata.string(instant), "19:37");
}

}  // namespace
}  // namespace kassio::platform
