#pragma once

#include <optional>

#include "kassio/platform/ui/AppColors.h"
#include "kassio/platform/ui/AppFont.h"

namespace kassio {

// The module's one process-wide state: what the host configured through KassioManager, read by
// every screen. It lives until the process ends and the module never resets it.
struct KassioState {
  std::optional<platform::AppColors> appColors;
  std::optional<platform::AppFont> appFont;

  static KassioState& shared();
};

}  // namespace kassio
