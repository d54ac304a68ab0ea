#pragma once

#include <optional>
#include <string>
#include <tuple>

#include "kassio/platform/json/JsonField.h"

namespace kassio {

// The answer to a pay-later transaction.
struct AddPayLaterTxnResponse {
  std::optional<std::string> status{};
  std::optional<std::string> respMsg{};
  std::optional<std::string> customerID{};  // key "customerId"
  std::optional<std::string> plTxnid{};
  std::optional<std::string> payerVpa{};
  std::optional<std::string> errorCode{};

  bool operator==(const AddPayLaterTxnResponse&) const = default;
  static constexpr auto jsonFields =
      std::make_tuple(platform::jsonField("status", &AddPayLaterTxnResponse::status),
                      platform::jsonField("respMsg", &AddPayLaterTxnResponse::respMsg),
                      platform::jsonField("customerId", &AddPayLaterTxnResponse::customerID),
                      platform::jsonField("plTxnid", &AddPayLaterTxnResponse::plTxnid),
                      platform::jsonField("payerVpa", &AddPayLaterTxnResponse::payerVpa),
                      platform::jsonField("errorCode", &AddPayLaterTxnResponse::errorCode));
};

}  // namespace kassio
