#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "kassio/entry/InfoStep.h"

namespace kassio {

// The payment modes. The raw value is the tag of a mode's buttons on the mode-selection screen.
enum class PaymentModeType {
  card = 1,
  bharatQr = 2,
  upiCollect = 3,
  cash = 4,
  smsPay = 5,
  payLater = 6,
  emi = 7,
  emiPlans = 8,
  tapToPhone = 9,
};

int rawValue(PaymentModeType mode);
// No mode for any integer outside 1...9.
std::optional<PaymentModeType> fromRaw(int raw, PaymentModeType*);

// The case's own name ("smsPay"), as scripts and logs write a mode; and back.
std::string_view caseName(PaymentModeType mode);
std::optional<PaymentModeType> paymentModeTypeNamed(std::string_view caseName);

// The tile label on the mode-selection screen ("Bharat QR"); none for emi, emiPlans, tapToPhone.
std::optional<std::string> modeSelectionLabel(PaymentModeType mode);

// The help pages of the mode, texts localised now (so a language change shows on the next call).
std::vector<InfoStep> infoSteps(PaymentModeType mode);

}  // namespace kassio
