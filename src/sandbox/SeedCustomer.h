#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <tuple>

#include "kassio/platform/json/JsonField.h"

namespace kassio::sandbox {

// A customer the bank knows by mobile number: pay later, offers and UPI-address checks.
struct SeedCustomer {
  std::string mobileNumber;
  std::int64_t plCustID = 0;
  std::optional<std::string> name;
  std::optional<std::string> address;
  std::optional<std::string> custDescription;
  std::optional<std::string> payLaterLimit;  // rupees; none means no pay-later credit
  std::optional<std::string> upiId;

  static constexpr auto jsonFields = std::make_tuple(
      platform::jsonField("mobileNumber", &SeedCustomer::mobileNumber),
      platform::jsonField("plCustID", &SeedCustomer::plCustID), platform::jsonField("name", &SeedCustomer::name),
      platform::jsonField("address", &SeedCustomer::address),
      platform::jsonField("custDescription", &SeedCustomer::custDescription),
      platform::jsonField("payLaterLimit", &SeedCustomer::payLaterLimit),
      platform::jsonField("upiId", &SeedCustomer::upiId));
};

}  // namespace kassio::sandbox
