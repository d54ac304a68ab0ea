#include "kassio/platform/text/RegexPredicate.h"

#include <gtest/gtest.h>

namespace kassio::platform {
namespace {

// The patterns of the string checks offered to the host, as stored.
constexpr const char* phonePattern = "^[6-9][0-9]{9}$";
constexpr const char* emailPattern = "[A-Z0-9a-z._%+-]+@[A-Za-z0-9.-]+\\.[A-Za-z]{2,64}";

TEST(RegexPredicate, TheWholeTextMustMatch) {
  struct Case {
    const char* pattern;
    const char* text;
    bool matches;
  };
  const Case cases[] = {
      {phonePattern, "9876543210", true},
      {phonePattern, "5876543210", false},
      {phonePattern, "98765432101", false},
      {phonePattern, "x9876543210", false},
      {phonePattern, "", false},
      {emailPattern, "first.last+tag@mail.example.co", true},
      {emailPattern, "write to user@example.com", false},  // matches only a part
      {emailPattern, "user@example.com.", false},
      {emailPattern, "user@examplecom", false},  // the escaped dot is a literal dot
      {"[0-9]+", "123", true},
      {"[0-9]+", "12a", false},
      {"[0-9]+", "a12", false},
      {".*", "", true},
      {"^.$", "\u00E4", true},  // one code point, two bytes
      {"\\p{Ll}+", "\u00E4\u00F6\u00FC", true},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(RegexPredicate(c.pattern).matches(c.text), c.matches) << c.pattern << " / " << c.text;
    EXPECT_EQ(matchesWhole(c.pattern, c.text), c.matches) << c.pattern << " / " << c.text;
  }
}

TEST(RegexPredicate, InvalidPatternMatchesNothing) {
  for (const char* pattern : {"[0-9", "(a", "a{2,1}", "*"}) {
    const RegexPredicate predicate(pattern);
    EXPECT_FALSE(predicate.isValid()) << pattern;
    EXPECT_FALSE(predicate.matches("")) << pattern;
    EXPECT_FALSE(matchesWhole(pattern, "a")) << pattern;
  }
}

TEST(RegexPredicate, OneCompiledPredicateServesManyChecks) {
  const RegexPredicate phone(phonePattern);
  const RegexPredicate copy = phone;
  EXPECT_TRUE(phone.isValid());
  EXPECT_TRUE(copy.matches("6000000000"));
  EXPECT_FALSE(copy.matches("600000000"));
  EXPECT_TRUE(phone.matches("9999999999"));
}

}  // namespace
}  // namespace kassio::platform
