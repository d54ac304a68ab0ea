#include "kassio/payment/PaymentModeValidator.h"

#include <gtest/gtest.h>

namespace kassio {
namespace {

using Message = std::optional<std::string>;
constexpr const char* validMobile = "9876543210";

const Message noMobile = "Please enter mobile number";
const Message badMobile = "Please enter valid mobile number";
const Message noAmount = "Enter amount";
const Message badAmount = "Please enter Valid Amount";
const Message tooSmall = "Amount should be 1 or greater";
const Message tooLarge = "Amount should be 1000000 or less";

TEST(MobileRule, FirstCharacterAndLengthOnly) {
  const struct {
    const char* mobile;
    Message required, optional;
  } cases[] = {
      {"", noMobile, std::nullopt},
      {"5876543210", badMobile, badMobile},
      {"0876543210", badMobile, badMobile},
      {"987654321", badMobile, badMobile},
      {"98765432100", badMobile, badMobile},
      {"+919876543210", badMobile, badMobile},
      {"6000000000", std::nullopt, std::nullopt},
      {"9 87654321", std::nullopt, std::nullopt},  // other characters are not examined
      {"9abcdefghi", std::nullopt, std::nullopt},
      {"98765432é1", std::nullopt, std::nullopt},       // ten characters, eleven bytes
      {"9\u0301876543210", badMobile, badMobile},       // the first character is "9" with an accent
  };
  for (const auto& c : cases) {
    EXPECT_EQ(PaymentModeValidator::mobileRule(c.mobile, true), c.required) << c.mobile;
    EXPECT_EQ(PaymentModeValidator::mobileRule(c.mobile, false), c.optional) << c.mobile;
  }
}

TEST(AmountRule, StepsInOrder) {
  const struct {
    const char* amount;
    Message message;
  } cases[] = {
      {"", noAmount},          {"0", badAmount},         {"0.00", badAmount},    {"-0", badAmount},
      {"abc", badAmount},      {"1,000", badAmount},     {" 100", badAmount},    {"100 ", badAmount},
      {"$100", badAmount},     {"1.2.3", badAmount},     {"0.5", tooSmall},      {"0.99", tooSmall},
      {"-5", tooSmall},        {"1", std::nullopt},      {"1.", std::nullopt},   {"1e3", std::nullopt},
      {"1000000", std::nullopt}, {"1000000.01", tooLarge}, {"2000000", tooLarge}, {"1e999", tooLarge},
  };
  for (const auto& c : cases) EXPECT_EQ(PaymentModeValidator::amountRule(c.amount), c.message) << c.amount;
}

TEST(PaymentModeValidator, PayLaterEntry) {
  const PaymentModeValidator validator;
  EXPECT_EQ(validator.validatePayLaterEntry("", "", "", "").message, noMobile);  // mobile first
  EXPECT_EQ(validator.validatePayLaterEntry("5876543210", "", "", "").message, badMobile);
  EXPECT_EQ(validator.validatePayLaterEntry(validMobile, "", "", "").message, noAmount);
  EXPECT_EQ(validator.validatePayLaterEntry(validMobile, "0", "", "").message, badAmount);
  EXPECT_EQ(validator.validatePayLaterEntry(validMobile, "100", "", "").message, "Enter name");
  EXPECT_EQ(validator.validatePayLaterEntry(validMobile, "100", "Ravi", "").message, "Enter address");

  const auto passed = validator.validatePayLaterEntry(validMobile, "100.50", "Ravi", "Pune");
  EXPECT_TRUE(passed.passed());
  EXPECT_EQ(passed.mobile, validMobile);
  EXPECT_EQ(passed.amount, "100.50");
  EXPECT_EQ(passed.name, "Ravi");
  EXPECT_EQ(passed.address, "Pune");

  const auto failed = validator.validatePayLaterEntry(validMobile, "100", "Ravi", "");
  EXPECT_EQ(failed.mobile, "");
  EXPECT_EQ(failed.amount, "");
  EXPECT_EQ(failed.name, "");
}

TEST(PaymentModeValidator, LinkEntryRequiresTheMobileNumber) {
  const PaymentModeValidator validator;
  EXPECT_EQ(validator.validateLinkEntry("", "", "").message, noMobile);
  EXPECT_EQ(validator.validateLinkEntry("100", "", "5876543210").message, badMobile);
  EXPECT_EQ(validator.validateLinkEntry("100", "", "9 87654321").message, std::nullopt);
  EXPECT_EQ(validator.validateLinkEntry("0", "", validMobile).message, badAmount);
  const auto passed = validator.validateLinkEntry("100", "any text at all", validMobile);
  EXPECT_TRUE(passed.passed());
  EXPECT_EQ(passed.description, "any text at all");
  EXPECT_EQ(passed.amount, "100");
  EXPECT_EQ(validator.validateLinkEntry("", "rent", validMobile).description, "");
}

TEST(PaymentModeValidator, CashAndQrEntriesTakeAnEmptyMobileNumber) {
  const PaymentModeValidator validator;
  EXPECT_EQ(validator.validateCashEntry("2000000", "", validMobile).message, tooLarge);
  EXPECT_EQ(validator.validateCashEntry("2000000", "", "").message, tooLarge);
  EXPECT_EQ(validator.validateCashEntry("", "", "12345").message, badMobile);  // mobile before amount
  EXPECT_EQ(validator.validateCashEntry("", "", "").message, noAmount);
  const auto cash = validator.validateCashEntry("500.50", "invoice 7", "");
  EXPECT_TRUE(cash.passed());
  EXPECT_EQ(cash.mobile, "");
  EXPECT_EQ(cash.description, "invoice 7");

  EXPECT_EQ(validator.validateQrEntry("0.5", "").message, tooSmall);
  EXPECT_EQ(validator.validateQrEntry("abc", "").message, badAmount);
  EXPECT_EQ(validator.validateQrEntry("100", "98765").message, badMobile);
  const auto qr = validator.validateQrEntry("1", validMobile);
  EXPECT_TRUE(qr.passed());
  EXPECT_EQ(qr.amount, "1");
  EXPECT_EQ(qr.mobile, validMobile);
}

}  // namespace
}  // namespace kassio
