#pragma once

#include <optional>
#include <string>
#include <tuple>

#include "kassio/platform/json/JsonField.h"
#include "kassio/transactions/UPICollectStatusCode.h"

namespace kassio {

// The answer to the payment-link request.
struct LinkPayResponse {
  std::optional<std::string> status{};
  std::optional<std::string> statusMessage{};
  std::optional<std::string> mTxnid{};
  std::optional<std::string> merchantVPA{};
  std::optional<std::string> payerVpa{};
  std::optional<UPICollectStatusCode> statusCode{};

  bool operator==(const LinkPayResponse&) const = default;
  static constexpr auto jsonFields =
      std::make_tuple(platform::jsonField("status", &LinkPayResponse::status),
                      platform::jsonField("statusMessage", &LinkPayResponse::statusMessage),
                      platform::jsonField("mTxnid", &LinkPayResponse::mTxnid),
                      platform::jsonField("merchantVPA", &LinkPayResponse::merchantVPA),
                      platform::jsonField("payerVpa", &LinkPayResponse::payerVpa),
                      platform::jsonField("statusCode", &LinkPayResponse::statusCode));
};

}  // namespace kassio
