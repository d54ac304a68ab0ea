#include "kassio/platform/text/UnicodeText.h"

#include <limits>

#include <gtest/gtest.h>

namespace kassio::platform {
namespace {

const std::string family = "\U0001F468\u200D\U0001F469\u200D\U0001F467\u200D\U0001F466";  // 👨‍👩‍👧‍👦
const std::string eAcute = "e\u0301";  // e + combining acute accent
const std::string india = "\U0001F1EE\U0001F1F3";  // flag: two regional indicators
const std::string thumbsUp = "\U0001F44D\U0001F3FD";  // with a skin tone

TEST(UnicodeText, LowercasesBeyondAsciiTheSameInEveryLocale) {
  struct Case {
    const char* text;
    const char* expected;
  };
  const Case cases[] = {
      {"ABC123", "abc123"},
      {"\u00C4BC", "\u00E4bc"},                 // ÄBC
      {"ISTANBUL", "istanbul"},                 // I -> i, not Turkish dotless ı
      {"\u0130stanbul", "i\u0307stanbul"},      // İ -> i + combining dot above
      {"\u039F\u0394\u039F\u03A3", "\u03BF\u03B4\u03BF\u03C2"},  // ΟΔΟΣ -> οδος, final sigma
      {"\u1E9E", "\u00DF"},                     // capital sharp s
      {"\u0915\u0948\u0936", "\u0915\u0948\u0936"},  // Devanagari has no case
      {"", ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(lowercased(c.text), c.expected) << c.text;
  }
}

TEST(UnicodeText, CanonicalFormMakesEquivalentSpellingsOneText) {
  struct Case {
    const char* text;
    const char* expected;
  };
  const Case cases[] = {
      {"caf\u00e9", "caf\u00e9"},           // already composed
      {"cafe\u0301", "caf\u00e9"},          // e + combining acute accent
      {"\u1100\u1161", "\uAC00"},           // Hangul jamo compose
      {"q\u0307\u0323", "q\u0323\u0307"},  // marks in canonical order, with no precomposed form
      {"\u212B", "\u00C5"},                 // the Angstrom sign is a spelling of Å
      {"ABC-123", "ABC-123"},
      {"", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(canonical(c.text), c.expected) << c.text;
  EXPECT_NE(canonical("\uFB01"), canonical("fi"));  // a compatibility ligature stays a ligature
}

TEST(UnicodeText, CountsGraphemeClusters) {
  struct Case {
    std::string text;
    std::size_t count;
  };
  const Case cases[] = {
      {"", 0},          {"abc", 3},         {family, 1},         {eAcute, 1},
      {india, 1},       {thumbsUp, 1},      {"a" + family + "b", 3},
      {"\r\n", 1},      {"9876543210", 10}, {eAcute + eAcute + "x", 3},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(graphemeCount(c.text), c.count) << c.text;
  }
}

TEST(UnicodeText, PrefixAndSuffixKeepClustersWhole) {
  const std::string text = "a" + family + eAcute + india;
  struct Case {
    std::size_t n;
    std::string prefix;
    std::string suffix;
  };
  const Case cases[] = {
      {0, "", ""},
      {1, "a", india},
      {2, "a" + family, eAcute + india},
      {3, "a" + family + eAcute, family + eAcute + india},
      {4, text, text},
      {99, text, text},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(graphemePrefix(text, c.n), c.prefix) << c.n;
    EXPECT_EQ(graphemeSuffix(text, c.n), c.suffix) << c.n;
  }
  EXPECT_EQ(graphemePrefix("", 3), "");
  EXPECT_EQ(graphemeSuffix("", 3), "");
}

TEST(UnicodeText, MeasuresInUtf16Units) {
  EXPECT_EQ(utf16Length(""), 0u);
  EXPECT_EQ(utf16Length("abc"), 3u);
  EXPECT_EQ(utf16Length("\u20B9" "100"), 4u);  // ₹ is three bytes, one unit
  EXPECT_EQ(utf16Length(eAcute), 2u);
  EXPECT_EQ(utf16Length("\U0001F600"), 2u);
  EXPECT_EQ(utf16Length(family), 11u);  // four surrogate pairs and three joiners
}

TEST(UnicodeText, ReplacesUtf16Ranges) {
  struct Case {
    std::string text;
    std::size_t location;
    std::size_t length;
    std::string replacement;
    std::optional<std::string> expected;
  };
  constexpr auto huge = std::numeric_limits<std::size_t>::max();
  const Case cases[] = {
      {"9876", 4, 0, "5", "98765"},                  // typing at the end
      {"", 0, 0, "9", "9"},
      {"abc", 1, 1, "", "ac"},                       // backspace
      {"abc", 0, 3, "xyz", "xyz"},                   // paste over everything
      {"\u20B9" "100", 0, 1, "$", "$100"},           // units, not bytes
      {"\u20B9" "100", 3, 1, "5", "\u20B9" "105"},
      {"a\U0001F600b", 1, 2, "x", "axb"},            // the whole pair
      {"a\U0001F600b", 3, 0, "\U0001F600", "a\U0001F600\U0001F600b"},
      {"a" + family, 1, 11, "", "a"},
      {"a\U0001F600b", 2, 1, "", std::nullopt},      // starts inside the pair
      {"a\U0001F600b", 1, 1, "", std::nullopt},      // ends inside the pair
      {"a\U0001F600b", 2, 0, "x", std::nullopt},     // inserts inside the pair
      {"abc", 4, 0, "x", std::nullopt},              // past the end
      {"abc", 2, 2, "", std::nullopt},
      {"abc", huge, 0, "", std::nullopt},
      {"abc", 1, huge, "", std::nullopt},            // location + length would wrap
  };
  for (const auto& c : cases) {
    EXPECT_EQ(replacingUtf16Range(c.text, c.location, c.length, c.replacement), c.expected)
        << c.text << " @" << c.location << "+" << c.length;
  }
}

}  // namespace
}  // namespace kassio::platform
