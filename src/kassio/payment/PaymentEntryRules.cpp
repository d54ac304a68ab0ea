#include "kassio/payment/PaymentEntryRules.h"

#include "kassio/payment/StringChecks.h"
#include "kassio/platform/text/UnicodeText.h"

namespace kassio {

std::optional<std::string> PaymentEntryRules::cashPaisaRule(const std::optional<std::string>& amountText) {
  if (amountText && (amountText->find(".00") != std::string::npos || amountText->find(".50") != std::string::npos)) {
    return std::nullopt;
  }
  return "Please enter .00 or .50 paisa only";
}

bool PaymentEntryRules::acceptsEdit(std::string_view text, std::size_t location, std::size_t length,
                                    std::string_view replacement, std::size_t limit) {
  const auto result = platform::replacingUtf16Range(text, location, length, replacement);
  return result && platform::graphemeCount(*result) <= limit;
}

std::optional<std::string> PaymentEntryRules::mobilePopupRule(std::string_view mobile) {
  if (!startsLikeMobileNumber(mobile) || platform::graphemeCount(mobile) < 10) return "Please enter valid mobile number";
  return std::nullopt;
}

bool PaymentEntryRules::isFullMobileNumber(std::string_view mobile) { return platform::graphemeCount(mobile) == 10; }

}  // namespace kassio
