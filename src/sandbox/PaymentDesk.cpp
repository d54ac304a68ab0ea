#include "sandbox/PaymentDesk.h"

#include <algorithm>

#include "kassio/transactions/AddPayLaterTxnResponse.h"
#include "kassio/transactions/AuthCustomeWire.h"
#include "kassio/transactions/CashPayResponse.h"
#include "kassio/transactions/LinkPayResponse.h"
#include "sandbox/Money.h"
#include "sandbox/QrCodePng.h"
#include "sandbox/TransactionNames.h"
#include "sandbox/UpiPaymentUri.h"

namespace kassio::sandbox {

namespace {

// A card payment not completed this long after it started has lost its reader session.
constexpr double cardSessionSeconds = 300;

std::optional<UPICollectStatusCode> statusCode(const std::string& code) {
  return fromRaw(code, static_cast<UPICollectStatusCode*>(nullptr));
}

BankReply cashDecline(std::string message, const std::string& code) {
  return recordReply(CashPayResponse{"Failed", std::move(message), std::nullopt, std::nullopt, statusCode(code)});
}

}  // namespace

// A known terminal enabled for the mode, an amount, a mobile number where one is given or
// needed, and an offer redemption made for this terminal, mode and amount and not yet used.
// Messages never repeat the customer's number.
std::optional<PaymentDesk::Decline> PaymentDesk::check(const Payment& payment, Charge& charge) {
  charge.terminal = bank_.terminalNamed(payment.tid);
  if (!charge.terminal) return Decline{"Unknown terminal " + payment.tid, invalidRequestCode};
  if (!BankContext::enables(*charge.terminal, payment.capability))
    return Decline{"Terminal " + payment.tid + " is not enabled for this payment mode", invalidRequestCode};
  const auto paise = paiseFromRupees(payment.amount);
  if (!paise || *paise == 0) return Decline{"Invalid amount \"" + payment.amount + "\"", "P109"};
  charge.paise = *paise;
  if ((payment.mobileRequired || !payment.mobile.empty()) && !isMobileNumber(payment.mobile))
    return Decline{"Invalid mobile number", invalidRequestCode};
  if (payment.redemptionId.empty()) return std::nullopt;
  const auto id = wholeNumber(payment.redemptionId);
  charge.redemption = id ? bank_.store().redemption(*id) : std::nullopt;
  const auto refused = [&](const std::string& why) {
    return Decline{"Offer redemption " + payment.redemptionId + " " + why, invalidRequestCode};
  };
  if (!charge.redemption) return refused("does not exist");
  if (charge.redemption->transactionId) return refused("was already used");
  if (charge.redemption->terminalId != payment.tid) return refused("was made for another terminal");
  if (charge.redemption->paymentMode != payment.offerMode) return refused("was made for another payment mode");
  if (charge.redemption->transactionAmount != charge.paise)
    return refused("was made for a payable amount of " + rupeesText(charge.redemption->transactionAmount));
  return std::nullopt;
}

void PaymentDesk::useRedemption(Charge& charge, BankStore::Transaction& txn) {
  if (!charge.redemption) return;
  charge.redemption->transactionId = txn.txnid;
  charge.redemption->status = txn.status == "SaleSuccess" ? "Success" : "InProgress";
  charge.redemption->updatedAt = txn.requestedAt;
  bank_.store().update(*charge.redemption);
  txn.redemptionId = charge.redemption->id;
}

BankReply PaymentDesk::cashPay(const CashPayRequest& request) {
  Charge charge;
  if (auto decline = check({"cash", "Cash", request.terminalId, request.amount, request.mobileNumber, false,
                            request.offerRedemptionId},
                           charge))
    return cashDecline(decline->message, decline->code);
  auto txn = bank_.newTransaction("Cash", "SaleSuccess", *charge.terminal, charge.paise, bank_.now());
  txn.completedAt = txn.requestedAt;
  txn.description = nonEmpty(request.description);
  txn.message = "Cash payment received";
  txn.customerMobile = nonEmpty(request.mobileNumber);
  txn.customerName = bank_.customerName(request.mobileNumber);
  txn.payLaterCustomerId = nonEmpty(request.payLaterCustomerId);
  useRedemption(charge, txn);
  bank_.store().insert(txn);
  return recordReply(CashPayResponse{"Success", txn.message, txn.txnid, std::nullopt, UPICollectStatusCode::success});
}

std::optional<PaymentDesk::Decline> PaymentDesk::startCollect(const CollectRequest& request,
                                                              std::string_view capability, std::string_view offerMode,
                                                              bool mobileRequired, std::string_view kind,
                                                              Charge& charge, BankStore::Transaction& txn) {
  if (auto decline = check({capability, offerMode, request.terminalId, request.amount, request.mobileNumber,
                            mobileRequired, request.offerRedemptionId},
                           charge))
    return decline;
  if (!charge.terminal->vpa)
    return Decline{"Terminal " + charge.terminal->tid + " has no UPI address", invalidRequestCode};
  txn = bank_.newTransaction(kind, "InProgress", *charge.terminal, charge.paise, bank_.now());
  txn.description = nonEmpty(request.description);
  txn.customerMobile = nonEmpty(request.mobileNumber);
  txn.customerName = bank_.customerName(request.mobileNumber);
  txn.payLaterCustomerId = nonEmpty(request.payLaterCustomerId);
  return std::nullopt;
}

BankReply PaymentDesk::linkPay(const CollectRequest& request) {
  Charge charge;
  BankStore::Transaction txn;
  if (auto decline = startCollect(request, "smsPay", "SMS Pay", true, "LinkPay", charge, txn)) {
    return recordReply(LinkPayResponse{"Failed", decline->message, std::nullopt, std::nullopt, std::nullopt,
                                       statusCode(decline->code)});
  }
  txn.message = "Payment link sent to the customer";
  useRedemption(charge, txn);
  bank_.store().insert(txn);
  return recordReply(
      LinkPayResponse{"Success", txn.message, txn.txnid, txn.merchantVpa, std::nullopt, UPICollectStatusCode::inProgress});
}

BankReply PaymentDesk::qrPay(const CollectRequest& request) {
  Charge charge;
  BankStore::Transaction txn;
  if (auto decline = startCollect(request, "bharatQr", "BharatQR", false, "BharatQR", charge, txn))
    return failureReply(decline->message, 200, decline->code);
  const std::string payee = charge.terminal->payeeName.value_or(charge.terminal->tid);
  const auto png = qrCodePng(
      upiPaymentUri(*txn.merchantVpa, payee, txn.txnid, txn.description.value_or(""), rupeesText(txn.amountPaise)));
  if (!png) return failureReply("The QR code could not be made", 500);
  txn.message = "Waiting for the customer to pay";
  useRedemption(charge, txn);
  bank_.store().insert(txn);
  return {200, std::string(pngContentType), *png};
}

BankReply PaymentDesk::addPayLaterTxn(const PayLaterRequest& request) {
  auto decline = [](std::string message, std::string code) {
    return recordReply(AddPayLaterTxnResponse{"Failed", std::move(message), std::nullopt, std::nullopt, std::nullopt,
                                              std::move(code)});
  };
  Charge charge;
  if (auto declined = check({"payLater", "", request.terminalId, request.amount, request.mobileNumber, true, ""}, charge))
    return decline(declined->message, declined->code);
  auto& store = bank_.store();
  auto customer = store.customer(request.mobileNumber);
  bool registering = false;
  if (request.isNewCustomer) {
    if (customer) return decline("The customer is already registered for pay later", "L115");
    if (request.name.empty()) return decline("A name is needed to register a pay-later customer", "L116");
    const auto& newLimit = bank_.seed().payLaterLimitForNewCustomers;
    if (!newLimit) return decline("Pay later is not offered to new customers", "L118");
    customer = BankStore::Customer{request.mobileNumber, store.nextCustomerId(), request.name,
                                   nonEmpty(request.address), std::nullopt, std::nullopt,
                                   paiseFromRupees(*newLimit).value_or(0)};
    registering = true;
  } else if (!customer) {
    return decline("The customer is not registered for pay later", "L114");
  }
  const std::int64_t available = registering ? customer->payLaterLimitPaise : bank_.payLaterAvailable(*customer);
  if (charge.paise > available)
    return decline("Insufficient pay-later balance: " + rupeesText(std::max<std::int64_t>(available, 0)) + " available",
                   "L117");
  if (registering) store.insert(*customer);
  auto txn = bank_.newTransaction(payLaterKind, "SaleSuccess", *charge.terminal, charge.paise, bank_.now());
  txn.completedAt = txn.requestedAt;
  txn.description = nonEmpty(request.description);
  txn.message = "Pay-later purchase recorded";
  txn.customerMobile = request.mobileNumber;
  txn.customerName = customer->name;
  txn.payLaterCustomerId = std::to_string(customer->plCustID);
  store.insert(txn);
  return recordReply(AddPayLaterTxnResponse{"Success", txn.message, txn.payLaterCustomerId, txn.txnid, std::nullopt,
                                            successCode});
}

BankReply PaymentDesk::handleCardTxnData(const CardTxnRequest& request) {
  auto& store = bank_.store();
  if (request.transactionId.empty()) {
    Charge charge;
    if (auto declined =
            check({"card", "Card", request.terminalId, request.amount, request.contactNumber, false, ""}, charge))
      return cashDecline(declined->message, declined->code);
    auto txn = bank_.newTransaction("Cards", "Initiated", *charge.terminal, charge.paise, bank_.now());
    txn.description = nonEmpty(request.description);
    txn.message = "Card payment started";
    txn.customerMobile = nonEmpty(request.contactNumber);
    txn.customerName = bank_.customerName(request.contactNumber);
    store.insert(txn);
    return recordReply(CashPayResponse{"Success", txn.message, txn.txnid, std::nullopt, UPICollectStatusCode::inProgress});
  }
  auto txn = store.transaction(request.transactionId);
  if (!txn || txn->kind != "Cards" || txn->status != "Initiated" || txn->terminalId != request.terminalId)
    return cashDecline("No card payment " + request.transactionId + " is waiting on terminal " + request.terminalId,
                       invalidRequestCode);
  if (paiseFromRupees(request.amount) != txn->amountPaise)
    return cashDecline("The amount differs from the card payment that was started", "P109");
  if (request.reference1.empty() || request.reference2.empty())
    return cashDecline("The card reader's references are missing", invalidRequestCode);
  const double at = bank_.now();
  txn->completedAt = at;
  if (at - txn->requestedAt > cardSessionSeconds) {
    txn->status = "SaleFailed";
    txn->message = "Card session expired";
    store.update(*txn);
    return cashDecline(*txn->message, "E105");
  }
  txn->status = "SaleSuccess";
  txn->message = "Card payment approved";
  txn->issuerRefNo = request.reference1;
  txn->utr = request.reference2;
  store.update(*txn);
  return recordReply(CashPayResponse{"Success", txn->message, txn->txnid, std::nullopt, UPICollectStatusCode::success});
}

BankReply PaymentDesk::validateCardTxnSession() {
  BankStore::Query waiting;
  waiting.kind = "Cards";
  waiting.statuses = {"Initiated"};
  waiting.from = bank_.now() - cardSessionSeconds;
  const auto latest = bank_.store().transactions(waiting, 1);
  if (latest.empty())
    return recordReply(CashPayResponse{"Failed", "No card session in progress", std::nullopt, std::nullopt,
                                       UPICollectStatusCode::sessionExpired});
  return recordReply(
      CashPayResponse{"Success", "Card session active", latest.front().txnid, std::nullopt, UPICollectStatusCode::success});
}

}  // namespace kassio::sandbox
