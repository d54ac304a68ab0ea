#include "sandbox/BankContext.h"

#include <algorithm>
#include <cstdio>
#include <stdexcept>
#include <utility>

#include "kassio/dashboard/TransactionParam.h"
#include "sandbox/Money.h"
#include "sandbox/TransactionNames.h"

namespace kassio::sandbox {

namespace {

std::string transactionPrefix(std::string_view kind) {
  static const std::map<std::string_view, const char*> prefixes{
      {"Cards", "CRD"},   {"UPI", "UPI"},   {"BharatQR", "BQR"}, {"LinkPay", "LNK"}, {"Wallets", "WLT"},
      {"Cash", "CSH"},    {"CashPos", "POS"}, {"BankEMI", "EMI"}, {payLaterKind, "PLT"}};
  const auto found = prefixes.find(kind);
  return found == prefixes.end() ? "TXN" : found->second;
}

}  // namespace

std::optional<std::string> nonEmpty(const std::string& text) {
  return text.empty() ? std::nullopt : std::optional<std::string>(text);
}

std::optional<std::int64_t> wholeNumber(std::string_view text) {
  if (text.empty() || text.size() > 15) return std::nullopt;
  std::int64_t value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
  }
  return value;
}

BankContext::BankContext(BankSeed seed, std::unique_ptr<BankStore> store, Clock clock)
    : seed_(std::move(seed)),
      store_(std::move(store)),
      clock_(std::move(clock)),
      statementTime_("dd-MM-yyyy HH:mm:ss", "en_US_POSIX", seed_.timeZone),
      dayTime_("yyyy-MM-dd HH:mm:ss", "en_US_POSIX", seed_.timeZone),
      day_("yyyy-MM-dd", "en_US_POSIX", seed_.timeZone),
      dayFirst_("dd-MM-yyyy", "en_US_POSIX", seed_.timeZone),
      idDay_("yyMMdd", "en_US_POSIX", seed_.timeZone) {
  for (const auto& terminal : seed_.terminals) terminals_[terminal.tid] = &terminal;
  for (const auto& entry : seed_.loyalty) loyalty_[entry.mobileNumber] = &entry;
}

void BankContext::plantSeed() {
  if (store_->isSeeded()) return;
  auto transaction = store_->transaction();
  for (const auto& customer : seed_.customers) {
    store_->insert(BankStore::Customer{customer.mobileNumber, customer.plCustID, customer.name, customer.address,
                                       customer.custDescription, customer.upiId,
                                       paiseFromRupees(customer.payLaterLimit.value_or("0")).value_or(0)});
  }
  for (const auto& seeded : seed_.transactions) store_->insert(seededTransaction(seeded));
  store_->markSeeded();
  transaction.commit();
}

const SeedTerminal* BankContext::terminalNamed(const std::string& tid) const {
  const auto found = terminals_.find(tid);
  return found == terminals_.end() ? nullptr : found->second;
}

const SeedLoyalty* BankContext::loyaltyMember(const std::string& mobile) const {
  const auto found = loyalty_.find(mobile);
  return found == loyalty_.end() ? nullptr : found->second;
}

bool BankContext::enables(const SeedTerminal& terminal, std::string_view capability) {
  const auto& names = terminal.enabled;
  return names && std::find(names->begin(), names->end(), capability) != names->end();
}

// An end bound includes its day or second; the outer none is text that is no date.
std::optional<std::optional<double>> BankContext::bound(const std::string& text, bool isEnd) const {
  if (text.empty()) return std::optional<double>();
  const double endSlack = isEnd ? 1 : 0;
  if (auto instant = dayTime_.date(text)) return instant->secondsSince1970 + endSlack;
  if (auto instant = statementTime_.date(text)) return instant->secondsSince1970 + endSlack;
  for (const auto* format : {&day_, &dayFirst_}) {
    if (!format->date(text)) continue;
    const auto& withTime = format == &day_ ? dayTime_ : statementTime_;
    if (auto moment = withTime.date(text + (isEnd ? " 23:59:59" : " 00:00:00")))
      return moment->secondsSince1970 + endSlack;
  }
  return std::nullopt;
}

std::optional<BankStore::Query> BankContext::rangeQuery(const std::string& start, const std::string& end) const {
  const auto from = bound(start, false);
  const auto until = bound(end, true);
  if (!from || !until) return std::nullopt;
  BankStore::Query query;
  query.from = *from;
  query.until = *until;
  return query;
}

std::optional<double> BankContext::dayTimeInstant(const std::string& text) const {
  const auto date = dayTime_.date(text);
  return date ? std::optional<double>(date->secondsSince1970) : std::nullopt;
}

BankStore::Transaction BankContext::newTransaction(std::string_view kind, std::string_view status,
                                                   const SeedTerminal& terminal, std::int64_t paise, double at) {
  BankStore::Transaction txn;
  char number[16];
  std::snprintf(number, sizeof number, "%06lld", static_cast<long long>(store_->nextTransactionNumber()));
  txn.txnid = transactionPrefix(kind) + idDay_.string({at}) + number;
  txn.kind = kind;
  txn.status = status;
  txn.terminalId = terminal.tid;
  txn.amountPaise = paise;
  txn.requestedAt = at;
  txn.merchantVpa = terminal.vpa;
  return txn;
}

BankStore::Transaction BankContext::seededTransaction(const SeedTransaction& seeded) {
  const double today = now();
  const std::string date = day_.string({today - static_cast<double>(seeded.daysAgo.value_or(0)) * secondsPerDay});
  const auto at = dayTime_.date(date + " " + seeded.time);
  if (!at) throw std::runtime_error("seed transaction at " + seeded.time + " falls in no day");
  const std::string status = seeded.status.value_or("SaleSuccess");
  auto txn = newTransaction(seeded.paymentType, status, *terminalNamed(seeded.tid),
                            paiseFromRupees(seeded.amount).value_or(0), at->secondsSince1970);
  if (status != "Initiated" && status != "InProgress") txn.completedAt = txn.requestedAt;
  txn.description = seeded.description;
  txn.customerMobile = seeded.mobileNumber;
  txn.customerName = seeded.customerName;
  txn.payerVpa = seeded.payerVpa;
  if (seeded.qrPaymentMode) txn.qrPaymentMode = std::string(rawValue(*seeded.qrPaymentMode));
  if (seeded.paymentApp) txn.paymentApp = std::string(rawValue(*seeded.paymentApp));
  txn.cardNumber = seeded.cardNumber;
  txn.cardNetwork = seeded.cardNetwork;
  txn.issuerRefNo = seeded.issuerRefNo;
  txn.utr = seeded.utr;
  if (seeded.mobileNumber && seeded.paymentType == payLaterKind) {
    if (auto customer = store_->customer(*seeded.mobileNumber)) txn.payLaterCustomerId = std::to_string(customer->plCustID);
  }
  return txn;
}

std::optional<std::string> BankContext::customerName(const std::string& mobile) {
  if (mobile.empty()) return std::nullopt;
  auto customer = store_->customer(mobile);
  return customer ? customer->name : std::nullopt;
}

std::int64_t BankContext::payLaterAvailable(const BankStore::Customer& customer) {
  BankStore::Query spent;
  spent.customerMobile = customer.mobileNumber;
  spent.statuses = {"SaleSuccess"};
  spent.payLater = true;
  return customer.payLaterLimitPaise - store_->totals(spent).paise;
}

}  // namespace kassio::sandbox
