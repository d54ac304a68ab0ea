#include "kassio/platform/text/Base64.h"

#include <gtest/gtest.h>

namespace kassio::platform {
namespace {

std::vector<std::uint8_t> bytesOf(std::string_view text) { return {text.begin(), text.end()}; }

TEST(Base64, EncodesWithPadding) {
  struct Case {
    std::vector<std::uint8_t> bytes;
    const char* text;
  };
  const Case cases[] = {
      {bytesOf(""), ""},
      {bytesOf("f"), "Zg=="},
      {bytesOf("fo"), "Zm8="},
      {bytesOf("foo"), "Zm9v"},
      {bytesOf("foob"), "Zm9vYg=="},
      {bytesOf("fooba"), "Zm9vYmE="},
      {bytesOf("foobar"), "Zm9vYmFy"},
      {{0xFB, 0xFF}, "+/8="},  // the last two letters of the alphabet
      {{0x00, 0x00, 0x00}, "AAAA"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(base64Encode(c.bytes), c.text);
    EXPECT_EQ(base64Decode(c.text), c.bytes) << c.text;
  }
}

TEST(Base64, RoundTripsEveryByteValueAtEveryLength) {
  std::vector<std::uint8_t> all;
  for (int value = 255; value >= 0; --value) all.push_back(static_cast<std::uint8_t>(value));
  for (std::size_t length : {254u, 255u, 256u}) {  // every remainder modulo 3
    const std::vector<std::uint8_t> bytes(all.begin(), all.begin() + length);
    EXPECT_EQ(base64Decode(base64Encode(bytes)), bytes) << length;
  }
}

TEST(Base64, SkipsCharactersOutsideTheAlphabet) {
  struct Case {
    const char* text;
    const char* decoded;
  };
  const Case cases[] = {
      {"Zm9v\nYmFy", "foobar"},
      {"Zm9v\r\nYmFy\r\n", "foobar"},
      {" Zm 9v-Ym_Fy! ", "foobar"},  // "-" and "_" belong to the URL alphabet, not this one
      {"Zm9vYg=\n=", "foob"},
      {"\n\t ", ""},
      {"", ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(base64Decode(c.text), bytesOf(c.decoded)) << c.text;
  }
}

TEST(Base64, RefusesTextThatCannotBeBase64) {
  for (const char* text : {
           "Zm9vY",     // one character left over
           "Zm9vYg",    // padding missing
           "Zm9vYmE",   // padding missing
           "Zm9vYg=",   // one "=" short
           "Zm9vYmE==", // one "=" too many
           "Zg===",
           "Zm9v=",     // padding after a full group
           "=",
           "Zm8=Zm8=",  // data after the padding
           "Zg==\nZg==",
       }) {
    EXPECT_EQ(base64Decode(text), std::nullopt) << text;
  }
}

}  // namespace
}  // namespace kassio::platform
