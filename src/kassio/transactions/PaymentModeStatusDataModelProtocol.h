#pragma once

#include <string>

namespace kassio {

// What the payment status screen reads of a payment: seventeen texts, the empty text where the
// payment has no value. Any record can stand in, such as one built from a dashboard transaction.
class PaymentModeStatusDataModelProtocol {
 public:
  virtual ~PaymentModeStatusDataModelProtocol() = default;

  virtual std::string customerName() const = 0;
  virtual std::string merchantVPA() const = 0;
  virtual std::string amount() const = 0;
  virtual std::string paymentMode() const = 0;
  virtual std::string txnId() const = 0;
  virtual std::string utr() const = 0;
  virtual std::string cardNumber() const = 0;
  virtual std::string contactNo() const = 0;
  virtual std::string status() const = 0;  // the backend's status text
  virtual std::string statusMessage() const = 0;
  virtual std::string terminalID() const = 0;
  virtual std::string upiSettlementType() const = 0;
  virtual std::string redemptionData() const = 0;  // the offer redemption id of the payment
  virtual std::string desc() const = 0;
  virtual std::string bankReferenceId() const = 0;
  virtual std::string date() const = 0;
  virtual std::string payerVPA() const = 0;
};

}  // namespace kassio
