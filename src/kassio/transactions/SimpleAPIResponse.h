#pragma once

#include <optional>
#include <string>
#include <tuple>

#include "kassio/platform/json/JsonField.h"

namespace kassio {

// The answer to the UPI-id check. Its status code is any text, not the collect code table.
struct SimpleAPIResponse {
  std::optional<std::string> status{};
  std::optional<std::string> statusCode{};
  std::optional<std::string> statusMessage{};

  bool operator==(const SimpleAPIResponse&) const = default;
  static constexpr auto jsonFields =
      std::make_tuple(platform::jsonField("status", &SimpleAPIResponse::status),
                      platform::jsonField("statusCode", &SimpleAPIResponse::statusCode),
                      platform::jsonField("statusMessage", &SimpleAPIResponse::statusMessage));
};

}  // namespace kassio
