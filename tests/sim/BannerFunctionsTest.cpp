#include <gtest/gtest.h>

#include <string>

#include "banners/BannerTestPlatform.h"
#include "sim/FunctionCalls.h"

namespace kassio {
namespace {

using sim::FunctionCalls;

using platform::JsonValue;

JsonValue json(const char* text) { return *platform::parseJson(text); }

class BannerFunctionsTest : public BannerPlatformTest {
 protected:
  JsonValue call(std::string_view name, const JsonValue& args) {
    error.clear();
    const auto result = FunctionCalls::call(std::string(name), args, error);
    EXPECT_TRUE(result) << name << ": " << error;
    return result.value_or(JsonValue());
  }
  std::string failure(std::string_view name, const JsonValue& args) {
    error.clear();
    EXPECT_FALSE(FunctionCalls::call(std::string(name), args, error)) << name;
    return error;
  }

  std::string error;
};

TEST_F(BannerFunctionsTest, DeepLinkValueByEitherLabel) {
  EXPECT_EQ(call("deepLinkValue", json(R"({"value":"https://velbank.test.link/paymentpage"})")), 1);
  EXPECT_EQ(call("deepLinkValue", json(R"({"for":"FIRS tid"})")), 69);
  EXPECT_EQ(defaults().string("deepLinkURL"), "FIRS tid");
  EXPECT_EQ(failure("deepLinkValue", json("{}")), "argument value: expected a text");
  EXPECT_EQ(failure("deepLinkValue", json(R"({"value":3})")), "argument value: expected a text");
}

TEST_F(BannerFunctionsTest, CheckBannerValidationTakesAndGivesJson) {
  const JsonValue args = json(R"({
      "value":[{"bannerId":1,"platforms":"ios","endDate":"2020-01-01 00:00:00","segments":["A"],"roles":["owner"]},
               {"bannerId":2,"platforms":"all","endDate":"2020-01-01 00:00:00","segments":["A"]},
               {"bannerId":3,"platforms":"all","endDate":"2027-01-01 00:00:00","segments":["A"],"roles":["all"]}],
      "selectedTidSegments":{"T1":["A"]},"appUserRole":"owner","appUserAusRole":"not found"})");
  EXPECT_EQ(call("checkBannerValidation", args),
            json(R"([{"bannerId":1,"platforms":"ios","endDate":"2020-01-01 00:00:00","segments":["A"],)"
                 R"("roles":["owner"]},{"bannerId":3,"platforms":"all","endDate":"2027-01-01 00:00:00",)"
                 R"("segments":["A"],"roles":["all"]}])"));

  // absent roles are the empty text, an absent map has no TIDs; banners may come as text
  EXPECT_EQ(call("checkBannerValidation",
                 json(R"({"value":"[{\"platforms\":\"\",\"endDate\":\"2020-01-01 00:00:00\",\"segments\":[\"A\"]}]",)"
                      R"("selectedTidSegments":{"T1":["A"]}})"))
                .size(),
            1u);
  EXPECT_EQ(call("checkBannerValidation", json(R"({"value":[{"platforms":"","segments":["A"]}]})")), json("[]"));

  EXPECT_EQ(failure("checkBannerValidation", json(R"({"value":[{"bannerId":"1"}]})")),
            "argument value: expected a list of BannerDatum");
  EXPECT_EQ(failure("checkBannerValidation", json(R"({"value":[],"selectedTidSegments":{"T1":"A"}})")),
            "argument selectedTidSegments: expected an object of text lists");
  EXPECT_EQ(failure("checkBannerValidation", json(R"({"value":[],"appUserRole":1})")),
            "argument appUserRole: expected a text");
}

TEST_F(BannerFunctionsTest, PaymentsDashboardSections) {
  const JsonValue args = json(R"({"value":{"bannerList":[
      {"sectionTitle":"B","appLocation":"paymentsDashboard-banner"},
      {"sectionTitle":"A","appLocation":"profile-banner"},
      {"sectionTitle":"A","appLocation":"paymentsDashboard-banner","bannerData":[{"bannerId":9}]}]}})");
  EXPECT_EQ(call("paymentsDashboardSections", args),
            json(R"([{"sectionTitle":"A","appLocation":"paymentsDashboard-banner","bannerData":[{"bannerId":9}]},)"
                 R"({"sectionTitle":"B","appLocation":"paymentsDashboard-banner"}])"));
  EXPECT_EQ(call("paymentsDashboardSections", json(R"({"value":"{}"})")), json("[]"));
  EXPECT_EQ(failure("paymentsDashboardSections", json(R"({"value":"{"})")),
            "argument value: expected a BannersResponse");
}

TEST_F(BannerFunctionsTest, DecideBannerNavigation) {
  EXPECT_EQ(call("decideBannerNavigation", json(R"({"value":"https://shop.example/"})")),
            json(R"({"policy":"cancel","completion":"https://shop.example/"})"));
  EXPECT_EQ(
      call("decideBannerNavigation", json(R"({"value":"https://shop.example/","navigationType":"linkActivated"})")),
      json(R"({"policy":"allow","completion":null})"));
  EXPECT_EQ(call("decideBannerNavigation", json(R"({"value":null})")), json(R"({"policy":"allow","completion":null})"));
  EXPECT_FALSE(failure("decideBannerNavigation", json(R"({"value":"x","navigationType":"reload"})")).empty());
}

TEST_F(BannerFunctionsTest, UnknownNamesAndBadArguments) {
  EXPECT_EQ(failure("deepLinkValues", json("{}")), "no exported function deepLinkValues");
  EXPECT_EQ(failure("deepLinkValue", json("[]")), "arguments must be an object");
  EXPECT_EQ(failure("checkBannerValidation", json("3")), "arguments must be an object");
  EXPECT_EQ(call("paymentsDashboardSections", json(R"({"value":{}})")), json("[]"));
}

}  // namespace
}  // namespace kassio
