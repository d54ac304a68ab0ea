#pragma once

namespace kassio {

// The host flow a screen runs in: the business hub (a mode button opens its details at once) or
// the settlement of a pay-later due (pick a mode, then confirm). Screens hold an optional flow;
// no flow is a third state of its own.
enum class PaymentFlowType {
  nimbleport,
  payLater,
};

}  // namespace kassio
