#pragma once

#include "kassio/platform/ui/Color.h"

namespace kassio::platform {

// The host theme's colours (Stylekit).
struct AppColors {
  struct TextColors {
    Color primaryColor{0x17, 0x1F, 0x12, 1};
    Color secondaryColor{0x5C, 0x63, 0x58, 1};
  };
  TextColors textColor;
  Color disabledColor{0xB4, 0xB8, 0xB1, 1};
  Color enabledColor{0x1F, 0x8A, 0x4C, 1};
  Color successColor{0x1F, 0x8A, 0x4C, 1};
  Color accentColor{0x00, 0x5B, 0xAC, 1};
  Color errorColor{0xE2, 0x28, 0x53, 1};
};

}  // namespace kassio::platform
