#include "kassio/payment/PaymentEntryRules.h"

#include <gtest/gtest.h>

#include "kassio/payment/StringChecks.h"

namespace kassio {
namespace {

TEST(CashPaisaRule, WholeOrHalfRupeesSomewhereInTheText) {
  const std::optional<std::string> paisa = "Please enter .00 or .50 paisa only";
  const struct {
    std::optional<std::string> text;
    bool passes;
  } cases[] = {
      {"500", false}, {"500.5", false}, {"500.25", false}, {"", false},     {std::nullopt, false},
      {"500.00", true}, {"500.50", true}, {"1.005", true}, {"x.50y", true},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(PaymentEntryRules::cashPaisaRule(c.text), c.passes ? std::nullopt : paisa)
        << c.text.value_or("(absent)");
  }
}

TEST(FieldLength, EditsLongerThanTenCharactersAreRefused) {
  EXPECT_TRUE(PaymentEntryRules::acceptsEdit("987654321", 9, 0, "0"));
  EXPECT_FALSE(PaymentEntryRules::acceptsEdit("9876543210", 10, 0, "1"));
  EXPECT_TRUE(PaymentEntryRules::acceptsEdit("9876543210", 0, 10, "1"));   // replacing everything
  EXPECT_FALSE(PaymentEntryRules::acceptsEdit("", 0, 0, "98765432101"));   // a paste
  EXPECT_TRUE(PaymentEntryRules::acceptsEdit("98765432", 8, 0, "👍🏽"));    // one character, four UTF-16 units
  EXPECT_FALSE(PaymentEntryRules::acceptsEdit("123", 5, 0, "4"));          // range past the end
  EXPECT_FALSE(PaymentEntryRules::acceptsEdit("123456789012", 11, 1, ""));  // the result counts, not the change
  EXPECT_FALSE(PaymentEntryRules::acceptsEdit("12345", 5, 0, "9", 5));
}

TEST(MobilePopupRule, AtLeastTenCharactersStartingWithSixToNine) {
  const std::optional<std::string> invalid = "Please enter valid mobile number";
  EXPECT_EQ(PaymentEntryRules::mobilePopupRule("9876543210"), std::nullopt);
  EXPECT_EQ(PaymentEntryRules::mobilePopupRule("98765432101"), std::nullopt);
  EXPECT_EQ(PaymentEntryRules::mobilePopupRule("987654321"), invalid);
  EXPECT_EQ(PaymentEntryRules::mobilePopupRule("5876543210"), invalid);
  EXPECT_EQ(PaymentEntryRules::mobilePopupRule(""), invalid);
  EXPECT_TRUE(PaymentEntryRules::isFullMobileNumber("9876543210"));
  EXPECT_FALSE(PaymentEntryRules::isFullMobileNumber("98765432101"));
  EXPECT_FALSE(PaymentEntryRules::isFullMobileNumber("987654321"));
}

TEST(StringChecks, WholeTextMatches) {
  EXPECT_TRUE(isntEmpty("a"));
  EXPECT_FALSE(isntEmpty(""));

  EXPECT_TRUE(isValidEmail("ravi.k+pay@example.co.in"));
  EXPECT_TRUE(isValidEmail("A_B%c@x-y.IN"));
  EXPECT_FALSE(isValidEmail("ravi@example"));
  EXPECT_FALSE(isValidEmail("ravi@example.c"));
  EXPECT_FALSE(isValidEmail("mail ravi@example.com"));  // the pattern must cover the whole text
  EXPECT_FALSE(isValidEmail("ravi@example.com "));
  EXPECT_FALSE(isValidEmail("ravi@examplexcom"));  // the dot before the domain is a dot

  EXPECT_TRUE(isValidPhone("9876543210"));
  EXPECT_FALSE(isValidPhone("5876543210"));
  EXPECT_FALSE(isValidPhone("98765432101"));
  EXPECT_FALSE(isValidPhone("9876543210\n"));
  EXPECT_FALSE(isValidPhone("98765 43210"));

  for (const char* starts : {"6", "7", "8", "9", "9876543210", "6abc"}) EXPECT_TRUE(startsLikeMobileNumber(starts)) << starts;
  for (const char* doesNot : {"", "0", "5876543210", "+919876543210", "\u0669", "9\u0301"})
    EXPECT_FALSE(startsLikeMobileNumber(doesNot)) << doesNot;

  EXPECT_TRUE(isPhoneNumber("+919876543210"));
  EXPECT_TRUE(isPhoneNumber(""));
  EXPECT_TRUE(isPhoneNumber("++0"));
  EXPECT_FALSE(isPhoneNumber("+91 98765"));
  EXPECT_FALSE(isPhoneNumber("98765-43210"));
  EXPECT_FALSE(isPhoneNumber("١٢٣"));  // Arabic-Indic digits are not among the kept characters
}

}  // namespace
}  // namespace kassio
