#pragma once

#include "kassio/entry/ReloadlyManager.h"

namespace kassio {

// The face under which the host drives the mode-selection screen: reload it for terminals, or
// open a mode's details as if the merchant had tapped it.
class PaymentModesViewLoadableVC : public ReloadlyManager {
 public:
  virtual void navigateToPaymentModeDetail(int paymentMode, int type) = 0;
};

}  // namespace kassio
