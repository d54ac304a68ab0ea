#pragma once

#include <optional>
#include <tuple>

#include "kassio/platform/json/JsonField.h"

namespace kassio {

// The host modules the merchant consented to for a terminal.
struct ModuleConsents {
  std::optional<bool> oar;
  std::optional<bool> v2P;
  std::optional<bool> mac;
  std::optional<bool> trindlify;

  bool operator==(const ModuleConsents&) const = default;
  static constexpr auto jsonFields = std::make_tuple(platform::jsonField("OAR", &ModuleConsents::oar),
                                                     platform::jsonField("V2P", &ModuleConsents::v2P),
                                                     platform::jsonField("MAC", &ModuleConsents::mac),
                                                     platform::jsonField("trindlify", &ModuleConsents::trindlify));
};

}  // namespace kassio
