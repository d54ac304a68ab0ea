#pragma once

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <string_view>

#include "kassio/platform/json/Json.h"

namespace kassio {

// The body decoded as a Record and encoded back; none when it does not decode.
template <class Record>
std::optional<platform::JsonValue> roundTrip(std::string_view body) {
  const auto record = platform::decodeJson<Record>(body);
  if (!record) return std::nullopt;
  return platform::encodeJsonValue(*record);
}

// A body decoded as a record and encoded back; "null" where it must fail to decode as a whole.
struct DecodeCase {
  std::optional<platform::JsonValue> (*decode)(std::string_view);
  std::string body;
  std::string encoded;
};

inline void expectDecodes(const DecodeCase& c) {
  const auto decoded = c.decode(c.body);
  const auto expected = platform::parseJson(c.encoded);
  ASSERT_TRUE(expected) << c.encoded;
  if (expected->is_null()) {
    EXPECT_FALSE(decoded) << c.body;
  } else {
    ASSERT_TRUE(decoded) << c.body;
    EXPECT_EQ(*decoded, *expected) << c.body;
  }
}

}  // namespace kassio
