#include "kassio/platform/text/Uuid.h"

#include <memory>

#include <gtest/gtest.h>

#include "kassio/platform/foundation/Platform.h"
#include "kassio/platform/foundation/RandomSource.h"
#include "kassio/platform/text/RegexPredicate.h"

namespace kassio::platform {
namespace {

TEST(RandomSource, TheSameSeedGivesTheSameSequence) {
  RandomSource first(42), second(42), other(43);
  bool differs = false;
  for (int i = 0; i < 100; ++i) {
    const std::uint64_t value = first.next();
    EXPECT_EQ(value, second.next());
    differs = differs || value != other.next();
  }
  EXPECT_TRUE(differs);
}

TEST(RandomSource, UnitStaysInTheHalfOpenInterval) {
  RandomSource source(7);
  for (int i = 0; i < 1000; ++i) {
    const double value = source.unit();
    EXPECT_GE(value, 0.0);
    EXPECT_LT(value, 1.0);
  }
}

TEST(Uuid, WritesCanonicalUpperCaseText) {
  Uuid::Bytes bytes{};
  for (std::size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<std::uint8_t>(i * 0x11);
  EXPECT_EQ(Uuid(bytes).uuidString(), "00112233-4455-6677-8899-AABBCCDDEEFF");
}

TEST(Uuid, RandomOnesAreVersionFourWithTheStandardVariant) {
  const RegexPredicate versionFour(
      "[0-9A-F]{8}-[0-9A-F]{4}-4[0-9A-F]{3}-[89AB][0-9A-F]{3}-[0-9A-F]{12}");
  RandomSource source(1);
  for (int i = 0; i < 200; ++i) {
    const Uuid uuid = Uuid::random(source);
    EXPECT_TRUE(versionFour.matches(uuid.uuidString())) << uuid.uuidString();
    EXPECT_EQ(Uuid::parse(uuid.uuidString()), uuid);
  }
}

TEST(Uuid, SeededSourcesGiveTheSameIdentifiers) {
  RandomSource first(99), second(99);
  const Uuid a = Uuid::random(first);
  EXPECT_EQ(a, Uuid::random(second));
  EXPECT_NE(a, Uuid::random(first));
}

TEST(Uuid, RandomUsesTheInstalledSource) {
  Platform& platform = Platform::current();
  const auto saved = platform.random;
  platform.random = std::make_shared<RandomSource>(5);
  const Uuid installed = Uuid::random();
  platform.random = nullptr;
  const Uuid unseeded = Uuid::random();
  platform.random = saved;

  RandomSource same(5);
  EXPECT_EQ(installed, Uuid::random(same));
  EXPECT_NE(unseeded, Uuid::random());
}

TEST(Uuid, ParsesCanonicalTextInEitherCase) {
  const auto upper = Uuid::parse("E621E1F8-C36C-495A-93FC-0C247A3E6E5F");
  ASSERT_TRUE(upper);
  EXPECT_EQ(upper->uuidString(), "E621E1F8-C36C-495A-93FC-0C247A3E6E5F");
  EXPECT_EQ(Uuid::parse("e621e1f8-c36c-495a-93fc-0c247a3e6e5f"), upper);
  EXPECT_EQ(Uuid::parse("e621E1F8-c36c-495A-93fc-0C247A3E6E5F"), upper);
}

TEST(Uuid, RefusesAnyOtherText) {
  for (const char* text : {
           "",
           "E621E1F8C36C495A93FC0C247A3E6E5F",        // no hyphens
           "{E621E1F8-C36C-495A-93FC-0C247A3E6E5F}",  // braces
           "E621E1F8-C36C-495A-93FC-0C247A3E6E5",     // short
           "E621E1F8-C36C-495A-93FC-0C247A3E6E5F0",   // long
           "E621E1F8-C36C-495A-93FC-0C247A3E6E5G",    // not hexadecimal
           "E621E1F8C-36C-495A-93FC-0C247A3E6E5F",    // hyphen misplaced
           "E621E1F8-C36C-495A-93FC-0C247A3E6E5 ",
           " E621E1F8-C36C-495A-93FC-0C247A3E6E5F",
           "E621E1F8-C36C-495A+93FC-0C247A3E6E5F",
       }) {
    EXPECT_EQ(Uuid::parse(text), std::nullopt) << text;
  }
}

}  // namespace
}  // namespace kassio::platform
