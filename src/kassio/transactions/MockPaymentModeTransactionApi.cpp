#include "kassio/transactions/MockPaymentModeTransactionApi.h"

namespace kassio {

void MockPaymentModeTransactionApi::loyalty(const std::string& /*mobileNumber*/, const std::string& /*tid*/,
                                            Completion<LoyaltyResponse> completion) {
  if (!completion) return;
  completion(shouldReturnError ? LoyaltyResponse{} : mockLoyaltyResponse.value_or(LoyaltyResponse{}));
}

void MockPaymentModeTransactionApi::addPayLaterTxn(const std::string& /*mobileNumber*/, const std::string& /*tid*/,
                                                   const std::string& /*amount*/, const std::string& /*address*/,
                                                   const std::string& /*name*/, const std::string& /*description*/,
                                                   const std::string& /*flag*/, bool /*isNew*/,
                                                   Completion<AddPayLaterTxnResponse> completion) {
  if (!completion) return;
  completion(shouldReturnError ? AddPayLaterTxnResponse{}
                               : mockAddPayLaterTxnResponse.value_or(AddPayLaterTxnResponse{}));
}

}  // namespace kassio
