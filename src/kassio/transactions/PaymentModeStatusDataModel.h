#pragma once

#include <string>
#include <tuple>
#include <utility>

#include "kassio/platform/json/JsonField.h"
#include "kassio/transactions/PaymentModeStatusDataModelProtocol.h"

namespace kassio {

// The payment a screen hands to the status screen. Built from its fields, named in order:
//   PaymentModeStatusDataModel({.amount = "100.00", .paymentMode = "Cash", .txnId = id, …})
class PaymentModeStatusDataModel final : public PaymentModeStatusDataModelProtocol {
 public:
  struct Fields {
    std::string customerName{};
    std::string merchantVPA{};
    std::string amount{};
    std::string paymentMode{};
    std::string txnId{};
    std::string utr{};
    std::string cardNumber{};
    std::string contactNo{};
    std::string status{};
    std::string statusMessage{};
    std::string terminalID{};
    std::string upiSettlementType{};
    std::string redemptionData{};
    std::string desc{};
    std::string bankReferenceId{};
    std::string date{};
    std::string payerVPA{};

    bool operator==(const Fields&) const = default;
    // For inspection (the status screen's dump); the model does not travel as JSON.
    static constexpr auto jsonFields = std::make_tuple(
        platform::jsonField("customerName", &Fields::customerName),
        platform::jsonField("merchantVPA", &Fields::merchantVPA), platform::jsonField("amount", &Fields::amount),
        platform::jsonField("paymentMode", &Fields::paymentMode), platform::jsonField("txnId", &Fields::txnId),
        platform::jsonField("utr", &Fields::utr), platform::jsonField("cardNumber", &Fields::cardNumber),
        platform::jsonField("contactNo", &Fields::contactNo), platform::jsonField("status", &Fields::status),
        platform::jsonField("statusMessage", &Fields::statusMessage),
        platform::jsonField("terminalID", &Fields::terminalID),
        platform::jsonField("upiSettlementType", &Fields::upiSettlementType),
        platform::jsonField("redemptionData", &Fields::redemptionData), platform::jsonField("desc", &Fields::desc),
        platform::jsonField("bankReferenceId", &Fields::bankReferenceId), platform::jsonField("date", &Fields::date),
        platform::jsonField("payerVPA", &Fields::payerVPA));
  };

  PaymentModeStatusDataModel() = default;
  explicit PaymentModeStatusDataModel(Fields fields) : fields_(std::move(fields)) {}

  const Fields& fields() const { return fields_; }

  std::string customerName() const override { return fields_.customerName; }
  std::string merchantVPA() const override { return fields_.merchantVPA; }
  std::string amount() const override { return fields_.amount; }
  std::string paymentMode() const override { return fields_.paymentMode; }
  std::string txnId() const override { return fields_.txnId; }
  std::string utr() const override { return fields_.utr; }
  std::string cardNumber() const override { return fields_.cardNumber; }
  std::string contactNo() const override { return fields_.contactNo; }
  std::string status() const override { return fields_.status; }
  std::string statusMessage() const override { return fields_.statusMessage; }
  std::string terminalID() const override { return fields_.terminalID; }
  std::string upiSettlementType() const override { return fields_.upiSettlementType; }
  std::string redemptionData() const override { return fields_.redemptionData; }
  std::string desc() const override { return fields_.desc; }
  std::string bankReferenceId() const override { return fields_.bankReferenceId; }
  std::string date() const override { return fields_.date; }
  std::string payerVPA() const override { return fields_.payerVPA; }

 private:
  Fields fields_;
};

}  // namespace kassio
