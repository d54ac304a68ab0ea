#pragma once

#include <optional>
#include <string_view>

namespace kassio {

// The state of a dashboard transaction.
enum class TxnState {
  Initiated,
  InProgress,
  SaleSuccess,
  SaleFailed,
  RefundSuccess,
  RefundedFailed,
  Refunded,
};

inline std::string_view rawValue(TxnState value) {
  switch (value) {
    case TxnState::Initiated: return "1";
    case TxnState::InProgress: return "2";
    case TxnState::SaleSuccess: return "3";
    case TxnState::SaleFailed: return "4";
    case TxnState::RefundSuccess: return "5";
    case TxnState::RefundedFailed: return "6";
    case TxnState::Refunded: return "7";
  }
  return "";
}

inline std::optional<TxnState> fromRaw(std::string_view raw, TxnState*) {
  for (auto value : {TxnState::Initiated, TxnState::InProgress, TxnState::SaleSuccess, TxnState::SaleFailed,
                     TxnState::RefundSuccess, TxnState::RefundedFailed, TxnState::Refunded}) {
    if (rawValue(value) == raw) return value;
  }
  return std::nullopt;
}

}  // namespace kassio
