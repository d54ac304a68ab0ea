#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <tuple>

#include "kassio/platform/json/JsonField.h"

namespace kassio {

// The pay-later customer lookup.
struct GetCustomerResponse {
  std::optional<std::int64_t> plCustID{};
  std::optional<std::string> payLaterBalance{};
  std::optional<std::string> status{};
  std::optional<std::string> respMsg{};
  std::optional<std::string> address{};
  std::optional<std::string> name{};
  std::optional<std::string> custDescription{};
  std::optional<std::string> errorCode{};

  bool operator==(const GetCustomerResponse&) const = default;
  static constexpr auto jsonFields =
      std::make_tuple(platform::jsonField("plCustID", &GetCustomerResponse::plCustID),
                      platform::jsonField("payLaterBalance", &GetCustomerResponse::payLaterBalance),
                      platform::jsonField("status", &GetCustomerResponse::status),
                      platform::jsonField("respMsg", &GetCustomerResponse::respMsg),
                      platform::jsonField("address", &GetCustomerResponse::address),
                      platform::jsonField("name", &GetCustomerResponse::name),
                      platform::jsonField("custDescription", &GetCustomerResponse::custDescription),
                      platform::jsonField("errorCode", &GetCustomerResponse::errorCode));
};

}  // namespace kassio
