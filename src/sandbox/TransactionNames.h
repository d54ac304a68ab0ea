#pragma once

#include <optional>
#include <string_view>

#include "kassio/dashboard/PaymentType.h"
#include "kassio/dashboard/TxnState.h"

// The bank writes payment channels and transaction states by their case names ("Cash",
// "SaleSuccess") in its seed and its store, and by their raw values on the wire.
namespace kassio::sandbox {

// Pay later is a channel of its own at the bank, with no payment type on the wire.
inline constexpr std::string_view payLaterKind = "PayLater";

std::optional<PaymentType> paymentTypeNamed(std::string_view name);
std::string_view nameOf(PaymentType type);
// A payment type's name or "PayLater".
bool isTransactionKind(std::string_view name);

std::optional<TxnState> txnStateNamed(std::string_view name);
std::string_view nameOf(TxnState state);

}  // namespace kassio::sandbox
