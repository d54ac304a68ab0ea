#include "kassio/platform/text/NumberFormatter.h"

#include <gtest/gtest.h>

namespace kassio::platform {
namespace {

constexpr NumberFormatOptions twoDecimals{.minimumFractionDigits = 2, .maximumFractionDigits = 2};

TEST(NumberFormatter, GroupsTheWayTheLocaleDoes) {
  struct Case {
    const char* locale;
    double value;
    const char* expected;
  };
  const Case cases[] = {
      {"en_IN", 999, "999.00"},
      {"en_IN", 1000, "1,000.00"},
      {"en_IN", 123456, "1,23,456.00"},
      {"en_IN", 12345678.5, "1,23,45,678.50"},
      {"en_IN", -1234.5, "-1,234.50"},
      {"en_US", 123456, "123,456.00"},
      {"en_US", 12345678.5, "12,345,678.50"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(NumberFormatter(c.locale, twoDecimals).string(c.value), c.expected)
        << c.locale << " " << c.value;
  }
}

TEST(NumberFormatter, GroupingCanBeTurnedOff) {
  NumberFormatOptions options = twoDecimals;
  options.grouping = false;
  EXPECT_EQ(NumberFormatter("en_IN", options).string(12345678.5), "12345678.50");
}

TEST(NumberFormatter, FractionDigitsStayWithinBounds) {
  const NumberFormatter standard("en_US");  // 0 to 3 fraction digits
  EXPECT_EQ(standard.string(5), "5");
  EXPECT_EQ(standard.string(1234.5678), "1,234.568");
  EXPECT_EQ(standard.string(0.1), "0.1");

  const NumberFormatter whole("en_US", {.maximumFractionDigits = 0});
  EXPECT_EQ(whole.string(2.5), "2");
  EXPECT_EQ(whole.string(3.5), "4");
}

TEST(NumberFormatter, RoundsTiesAsConfigured) {
  struct Case {
    double value;
    const char* halfEven;
    const char* halfUp;
  };
  const Case cases[] = {
      {0.125, "0.12", "0.13"},
      {0.135, "0.14", "0.14"},
      {2.675, "2.68", "2.68"},  // a tie in decimal, though not quite in binary
      {-0.125, "-0.12", "-0.13"},
      {1.004, "1.00", "1.00"},
  };
  NumberFormatOptions halfUp = twoDecimals;
  halfUp.rounding = NumberRounding::halfUp;
  for (const auto& c : cases) {
    EXPECT_EQ(NumberFormatter("en_US", twoDecimals).string(c.value), c.halfEven) << c.value;
    EXPECT_EQ(NumberFormatter("en_US", halfUp).string(c.value), c.halfUp) << c.value;
  }
}

}  // namespace
}  // namespace kassio::platform
