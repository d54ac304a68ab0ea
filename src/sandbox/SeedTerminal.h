#pragma once

#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "kassio/platform/json/JsonField.h"

namespace kassio::sandbox {

// A terminal as the bank provisioned it: who is paid, and which modes and products it may use.
struct SeedTerminal {
  std::string tid;
  std::optional<std::string> mid;
  std::optional<std::string> area;       // shown with the terminal's sales
  std::optional<std::string> payeeName;  // the name a customer's UPI app shows
  std::optional<std::string> vpa;        // the merchant's UPI address for this terminal
  // Names of the modes and products the terminal is enabled for: "card", "bharatQr",
  // "upiCollect", "cash", "smsPay", "payLater", "businessCreditCards", "insta", "jumbo", "le".
  std::optional<std::vector<std::string>> enabled;

  static constexpr auto jsonFields = std::make_tuple(
      platform::jsonField("tid", &SeedTerminal::tid), platform::jsonField("mid", &SeedTerminal::mid),
      platform::jsonField("area", &SeedTerminal::area), platform::jsonField("payeeName", &SeedTerminal::payeeName),
      platform::jsonField("vpa", &SeedTerminal::vpa), platform::jsonField("enabled", &SeedTerminal::enabled));
};

}  // namespace kassio::sandbox
