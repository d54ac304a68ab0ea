#include "sandbox/StatementDesk.h"

#include <algorithm>

#include "kassio/dashboard/MiniStatementResponse.h"
#include "kassio/dashboard/SalesCounterDataResponse.h"
#include "kassio/dashboard/TransactionParam.h"
#include "sandbox/Money.h"
#include "sandbox/TransactionNames.h"

namespace kassio::sandbox {

namespace {

TransactionParamFields statementEntry(const BankContext& bank, const BankStore::Transaction& txn) {
  TransactionParamFields entry;
  entry.txnid = txn.txnid;
  entry.requestTime = bank.statementTime(txn.requestedAt);
  entry.amount = rupeesText(txn.amountPaise);
  entry.merchantVPA = txn.merchantVpa;
  entry.paymentType = paymentTypeNamed(txn.kind);
  if (txn.kind == payLaterKind) entry.subType = std::string(payLaterKind);
  entry.status = txnStateNamed(txn.status);
  entry.txnmessage = txn.message;
  entry.customerMobile = txn.customerMobile;
  entry.transactionParamDescription = txn.description;
  if (txn.completedAt) entry.endTime = bank.statementTime(*txn.completedAt);
  entry.terminalID = txn.terminalId;
  entry.payerVpa = txn.payerVpa;
  entry.customerName = txn.customerName;
  entry.cardNumber = txn.cardNumber;
  entry.utr = txn.utr;
  entry.cardNetwork = txn.cardNetwork;
  entry.issuerRefNo = txn.issuerRefNo;
  if (txn.qrPaymentMode) entry.qrPaymentMode = fromRaw(*txn.qrPaymentMode, static_cast<qrPaymentMode*>(nullptr));
  if (txn.paymentApp) entry.paymentApp = fromRaw(*txn.paymentApp, static_cast<paymentApp*>(nullptr));
  if (txn.redemptionId) entry.redemptionList = std::vector<std::string>{std::to_string(*txn.redemptionId)};
  return entry;
}

}  // namespace

BankReply StatementDesk::miniStatement(const MiniStatementRequest& request) {
  platform::JsonValue result = platform::JsonValue::object();
  auto decline = [&](std::string message) {
    result["status"] = "Failed";
    result["message"] = std::move(message);
    result["errorCode"] = invalidRequestCode;
    return jsonReply(result);
  };
  if (request.filterType != "terminal") return decline("Unsupported filter type \"" + request.filterType + "\"");
  if (request.requestType != "miniStatement")
    return decline("Unsupported request type \"" + request.requestType + "\"");
  const auto count = wholeNumber(request.count);
  if (!count || *count == 0 || *count > 100) return decline("Invalid count \"" + request.count + "\"");
  auto query = bank_.rangeQuery(request.startDate, request.endDate);
  if (!query) return decline("Unreadable date range");
  for (const auto& state : request.transactionStates) {
    if (!txnStateNamed(state)) return decline("Unknown transaction state \"" + state + "\"");
  }
  query->terminalIds = request.terminalIds;
  query->statuses = request.transactionStates;
  platform::JsonValue entries = platform::JsonValue::array();
  // No terminals selected: nothing to show, rather than every terminal's transactions.
  if (!query->terminalIds.empty()) {
    for (const auto& txn : bank_.store().transactions(*query, *count))
      entries.push_back(platform::encodeJsonValue(statementEntry(bank_, txn)));
  }
  result["status"] = "Success";
  result["message"] = std::to_string(entries.size()) + " transactions";
  result["errorCode"] = successCode;
  result["transactionParams"] = std::move(entries);
  return jsonReply(result);
}

BankReply StatementDesk::sales(const SalesRequest& request) {
  SalesCounterDataResponse result;
  const auto range = bank_.rangeQuery(request.startDate, request.endDate);
  if (!range)
    return recordReply(SalesCounterDataResponse{"Failed", "Unreadable date range", invalidRequestCode, std::nullopt});
  std::vector<SalesCounterListData> counters;
  std::vector<std::string> seen;
  for (const auto& tid : request.terminalIds) {
    const SeedTerminal* terminal = bank_.terminalNamed(tid);
    if (!terminal || std::find(seen.begin(), seen.end(), tid) != seen.end()) continue;
    seen.push_back(tid);
    auto query = *range;
    query.terminalIds = {tid};
    query.statuses = {"SaleSuccess"};
    query.payLater = false;
    const auto sold = bank_.store().totals(query);
    query.payLater = true;
    const auto payLater = bank_.store().totals(query);
    counters.push_back(SalesCounterListData{terminal->mid, rupeesValue(sold.paise), sold.count,
                                            rupeesValue(payLater.paise), payLater.count,
                                            rupeesValue(sold.paise + payLater.paise), sold.count + payLater.count,
                                            terminal->area, tid});
  }
  result.status = "Success";
  result.message = "Sales of " + std::to_string(counters.size()) + " terminals";
  result.errorCode = successCode;
  result.saleCounterList = std::move(counters);
  return recordReply(result);
}

}  // namespace kassio::sandbox
