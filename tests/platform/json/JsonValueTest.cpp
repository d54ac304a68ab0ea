#include "kassio/platform/json/JsonValue.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace kassio::platform {
namespace {

TEST(JsonValueTest, ParsesKeepingKeyOrderAndNumberKinds) {
  const std::string text =
      R"({"z":{"b":1,"a":2},"i":-5,"u":18446744073709551615,"d":1.0,"e":2e2,"s":"x","n":null,"t":[true,false]})";
  const auto value = parseJson(text);
  ASSERT_TRUE(value);
  EXPECT_EQ(writeJson(*value), R"({"z":{"b":1,"a":2},"i":-5,"u":18446744073709551615,"d":1.0,"e":200.0,)"
                               R"("s":"x","n":null,"t":[true,false]})");
  EXPECT_TRUE(value->at("i").is_number_integer());
  EXPECT_TRUE(value->at("u").is_number_unsigned());
  EXPECT_TRUE(value->at("d").is_number_float());
  EXPECT_TRUE(value->at("e").is_number_float());
  EXPECT_EQ(value->at("u").get<std::uint64_t>(), 18446744073709551615u);
}

// Integers beyond 64 bits are held as the nearest double rather than failing the whole value;
// numbers beyond the double range cannot be held and fail it, as any invalid number does.
TEST(JsonValueTest, HoldsIntegersBeyond64BitsAsDoubles) {
  const auto value = parseJson(R"({"ref":123456789012345678901234,"neg":-9223372036854775809,"u":18446744073709551616})");
  ASSERT_TRUE(value);
  EXPECT_TRUE(value->at("ref").is_number_float());
  EXPECT_EQ(value->at("ref").get<double>(), 123456789012345678901234.0);
  EXPECT_EQ(value->at("neg").get<double>(), -9223372036854775809.0);
  EXPECT_EQ(value->at("u").get<double>(), 18446744073709551616.0);
  EXPECT_EQ(writeJson(*value), R"({"ref":1.2345678901234569e+23,"neg":-9.223372036854776e+18,"u":1.8446744073709552e+19})");
  EXPECT_EQ(parseJson("-9223372036854775808"), JsonValue(INT64_MIN));

  EXPECT_FALSE(parseJson(R"({"a":1e400})"));
  EXPECT_FALSE(parseJson("[-1e400]"));
  EXPECT_EQ(parseJson("1e-400"), JsonValue(0.0));
}

TEST(JsonValueTest, SkipsALeadingByteOrderMark) {
  EXPECT_EQ(parseJson("\xEF\xBB\xBF{\"a\":1}"), JsonValue::parse(R"({"a":1})"));
  EXPECT_EQ(parseJson("\xEF\xBB\xBF 7"), JsonValue(7));
  EXPECT_FALSE(parseJson("\xEF\xBB\xBF"));
  EXPECT_FALSE(parseJson("\xEF\xBB\xBF\xEF\xBB\xBF{}"));
}

TEST(JsonValueTest, KeepsTheFirstOfRepeatedKeys) {
  EXPECT_EQ(writeJson(*parseJson(R"({"a":1,"b":2,"a":3})")), R"({"a":1,"b":2})");

  // Large objects take a hashed path for the same rule.
  std::string text = "{";
  std::string expected = "{";
  for (int i = 0; i < 40; ++i) {
    text += "\"k" + std::to_string(i) + "\":" + std::to_string(i) + ",";
    expected += (i ? "," : "") + ("\"k" + std::to_string(i) + "\":") + std::to_string(i);
  }
  text += "\"k7\":-1}";
  expected += "}";
  EXPECT_EQ(writeJson(*parseJson(text)), expected);
}

TEST(JsonValueTest, RefusesInvalidInput) {
  for (const char* text : {"", "{", "[1,]", "{\"a\":1}}", "nul", "\"\xff\"", "{\"a\":\"\xe2\x82\"}", "1 2", "[1]]", "]"}) {
    SCOPED_TRACE(text);
    EXPECT_FALSE(parseJson(text));
  }
  EXPECT_EQ(parseJson("  7 "), JsonValue(7));
}

TEST(JsonValueTest, WritesCompactTextWithoutThrowing) {
  JsonValue value = JsonValue::object();
  value["text"] = "caf\xc3\xa9\n";
  value["bad"] = "a\xff";
  EXPECT_EQ(writeJson(value), "{\"text\":\"caf\xc3\xa9\\n\",\"bad\":\"a\xef\xbf\xbd\"}");
}

}  // namespace
}  // namespace kassio::platform
