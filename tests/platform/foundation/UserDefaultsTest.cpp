#include "kassio/platform/foundation/MemoryUserDefaults.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace kassio::platform {
namespace {

using DefaultValue = UserDefaults::DefaultValue;
using StringMap = UserDefaults::StringMap;

struct ConversionCase {
  const char* name;
  std::optional<DefaultValue> stored;
  bool boolValue;
  std::int64_t integer;
  std::optional<std::string> string;
};

class UserDefaultsConversion : public testing::TestWithParam<ConversionCase> {};

TEST_P(UserDefaultsConversion, TypedReadersConvertLikeThePlatform) {
  const ConversionCase& c = GetParam();
  MemoryUserDefaults defaults;
  if (c.stored) defaults.set("key", *c.stored);

  EXPECT_EQ(defaults.boolValue("key"), c.boolValue);
  EXPECT_EQ(defaults.integer("key"), c.integer);
  EXPECT_EQ(defaults.string("key"), c.string);
  bool isMap = c.stored && std::holds_alternative<StringMap>(*c.stored);
  EXPECT_EQ(defaults.stringMap("key").has_value(), isMap);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, UserDefaultsConversion,
    testing::Values(
        ConversionCase{"absent", std::nullopt, false, 0, std::nullopt},
        ConversionCase{"true", DefaultValue{true}, true, 1, std::nullopt},
        ConversionCase{"false", DefaultValue{false}, false, 0, std::nullopt},
        ConversionCase{"zero", DefaultValue{std::int64_t{0}}, false, 0, std::nullopt},
        ConversionCase{"negative", DefaultValue{std::int64_t{-3}}, true, -3, std::nullopt},
        ConversionCase{"largest", DefaultValue{INT64_MAX}, true, INT64_MAX, std::nullopt},
        ConversionCase{"textTrue", DefaultValue{"TRUE"}, true, 0, "TRUE"},
        ConversionCase{"textYes", DefaultValue{"Yes"}, true, 0, "Yes"},
        ConversionCase{"textOne", DefaultValue{"1"}, true, 1, "1"},
        ConversionCase{"textNo", DefaultValue{"no"}, false, 0, "no"},
        ConversionCase{"textTwo", DefaultValue{"2"}, false, 2, "2"},
        ConversionCase{"textNegative", DefaultValue{"-17"}, false, -17, "-17"},
        ConversionCase{"textFraction", DefaultValue{"-2.9"}, false, -2, "-2.9"},
        ConversionCase{"textTrailing", DefaultValue{"12abc"}, false, 0, "12abc"},
        ConversionCase{"textHuge", DefaultValue{"1e30"}, false, 0, "1e30"},
        ConversionCase{"textInfinite", DefaultValue{"inf"}, false, 0, "inf"},
        ConversionCase{"textEmpty", DefaultValue{""}, false, 0, ""},
        ConversionCase{"map", DefaultValue{StringMap{{"1", "true"}}}, false, 0, std::nullopt}),
    [](const testing::TestParamInfo<ConversionCase>& info) { return std::string(info.param.name); });

TEST(MemoryUserDefaults, StoresKeepsTypesAndListsKeysSorted) {
  MemoryUserDefaults defaults;
  defaults.set("zeta", "text");  // a literal stays a string, not a bool
  defaults.set("alpha", 5);      // an int stays an integer, not a bool
  defaults.set("mid", StringMap{{"T1", "Outlet 1"}});
  defaults.set("flag", true);

  EXPECT_EQ(defaults.keys(), (std::vector<std::string>{"alpha", "flag", "mid", "zeta"}));
  EXPECT_EQ(defaults.object("zeta"), DefaultValue{std::string("text")});
  EXPECT_EQ(defaults.object("alpha"), DefaultValue{std::int64_t{5}});
  EXPECT_EQ(defaults.stringMap("mid"), (StringMap{{"T1", "Outlet 1"}}));

  defaults.set("alpha", "replaced by another type");
  EXPECT_EQ(defaults.string("alpha"), "replaced by another type");
  defaults.remove("flag");
  defaults.remove("never-set");
  EXPECT_EQ(defaults.object("flag"), std::nullopt);
  EXPECT_EQ(defaults.keys(), (std::vector<std::string>{"alpha", "mid", "zeta"}));
  EXPECT_TRUE(defaults.synchronize());
}

}  // namespace
}  // namespace kassio::platform
