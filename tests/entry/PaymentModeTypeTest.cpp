#include "kassio/entry/PaymentModeType.h"

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <memory>

#include <gtest/gtest.h>

#include "kassio/entry/RawValue.h"
#include "kassio/entry/calendarFilterType.h"
#include "kassio/platform/foundation/Platform.h"
#include "kassio/platform/json/JsonValue.h"
#include "kassio/platform/text/Localization.h"

namespace kassio {
namespace {

TEST(PaymentModeType, RawValuesAreTheTagsOneToNine) {
  for (int raw = 1; raw <= 9; ++raw) {
    const auto mode = enumFromRaw<PaymentModeType>(raw);
    ASSERT_TRUE(mode) << raw;
    EXPECT_EQ(rawValue(*mode), raw);
    EXPECT_EQ(paymentModeTypeNamed(caseName(*mode)), mode);
  }
  EXPECT_EQ(enumFromRaw<PaymentModeType>(9), PaymentModeType::tapToPhone);
  EXPECT_EQ(enumFromRaw<PaymentModeType>(5), PaymentModeType::smsPay);
  for (int raw : {0, -1, 10, 100}) EXPECT_FALSE(enumFromRaw<PaymentModeType>(raw)) << raw;
  EXPECT_EQ(caseName(PaymentModeType::bharatQr), "bharatQr");
  EXPECT_FALSE(paymentModeTypeNamed("SMS Pay"));
}

TEST(PaymentModeType, TileLabels) {
  EXPECT_EQ(modeSelectionLabel(PaymentModeType::bharatQr), "Bharat QR");
  EXPECT_EQ(modeSelectionLabel(PaymentModeType::payLater), "Pay Later");
  EXPECT_FALSE(modeSelectionLabel(PaymentModeType::tapToPhone));
}

TEST(PaymentModeType, InfoStepsPerMode) {
  EXPECT_EQ(infoSteps(PaymentModeType::tapToPhone), infoSteps(PaymentModeType::card));
  const std::vector<InfoStep> placeholder{{"String", "String"}};
  EXPECT_EQ(infoSteps(PaymentModeType::emi), placeholder);
  EXPECT_EQ(infoSteps(PaymentModeType::emiPlans), placeholder);

  const struct {
    PaymentModeType mode;
    std::size_t count;
    const char* lastImage;
  } cases[] = {
      {PaymentModeType::card, 4, "cardInfo4"},    {PaymentModeType::bharatQr, 4, "BQR4"},
      {PaymentModeType::upiCollect, 4, "BHIMUPI2"}, {PaymentModeType::cash, 3, "Cash3"},
      {PaymentModeType::smsPay, 5, "SMSPAY5"},    {PaymentModeType::payLater, 4, "PAYLATER4"},
  };
  for (const auto& c : cases) {
    const auto steps = infoSteps(c.mode);
    ASSERT_EQ(steps.size(), c.count) << caseName(c.mode);
    EXPECT_EQ(steps.back().imageName, c.lastImage) << caseName(c.mode);
  }
  // Two blanks before "to", as the help text is written.
  EXPECT_NE(infoSteps(PaymentModeType::bharatQr)[1].text.find("\"Generate QR\"  to generate"), std::string::npos);
}

// Texts pass through the installed localisation when the list is built, except the one UPI
// collect page that is shown as written.
TEST(PaymentModeType, InfoStepsAreLocalisedWhenBuilt) {
  namespace fs = std::filesystem;
  const fs::path directory = fs::temp_directory_path() / ("kassio-steps-" + std::to_string(::getpid()));
  fs::create_directories(directory / "i18n");
  const std::string upiSecond = infoSteps(PaymentModeType::upiCollect)[1].text;
  platform::JsonValue table = platform::JsonValue::object();
  table["Collect cash from your customer and complete the transaction."] = "nakad";
  table[upiSecond] = "upi";
  std::ofstream(directory / "i18n" / "xx.json") << table.dump();

  auto& services = platform::Platform::current();
  const auto previous = services.localization;
  services.localization = std::make_shared<platform::Localization>(directory, "xx");
  const auto cash = infoSteps(PaymentModeType::cash);
  const auto upi = infoSteps(PaymentModeType::upiCollect);
  services.localization = previous;
  fs::remove_all(directory);

  EXPECT_EQ(cash[2].text, "nakad");
  EXPECT_EQ(cash[2].imageName, "Cash3");
  EXPECT_EQ(upi[1].text, upiSecond);
}

TEST(CalendarFilterType, RawValues) {
  EXPECT_EQ(rawValue(calendarFilterType::thismonth), "thismonth");
  EXPECT_EQ(rawValue(calendarFilterType::none), "");
  EXPECT_EQ(enumFromRaw<calendarFilterType>(std::string_view("")), calendarFilterType::none);
  EXPECT_EQ(enumFromRaw<calendarFilterType>(std::string_view("lastweek")), calendarFilterType::lastweek);
  EXPECT_FALSE(enumFromRaw<calendarFilterType>(std::string_view("Today")));
}

}  // namespace
}  // namespace kassio
