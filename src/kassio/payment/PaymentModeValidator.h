#pragma once

#include <optional>
#include <string>

namespace kassio {

// The checks the payment screens run on the merchant's entries before a request leaves the
// device. Rules run in a fixed order and the first failure decides the message, a localisation
// key the screen shows in its warning dialog. Stateless: make one where it is needed.
class PaymentModeValidator {
 public:
  // The message of the failed rule, or none; on success the examined inputs come back as given,
  // on failure they come back empty. Inputs an operation does not take stay empty.
  struct Result {
    std::optional<std::string> message;
    std::string mobile;
    std::string amount;
    std::string description;
    std::string name;
    std::string address;

    bool passed() const { return !message; }
  };

  // Mobile number required, then the amount, then name and address present.
  Result validatePayLaterEntry(const std::string& mobile, const std::string& amount, const std::string& name,
                               const std::string& address) const;
  // Mobile number required, then the amount; the description is not checked.
  Result validateLinkEntry(const std::string& amount, const std::string& description,
                           const std::string& mobile) const;
  // A mobile number given must be valid, then the amount; the description is not checked.
  Result validateCashEntry(const std::string& amount, const std::string& description,
                           const std::string& mobile) const;
  // A mobile number given must be valid, then the amount.
  Result validateQrEntry(const std::string& amount, const std::string& mobile) const;

  // The rule blocks the operations combine; each gives the message of its first failed step.
  // A customer's mobile number: starts with 6, 7, 8 or 9 and has ten characters (only the first
  // character and the length are examined). With `required` false an empty number passes.
  static std::optional<std::string> mobileRule(const std::string& mobile, bool required);
  // An amount read the locale-independent way: present, non-zero, from 1 to 1000000.
  static std::optional<std::string> amountRule(const std::string& amount);
};

}  // namespace kassio
