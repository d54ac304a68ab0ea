#pragma once

#include <optional>
#include <tuple>

#include "kassio/platform/json/JsonField.h"

namespace kassio {

// The bank products a terminal is enrolled in.
struct BankProduct1 {
  std::optional<bool> insta;
  std::optional<bool> jumbo;
  std::optional<bool> le;
  std::optional<bool> businessCreditCards;
  std::optional<bool> instantUpiSettlement;
  std::optional<bool> BANK_EMI;

  bool operator==(const BankProduct1&) const = default;
  static constexpr auto jsonFields =
      std::make_tuple(platform::jsonField("insta", &BankProduct1::insta),
                      platform::jsonField("jumbo", &BankProduct1::jumbo), platform::jsonField("le", &BankProduct1::le),
                      platform::jsonField("business_CreditCards", &BankProduct1::businessCreditCards),
                      platform::jsonField("instantUpiSettlement", &BankProduct1::instantUpiSettlement),
                      platform::jsonField("BANK_EMI", &BankProduct1::BANK_EMI));
};

}  // namespace kassio
