#include "kassio/platform/json/JsonValue.h"

#include <gtest/gtest.h>

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
  for (const char* text : {"", "{", "[1,]", "{\"a\":1}}", "nul", "\"\xff\"", "{\"a\":\"\xe2\x82\"}"}) {
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
