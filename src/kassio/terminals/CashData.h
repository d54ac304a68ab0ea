#pragma once

#include <optional>
#include <string>
#include <tuple>

#include "kassio/platform/json/JsonField.h"

namespace kassio {

// A terminal's provisioning for a mode that has only a status (cash, pay later).
struct CashData {
  std::optional<std::string> status;

  bool operator==(const CashData&) const = default;
  static constexpr auto jsonFields = std::make_tuple(platform::jsonField("status", &CashData::status));
};

}  // namespace kassio
