#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <tuple>

#include "kassio/dashboard/paymentApp.h"
#include "kassio/dashboard/qrPaymentMode.h"
#include "kassio/platform/json/JsonField.h"

namespace kassio::sandbox {

// A transaction the store starts with, dated relative to the day the store is created.
struct SeedTransaction {
  std::string tid;
  std::string paymentType;            // a PaymentType case name ("Cash", "BharatQR") or "PayLater"
  std::optional<std::string> status;  // a TxnState case name; "SaleSuccess" when absent
  std::string amount;                 // rupees
  std::optional<std::int64_t> daysAgo;
  std::string time;  // "HH:mm:ss", bank time
  std::optional<std::string> mobileNumber;
  std::optional<std::string> customerName;
  std::optional<std::string> description;
  std::optional<std::string> payerVpa;
  std::optional<kassio::qrPaymentMode> qrPaymentMode;
  std::optional<kassio::paymentApp> paymentApp;
  std::optional<std::string> cardNumber;
  std::optional<std::string> cardNetwork;
  std::optional<std::string> issuerRefNo;
  std::optional<std::string> utr;

  static constexpr auto jsonFields = std::make_tuple(
      platform::jsonField("tid", &SeedTransaction::tid), platform::jsonField("paymentType", &SeedTransaction::paymentType),
      platform::jsonField("status", &SeedTransaction::status), platform::jsonField("amount", &SeedTransaction::amount),
      platform::jsonField("daysAgo", &SeedTransaction::daysAgo), platform::jsonField("time", &SeedTransaction::time),
      platform::jsonField("mobileNumber", &SeedTransaction::mobileNumber),
      platform::jsonField("customerName", &SeedTransaction::customerName),
      platform::jsonField("description", &SeedTransaction::description),
      platform::jsonField("payerVpa", &SeedTransaction::payerVpa),
      platform::jsonField("qrPaymentMode", &SeedTransaction::qrPaymentMode),
      platform::jsonField("paymentApp", &SeedTransaction::paymentApp),
      platform::jsonField("cardNumber", &SeedTransaction::cardNumber),
      platform::jsonField("cardNetwork", &SeedTransaction::cardNetwork),
      platform::jsonField("issuerRefNo", &SeedTransaction::issuerRefNo), platform::jsonField("utr", &SeedTransaction::utr));
};

}  // namespace kassio::sandbox
