#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace kassio {

// Entry rules the payment screens run besides PaymentModeValidator. Messages are localisation
// keys.
class PaymentEntryRules {
 public:
  PaymentEntryRules() = delete;

  // The longest mobile number or amount a payment field takes, in characters.
  static constexpr std::size_t fieldLimit = 10;

  // Cash amounts are whole or half rupees: the text must contain ".00" or ".50" somewhere.
  // No text fails.
  static std::optional<std::string> cashPaisaRule(const std::optional<std::string>& amountText);

  // A text field's edit (the UTF-16 range [location, location + length) of `text` replaced by
  // `replacement`) is taken when the result has at most `limit` characters. An edit whose range
  // does not fit the text is refused.
  static bool acceptsEdit(std::string_view text, std::size_t location, std::size_t length,
                          std::string_view replacement, std::size_t limit = fieldLimit);

  // The mobile-number popup's submit rule: at least ten characters, starting with 6, 7, 8 or 9.
  static std::optional<std::string> mobilePopupRule(std::string_view mobile);

  // The SMS confirmation's button looks active exactly when the number has ten characters.
  static bool isFullMobileNumber(std::string_view mobile);
};

}  // namespace kassio
