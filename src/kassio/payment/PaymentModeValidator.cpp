#include "kassio/payment/PaymentModeValidator.h"

#include <utility>

#include "kassio/platform/text/DecimalReading.h"
#include "kassio/payment/StringChecks.h"
#include "kassio/platform/text/UnicodeText.h"

namespace kassio {

namespace {

using Result = PaymentModeValidator::Result;

Result failed(std::string message) { return {std::move(message), {}, {}, {}, {}, {}}; }

}  // namespace

std::optional<std::string> PaymentModeValidator::mobileRule(const std::string& mobile, bool required) {
  if (mobile.empty()) {
    if (required) return "Please enter mobile number";
    return std::nullopt;
  }
  if (!startsLikeMobileNumber(mobile)) return "Please enter valid mobile number";
  if (platform::graphemeCount(mobile) != 10) return "Please enter valid mobile number";
  return std::nullopt;
}

std::optional<std::string> PaymentModeValidator::amountRule(const std::string& amount) {
  if (amount.empty()) return "Enter amount";
  const std::optional<double> value = platform::readDecimal(amount);
  if (!value || *value == 0) return "Please enter Valid Amount";
  if (*value < 1) return "Amount should be 1 or greater";
  if (*value > 1000000) return "Amount should be 1000000 or less";
  return std::nullopt;
}

Result PaymentModeValidator::validatePayLaterEntry(const std::string& mobile, const std::string& amount,
                                                   const std::string& name, const std::string& address) const {
  if (auto message = mobileRule(mobile, true)) return failed(std::move(*message));
  if (auto message = amountRule(amount)) return failed(std::move(*message));
  if (name.empty()) return failed("Enter name");
  if (address.empty()) return failed("Enter address");
  return {std::nullopt, mobile, amount, {}, name, address};
}

Result PaymentModeValidator::validateLinkEntry(const std::string& amount, const std::string& description,
                                               const std::string& mobile) const {
  if (auto message = mobileRule(mobile, true)) return failed(std::move(*message));
  if (auto message = amountRule(amount)) return failed(std::move(*message));
  return {std::nullopt, mobile, amount, description, {}, {}};
}

Result PaymentModeValidator::validateCashEntry(const std::string& amount, const std::string& description,
                                               const std::string& mobile) const {
  if (auto message = mobileRule(mobile, false)) return failed(std::move(*message));
  if (auto message = amountRule(amount)) return failed(std::move(*message));
  return {std::nullopt, mobile, amount, description, {}, {}};
}

Result PaymentModeValidator::validateQrEntry(const std::string& amount, const std::string& mobile) const {
  if (auto message = mobileRule(mobile, false)) return failed(std::move(*message));
  if (auto message = amountRule(amount)) return failed(std::move(*message));
  return {std::nullopt, mobile, amount, {}, {}, {}};
}

}  // namespace kassio
