#pragma once

#include <optional>

namespace kassio {

// The case of an enumeration with raw values whose raw value is `raw`, or none:
// enumFromRaw<PaymentModeType>(3). Finds the enumeration's fromRaw(raw, E*) beside it.
template <class E, class Raw>
std::optional<E> enumFromRaw(const Raw& raw) {
  return fromRaw(raw, static_cast<E*>(nullptr));
}

}  // namespace kassio
