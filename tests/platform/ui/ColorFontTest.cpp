#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "kassio/platform/ui/AppFont.h"
#include "kassio/platform/ui/Color.h"
#include "kassio/platform/ui/Font.h"

namespace kassio::platform {
namespace {

struct HexCase {
  const char* text;
  std::optional<Color> expected;
};

TEST(Color, FromHexReadsSixDigitsWithOrWithoutHash) {
  const HexCase cases[] = {
      {"#FEF8E6", Color{0xFE, 0xF8, 0xE6, 1}},
      {"FEF8E6", Color{0xFE, 0xF8, 0xE6, 1}},  // backend texts often lack the '#'
      {"#e22853", Color{0xE2, 0x28, 0x53, 1}},
      {"#000000", Color::black()},
      {"ffffff", Color::white()},
      // wrong length
      {"", std::nullopt},
      {"#", std::nullopt},
      {"#FFF", std::nullopt},
      {"#FFFFF", std::nullopt},
      {"#FFFFFFF", std::nullopt},
      {"#FFFFFFFF", std::nullopt},
      {"##FFFFFF", std::nullopt},
      // not hexadecimal digits
      {"#GGGGGG", std::nullopt},
      {"#12345Z", std::nullopt},
      {"#12 456", std::nullopt},
      {" 12345", std::nullopt},
      {"+12345", std::nullopt},
      {"-12345", std::nullopt},
      {"0x1234", std::nullopt},
      {"FFFFFF#", std::nullopt},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string("text \"") + c.text + "\"");
    EXPECT_EQ(Color::fromHex(c.text), c.expected);
  }
}

TEST(Color, HexStringWritesTwoCapitalDigitsPerChannel) {
  EXPECT_EQ((Color{0x0A, 0xB0, 0xFF, 1}).hexString(), "#0AB0FF");
  EXPECT_EQ((Color{1, 2, 3, 0.5}).hexString(), "#010203");  // alpha is not written
  EXPECT_EQ(Color::fromHex("#f99f35")->hexString(), "#F99F35");
}

TEST(Font, DescriptionIsNameAndShortestSize) {
  EXPECT_EQ((Font{"Lato-Bold", 16}).description(), "Lato-Bold 16");
  EXPECT_EQ((Font{"Inter-Regular", 12.5}).description(), "Inter-Regular 12.5");
  EXPECT_EQ(Font::systemFont(14).description(), "Inter-Regular 14");
}

TEST(Font, ThemeFacesKeepTheRequestedSize) {
  AppFont theme;
  theme.interRegularName = "Brand-Regular";
  EXPECT_EQ(theme.interRegular(12), (Font{"Brand-Regular", 12}));
  EXPECT_EQ(theme.bold(18).description(), "Lato-Bold 18");
}

}  // namespace
}  // namespace kassio::platform
