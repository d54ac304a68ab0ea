#include "kassio/platform/json/JsonDecoder.h"

#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace kassio::platform {
namespace {

struct Entry {
  std::optional<std::string> name;
  static constexpr auto jsonFields = std::make_tuple(jsonField("name", &Entry::name));
};

TEST(JsonDecoderTest, DecodesOneDocumentAfterAnother) {
  JsonDecoder decoder;
  const auto first = decoder.decode<std::map<std::string, Entry>>(R"({"T1":{"name":"first"}})");
  EXPECT_FALSE(decoder.decode<Entry>(R"({"name":)"));
  EXPECT_FALSE(decoder.decode<Entry>(R"({"name":1})"));
  const auto second = decoder.decode<std::vector<Entry>>(R"([{"name":"second"}])");
  const auto untyped = decoder.parse(R"({"b":1,"a":2})");

  // Decoded values own their text: later documents leave earlier results intact.
  ASSERT_TRUE(first && second && untyped);
  EXPECT_EQ(first->at("T1").name, "first");
  EXPECT_EQ(second->at(0).name, "second");
  EXPECT_EQ(writeJson(*untyped), R"({"b":1,"a":2})");
}

}  // namespace
}  // namespace kassio::platform
