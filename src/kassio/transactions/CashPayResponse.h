#pragma once

#include <optional>
#include <string>
#include <tuple>

#include "kassio/platform/json/JsonField.h"
#include "kassio/transactions/UPICollectStatusCode.h"

namespace kassio {

// The answer to the cash, card and card-session requests.
struct CashPayResponse {
  std::optional<std::string> status{};
  std::optional<std::string> statusMessage{};
  std::optional<std::string> mTxnid{};
  std::optional<std::string> payerVpa{};
  std::optional<UPICollectStatusCode> statusCode{};

  bool operator==(const CashPayResponse&) const = default;
  static constexpr auto jsonFields =
      std::make_tuple(platform::jsonField("status", &CashPayResponse::status),
                      platform::jsonField("statusMessage", &CashPayResponse::statusMessage),
                      platform::jsonField("mTxnid", &CashPayResponse::mTxnid),
                      platform::jsonField("payerVpa", &CashPayResponse::payerVpa),
                      platform::jsonField("statusCode", &CashPayResponse::statusCode));
};

}  // namespace kassio
