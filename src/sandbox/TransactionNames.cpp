#include "sandbox/TransactionNames.h"

#include <array>
#include <utility>

namespace kassio::sandbox {

namespace {

constexpr std::array paymentTypes{
    std::pair{PaymentType::Cards, std::string_view("Cards")},     std::pair{PaymentType::UPI, std::string_view("UPI")},
    std::pair{PaymentType::BharatQR, std::string_view("BharatQR")}, std::pair{PaymentType::LinkPay, std::string_view("LinkPay")},
    std::pair{PaymentType::Wallets, std::string_view("Wallets")}, std::pair{PaymentType::Cash, std::string_view("Cash")},
    std::pair{PaymentType::CashPos, std::string_view("CashPos")}, std::pair{PaymentType::BankEMI, std::string_view("BankEMI")},
};

constexpr std::array txnStates{
    std::pair{TxnState::Initiated, std::string_view("Initiated")},
    std::pair{TxnState::InProgress, std::string_view("InProgress")},
    std::pair{TxnState::SaleSuccess, std::string_view("SaleSuccess")},
    std::pair{TxnState::SaleFailed, std::string_view("SaleFailed")},
    std::pair{TxnState::RefundSuccess, std::string_view("RefundSuccess")},
    std::pair{TxnState::RefundedFailed, std::string_view("RefundedFailed")},
    std::pair{TxnState::Refunded, std::string_view("Refunded")},
};

template <class Table, class Value>
std::optional<Value> named(const Table& table, std::string_view name) {
  for (const auto& [value, candidate] : table) {
    if (candidate == name) return value;
  }
  return std::nullopt;
}

template <class Table, class Value>
std::string_view nameIn(const Table& table, Value value) {
  for (const auto& [candidate, name] : table) {
    if (candidate == value) return name;
  }
  return {};
}

}  // namespace

std::optional<PaymentType> paymentTypeNamed(std::string_view name) {
  return named<decltype(paymentTypes), PaymentType>(paymentTypes, name);
}
std::string_view nameOf(PaymentType type) { return nameIn(paymentTypes, type); }
bool isTransactionKind(std::string_view name) { return name == payLaterKind || paymentTypeNamed(name).has_value(); }

std::optional<TxnState> txnStateNamed(std::string_view name) {
  return named<decltype(txnStates), TxnState>(txnStates, name);
}
std::string_view nameOf(TxnState state) { return nameIn(txnStates, state); }

}  // namespace kassio::sandbox
