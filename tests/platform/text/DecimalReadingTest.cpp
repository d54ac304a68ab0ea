#include "kassio/platform/text/DecimalReading.h"

#include <cmath>
#include <limits>

#include <gtest/gtest.h>

namespace kassio::platform {
namespace {

TEST(DecimalReading, ReadsPlainDecimalText) {
  struct Case {
    const char* text;
    double value;
  };
  const Case cases[] = {
      {"0", 0},         {"42", 42},         {"007", 7},         {"+5", 5},
      {"-5", -5},       {"1.5", 1.5},       {"1.005", 1.005},   {"-0.5", -0.5},
      {".5", 0.5},      {"5.", 5},          {"-.5", -0.5},      {"1000000", 1000000},
      {"1000000.01", 1000000.01},           {"1e3", 1000},      {"1E3", 1000},
      {"1e+3", 1000},   {"1.5e-2", 0.015},  {".5e1", 5},        {"5.e1", 50},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(readDecimal(c.text), c.value) << c.text;
  }
}

TEST(DecimalReading, OutOfRangeMagnitudesSaturate) {
  EXPECT_EQ(readDecimal("1e999"), std::numeric_limits<double>::infinity());
  EXPECT_EQ(readDecimal("-1e999"), -std::numeric_limits<double>::infinity());
  EXPECT_EQ(readDecimal("1e-999"), 0.0);
}

TEST(DecimalReading, RefusesEverythingElse) {
  for (const char* text : {
           "",      "+",     "-",     ".",        "+.",      "e5",      "5e",       "5e+",
           "1e5.5", "1.2.3", "--5",   "+-5",      "5-",      "1,000",   "10,00,000", " 5",
           "5 ",    "5\n",   "$5",    "\u20B9" "5", "5$",    "inf",     "-inf",     "nan",
           "Infinity", "0x1A", "0x1p3", "1_000",  "five",    "\u0661\u0662",  // Arabic-Indic digits
           "\u0967",                                                          // Devanagari one
       }) {
    EXPECT_EQ(readDecimal(text), std::nullopt) << '"' << text << '"';
  }
}

TEST(DecimalReading, RefusesAnEmbeddedNul) {
  using namespace std::string_view_literals;
  EXPECT_EQ(readDecimal("5\0"
                        "1"sv),
            std::nullopt);
}

}  // namespace
}  // namespace kassio::platform
