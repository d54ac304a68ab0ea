#pragma once

#include <optional>
#include <string_view>

namespace kassio {

// The customer's payment app.
enum class paymentApp {
  BHIM,
  Google_Pay,
  Paytm,
  Phonepe,
  Amazon_Pay,
};

inline std::string_view rawValue(paymentApp value) {
  switch (value) {
    case paymentApp::BHIM: return "BHIM";
    case paymentApp::Google_Pay: return "Google Pay";
    case paymentApp::Paytm: return "Paytm";
    case paymentApp::Phonepe: return "Phonepe";
    case paymentApp::Amazon_Pay: return "Amazon Pay";
  }
  return "";
}

inline std::optional<paymentApp> fromRaw(std::string_view raw, paymentApp*) {
  for (auto value :
       {paymentApp::BHIM, paymentApp::Google_Pay, paymentApp::Paytm, paymentApp::Phonepe, paymentApp::Amazon_Pay}) {
    if (rawValue(value) == raw) return value;
  }
  return std::nullopt;
}

}  // namespace kassio
