#pragma once

#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "kassio/dashboard/SalesCounterListData.h"
#include "kassio/platform/json/JsonField.h"

namespace kassio {

// The answer to the sales request. Status, message and error code are required.
struct SalesCounterDataResponse {
  std::string status{};
  std::string message{};
  std::string errorCode{};
  std::optional<std::vector<SalesCounterListData>> saleCounterList{};

  bool operator==(const SalesCounterDataResponse&) const = default;
  static constexpr auto jsonFields =
      std::make_tuple(platform::jsonField("status", &SalesCounterDataResponse::status),
                      platform::jsonField("message", &SalesCounterDataResponse::message),
                      platform::jsonField("errorCode", &SalesCounterDataResponse::errorCode),
                      platform::jsonField("saleCounterList", &SalesCounterDataResponse::saleCounterList));
};

}  // namespace kassio
