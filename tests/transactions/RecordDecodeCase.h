#pragma once

#include <gtest/gtest.h>

#include "kassio/platform/json/Json.h"
#include "kassio/transactions/RecordRegistry.h"

namespace kassio {

// A body decoded as a record and encoded back; "null" where it must fail to decode as a whole.
struct DecodeCase {
  const char* record;
  const char* body;
  const char* encoded;
};

inline void expectDecodes(const DecodeCase& c) {
  const auto decoded = decodeRecordByName(c.record, c.body);
  const auto expected = platform::parseJson(c.encoded);
  ASSERT_TRUE(expected) << c.encoded;
  if (expected->is_null()) {
    EXPECT_FALSE(decoded) << c.record << " " << c.body;
  } else {
    ASSERT_TRUE(decoded) << c.record << " " << c.body;
    EXPECT_EQ(*decoded, *expected) << c.record << " " << c.body;
  }
}

}  // namespace kassio
