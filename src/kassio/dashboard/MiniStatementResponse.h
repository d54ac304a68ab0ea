#pragma once

#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "kassio/dashboard/TransactionParam.h"
#include "kassio/platform/json/JsonField.h"

namespace kassio {

// The answer to the mini-statement request: the latest transactions of a date range.
struct MiniStatementResponse {
  std::optional<std::string> status{};
  std::optional<std::string> message{};
  std::optional<std::string> errorCode{};
  std::optional<std::vector<TransactionParam>> transactionParams{};

  bool operator==(const MiniStatementResponse&) const = default;
  static constexpr auto jsonFields =
      std::make_tuple(platform::jsonField("status", &MiniStatementResponse::status),
                      platform::jsonField("message", &MiniStatementResponse::message),
                      platform::jsonField("errorCode", &MiniStatementResponse::errorCode),
                      platform::jsonField("transactionParams", &MiniStatementResponse::transactionParams));
};

}  // namespace kassio
