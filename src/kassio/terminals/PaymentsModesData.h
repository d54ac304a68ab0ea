#pragma once

#include <optional>
#include <tuple>
#include <vector>

#include "kassio/platform/json/JsonField.h"
#include "kassio/terminals/CardDataPayments.h"
#include "kassio/terminals/CashData.h"
#include "kassio/terminals/QrData.h"
#include "kassio/terminals/SMSPayData.h"

namespace kassio {

// What a terminal is provisioned for, mode by mode.
struct PaymentsModesData {
  std::optional<std::vector<CardDataPayments>> cards1;
  std::optional<SMSPayData> smsPay;
  std::optional<CashData> cash;
  std::optional<SMSPayData> upi;  // decoded and kept; no mode rule reads it
  std::optional<QrData> qr;
  std::optional<CashData> payLater;

  bool operator==(const PaymentsModesData&) const = default;
  static constexpr auto jsonFields = std::make_tuple(platform::jsonField("cards", &PaymentsModesData::cards1),
                                                     platform::jsonField("smsPay", &PaymentsModesData::smsPay),
                                                     platform::jsonField("cash", &PaymentsModesData::cash),
                                                     platform::jsonField("upi", &PaymentsModesData::upi),
                                                     platform::jsonField("qr", &PaymentsModesData::qr),
                                                     platform::jsonField("payLater", &PaymentsModesData::payLater));
};

}  // namespace kassio
