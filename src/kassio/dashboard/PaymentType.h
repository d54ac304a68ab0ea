#pragma once

#include <optional>
#include <string_view>

namespace kassio {

// The payment channel of a dashboard transaction. There is no raw value "8".
enum class PaymentType {
  Cards,
  UPI,
  BharatQR,
  LinkPay,
  Wallets,
  Cash,
  CashPos,
  BankEMI,
};

inline std::string_view rawValue(PaymentType value) {
  switch (value) {
    case PaymentType::Cards: return "1";
    case PaymentType::UPI: return "2";
    case PaymentType::BharatQR: return "3";
    case PaymentType::LinkPay: return "4";
    case PaymentType::Wallets: return "5";
    case PaymentType::Cash: return "6";
    case PaymentType::CashPos: return "7";
    case PaymentType::BankEMI: return "10";
  }
  return "";
}

inline std::optional<PaymentType> fromRaw(std::string_view raw, PaymentType*) {
  for (auto value : {PaymentType::Cards, PaymentType::UPI, PaymentType::BharatQR, PaymentType::LinkPay,
                     PaymentType::Wallets, PaymentType::Cash, PaymentType::CashPos, PaymentType::BankEMI}) {
    if (rawValue(value) == raw) return value;
  }
  return std::nullopt;
}

}  // namespace kassio
