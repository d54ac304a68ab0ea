#include "sandbox/CustomerDesk.h"

#include <regex>

#include "kassio/transactions/GetCustomerResponse.h"
#include "kassio/transactions/LoyaltyResponse.h"
#include "kassio/transactions/SimpleAPIResponse.h"
#include "sandbox/Money.h"

namespace kassio::sandbox {

BankReply CustomerDesk::getCustomer(const CustomerRequest& request) {
  GetCustomerResponse result;
  result.status = "Failed";
  result.errorCode = invalidRequestCode;
  const SeedTerminal* terminal = bank_.terminalNamed(request.terminalId);
  if (!terminal || !BankContext::enables(*terminal, "payLater")) {
    result.respMsg = "Terminal " + request.terminalId + " does not offer pay later";
  } else if (!isMobileNumber(request.mobileNumber)) {
    result.respMsg = "Invalid mobile number";
  } else if (auto customer = bank_.store().customer(request.mobileNumber)) {
    result.plCustID = customer->plCustID;
    result.payLaterBalance = rupeesText(bank_.payLaterAvailable(*customer));
    result.status = "Success";
    result.respMsg = "Customer found";
    result.address = customer->address;
    result.name = customer->name;
    result.custDescription = customer->description;
    result.errorCode = successCode;
  } else {
    result.respMsg = "Customer not found";
    result.errorCode = "L114";
  }
  return recordReply(result);
}

BankReply CustomerDesk::loyalty(const CustomerRequest& request) {
  LoyaltyResponse result;
  const bool knownTerminal = bank_.terminalNamed(request.terminalId) != nullptr;
  if (!knownTerminal || !isMobileNumber(request.mobileNumber)) {
    result.status = "Failed";
    result.message = knownTerminal ? "Invalid mobile number" : "Unknown terminal " + request.terminalId;
    result.errorCode = invalidRequestCode;
    return recordReply(result);
  }
  auto visits = [&](double days) {
    BankStore::Query query;
    query.customerMobile = request.mobileNumber;
    query.statuses = {"SaleSuccess"};
    query.from = bank_.now() - days * secondsPerDay;
    return bank_.store().totals(query);
  };
  const auto last30 = visits(30);
  const auto last90 = visits(90);
  const SeedLoyalty* member = bank_.loyaltyMember(request.mobileNumber);
  const bool known = last90.count > 0 || member;
  LoyaltyDetail detail;
  if (member) {
    detail.flag = member->flag;
    detail.status = member->status;
    detail.text1 = member->text1;
  }
  detail.customer = known ? "repeat" : "new";
  detail.count30 = std::to_string(last30.count);
  detail.count90 = std::to_string(last90.count);
  detail.spend30 = rupeesText(last30.paise);
  detail.spend90 = rupeesText(last90.paise);
  result.status = "Success";
  result.message = known ? "Returning customer" : "New customer";
  result.errorCode = successCode;
  result.loyaltyDetail = detail;
  return recordReply(result);
}

BankReply CustomerDesk::upiCheck(const UpiCheckRequest& request) {
  static const std::regex address(R"([A-Za-z0-9._-]{2,256}@[A-Za-z][A-Za-z0-9]{1,63})");
  const SeedTerminal* terminal = bank_.terminalNamed(request.terminalId);
  if (!terminal || !BankContext::enables(*terminal, "upiCollect"))
    return recordReply(
        SimpleAPIResponse{"Failed", invalidRequestCode, "Terminal " + request.terminalId + " does not offer UPI collect"});
  if (!std::regex_match(request.payerUpiId, address))
    return recordReply(SimpleAPIResponse{"Failed", "U16", "Not a UPI ID"});
  const auto customer = bank_.store().customerWithUpiId(request.payerUpiId);
  if (!customer) return recordReply(SimpleAPIResponse{"Failed", "U17", "UPI ID not found"});
  // The holder's name is what a UPI app shows when an address is verified.
  return recordReply(
      SimpleAPIResponse{"Success", successCode, customer->name ? "UPI ID verified: " + *customer->name : "UPI ID verified"});
}

}  // namespace kassio::sandbox
