#pragma once

#include <string>
#include <string_view>

namespace kassio::sandbox {

// A UPI payment link that any UPI app opens from a scanned QR code:
// upi://pay?pa=<payee VPA>&pn=<payee name>&tr=<reference>&tn=<note>&am=<amount>&cu=INR.
// Values are percent-encoded; an empty note is left out.
std::string upiPaymentUri(std::string_view payeeVpa, std::string_view payeeName, std::string_view reference,
                          std::string_view note, std::string_view amountRupees);

}  // namespace kassio::sandbox
