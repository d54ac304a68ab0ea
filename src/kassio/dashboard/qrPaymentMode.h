#pragma once

#include <optional>
#include <string_view>

namespace kassio {

// How a QR or link payment was made.
enum class qrPaymentMode {
  BHIM,
  Google_Pay,
  Paytm,
  Phonepe,
  Amazon_Pay,
  Cards,
  UPI,
  SMS_Pay,
};

inline std::string_view rawValue(qrPaymentMode value) {
  switch (value) {
    case qrPaymentMode::BHIM: return "BHIM";
    case qrPaymentMode::Google_Pay: return "Google Pay";
    case qrPaymentMode::Paytm: return "Paytm";
    case qrPaymentMode::Phonepe: return "Phonepe";
    case qrPaymentMode::Amazon_Pay: return "Amazon Pay";
    case qrPaymentMode::Cards: return "Cards";
    case qrPaymentMode::UPI: return "UPI";
    case qrPaymentMode::SMS_Pay: return "SMS Pay";
  }
  return "";
}

inline std::optional<qrPaymentMode> fromRaw(std::string_view raw, qrPaymentMode*) {
  for (auto value : {qrPaymentMode::BHIM, qrPaymentMode::Google_Pay, qrPaymentMode::Paytm, qrPaymentMode::Phonepe,
                     qrPaymentMode::Amazon_Pay, qrPaymentMode::Cards, qrPaymentMode::UPI, qrPaymentMode::SMS_Pay}) {
    if (rawValue(value) == raw) return value;
  }
  return std::nullopt;
}

}  // namespace kassio
