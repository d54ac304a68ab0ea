#include "sandbox/SandboxBank.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <map>
#include <regex>
#include <utility>
#include <variant>
#include <vector>

#include "kassio/banners/BannersResponse.h"
#include "kassio/dashboard/MiniStatementResponse.h"
#include "kassio/dashboard/SalesCounterDataResponse.h"
#include "kassio/dashboard/TransactionParam.h"
#include "kassio/offers/AddOfferRedemption.h"
#include "kassio/offers/CustomOfferDetails.h"
#include "kassio/offers/PaymentCustomOfferDetails.h"
#include "kassio/platform/foundation/Platform.h"
#include "kassio/platform/foundation/RunLoop.h"
#include "kassio/platform/json/Json.h"
#include "kassio/platform/text/DateFormatter.h"
#include "kassio/transactions/AddPayLaterTxnResponse.h"
#include "kassio/transactions/AuthCustomeWire.h"
#include "kassio/transactions/CashPayResponse.h"
#include "kassio/transactions/GetCustomerResponse.h"
#include "kassio/transactions/LinkPayResponse.h"
#include "kassio/transactions/LoyaltyResponse.h"
#include "kassio/transactions/SimpleAPIResponse.h"
#include "sandbox/BankSeed.h"
#include "sandbox/BankStore.h"
#include "sandbox/Money.h"
#include "sandbox/QrCodePng.h"
#include "sandbox/TransactionNames.h"
#include "sandbox/UpiPaymentUri.h"

namespace kassio::sandbox {

namespace {

constexpr double secondsPerDay = 86400;
// A card payment not completed this long after it started has lost its reader session.
constexpr double cardSessionSeconds = 300;
constexpr const char* successCode = "S101";
constexpr std::array<std::string_view, 5> everyPaymentMode{"Card", "BharatQR", "UPI Collect", "Cash", "SMS Pay"};

const std::string& textAt(const AuthCustome& request, std::size_t index) {
  return std::get<std::string>(request.args[index]);
}
const std::vector<std::string>& listAt(const AuthCustome& request, std::size_t index) {
  return std::get<std::vector<std::string>>(request.args[index]);
}
bool flagAt(const AuthCustome& request, std::size_t index) { return std::get<bool>(request.args[index]); }

BankReply jsonReply(const platform::JsonValue& value, int status = 200) {
  const std::string text = platform::writeJson(value);
  return {status, std::string(jsonContentType), std::vector<std::uint8_t>(text.begin(), text.end())};
}

template <class Record>
BankReply recordReply(const Record& record) {
  return jsonReply(platform::encodeJsonValue(record));
}

// The error body of every failed call, and of a QR request that was declined.
BankReply failureReply(std::string message, int status = 200) {
  platform::JsonValue body = platform::JsonValue::object();
  body["status"] = "Failed";
  body["respMsg"] = std::move(message);
  return jsonReply(body, status);
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

std::string transactionPrefix(std::string_view kind) {
  static const std::map<std::string_view, const char*> prefixes{
      {"Cards", "CRD"},   {"UPI", "UPI"},   {"BharatQR", "BQR"}, {"LinkPay", "LNK"}, {"Wallets", "WLT"},
      {"Cash", "CSH"},    {"CashPos", "POS"}, {"BankEMI", "EMI"}, {payLaterKind, "PLT"}};
  const auto found = prefixes.find(kind);
  return found == prefixes.end() ? "TXN" : found->second;
}

// Why a payment request was turned down, with the code the answer carries.
struct Decline {
  std::string message;
  std::string code;
};

// A payment request that passed the checks every payment shares.
struct Charge {
  const SeedTerminal* terminal = nullptr;
  std::int64_t paise = 0;
  std::optional<BankStore::Redemption> redemption;
};

}  // namespace

class SandboxBank::Teller {
 public:
  Teller(BankSeed seed, std::unique_ptr<BankStore> store, Clock clock)
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

  // A new store takes the seed's customers and transactions; a store seeded before keeps its own.
  void plantSeed() {
    if (store_->isSeeded()) return;
    store_->begin();
    try {
      for (const auto& customer : seed_.customers) {
        store_->insert(BankStore::Customer{customer.mobileNumber, customer.plCustID, customer.name, customer.address,
                                           customer.custDescription, customer.upiId,
                                           paiseFromRupees(customer.payLaterLimit.value_or("0")).value_or(0)});
      }
      for (const auto& seeded : seed_.transactions) store_->insert(seededTransaction(seeded));
      store_->markSeeded();
      store_->commit();
    } catch (...) {
      store_->rollback();
      throw;
    }
  }

  BankReply serve(const AuthCustome& request, const std::string& idempotencyKey) {
    const bool keyed = !idempotencyKey.empty() && changesPayments(request.kind);
    const std::string fingerprint =
        keyed ? std::string(request.caseName()) + " " + platform::writeJson(wireBody(request)) : std::string();
    try {
      store_->begin();
      if (keyed) {
        if (auto saved = store_->savedReply(idempotencyKey)) {
          store_->rollback();
          if (saved->request == fingerprint) return saved->reply;
          return failureReply("This idempotency key was used for another request", 422);
        }
      }
      BankReply reply = answer(request);
      if (keyed) store_->save(idempotencyKey, {fingerprint, reply});
      store_->commit();
      return reply;
    } catch (const std::exception& failure) {
      store_->rollback();
      return failureReply(std::string("The bank could not complete the request: ") + failure.what(), 500);
    }
  }

  std::optional<AuthMPosData> authMPosData(const std::string& tid) const {
    const SeedTerminal* terminal = terminalNamed(tid);
    if (!terminal) return std::nullopt;
    AuthMPosData data;
    data.responseMessagae = "Terminal " + tid + " is authorised";
    data.cardPaymentEnabled = enables(*terminal, "card");
    data.bharatQrPaymentEnabled = enables(*terminal, "bharatQr");
    data.upiCollectPaymentEnabled = enables(*terminal, "upiCollect");
    data.cashPaymentEnabled = enables(*terminal, "cash");
    data.smsPayPaymentEnabled = enables(*terminal, "smsPay");
    data.payLaterPaymentEnabled = enables(*terminal, "payLater");
    data.businessCreditCardsEnabled = enables(*terminal, "businessCreditCards");
    data.instaEnabled = enables(*terminal, "insta");
    data.jumboEnabled = enables(*terminal, "jumbo");
    data.leEnabled = enables(*terminal, "le");
    return data;
  }

 private:
  BankReply answer(const AuthCustome& request) {
    switch (request.kind) {
      case AuthCustomeCase::bannerList: return bannerList();
      case AuthCustomeCase::getCustomer: return getCustomer(textAt(request, 0), textAt(request, 1));
      case AuthCustomeCase::loyalty: return loyalty(textAt(request, 0), textAt(request, 1));
      case AuthCustomeCase::upiCheck: return upiCheck(textAt(request, 0), textAt(request, 1));
      case AuthCustomeCase::QRPay: return qrPay(request);
      case AuthCustomeCase::LinkPay: return linkPay(request);
      case AuthCustomeCase::cashPay: return cashPay(request);
      case AuthCustomeCase::addPayLaterTxn: return addPayLaterTxn(request);
      case AuthCustomeCase::handleCardTxnData: return handleCardTxnData(request);
      case AuthCustomeCase::validateCardTxnSession: return validateCardTxnSession();
      case AuthCustomeCase::oarCustomOfferBannerInfoV1:
        return offers(textAt(request, 0), listAt(request, 1), textAt(request, 2));
      case AuthCustomeCase::oarAddOfferRedeem: return addOfferRedeem(request);
      case AuthCustomeCase::oarOfferRedemptionData: return offerRedemptionData(textAt(request, 0));
      case AuthCustomeCase::miniStateMent: return miniStatement(request);
      case AuthCustomeCase::paymentSalesCardVelbank:
        return sales(listAt(request, 0), textAt(request, 2), textAt(request, 3));
    }
    return failureReply("Unknown request", 400);
  }

  // --- Terminals and time ---------------------------------------------------------------------

  const SeedTerminal* terminalNamed(const std::string& tid) const {
    const auto found = terminals_.find(tid);
    return found == terminals_.end() ? nullptr : found->second;
  }

  static bool enables(const SeedTerminal& terminal, std::string_view capability) {
    const auto& names = terminal.enabled;
    return names && std::find(names->begin(), names->end(), capability) != names->end();
  }

  double now() const { return clock_().secondsSince1970; }

  // A range bound: "yyyy-MM-dd" or "dd-MM-yyyy" (the whole day), with " HH:mm:ss" for an
  // instant; an end bound includes its day or second. Empty text leaves the side open; the
  // outer none is text that is no date.
  std::optional<std::optional<double>> bound(const std::string& text, bool isEnd) const {
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

  std::optional<BankStore::Query> rangeQuery(const std::string& start, const std::string& end) const {
    const auto from = bound(start, false);
    const auto until = bound(end, true);
    if (!from || !until) return std::nullopt;
    BankStore::Query query;
    query.from = *from;
    query.until = *until;
    return query;
  }

  std::string statementTime(double at) const { return statementTime_.string({at}); }

  // --- Transactions ---------------------------------------------------------------------------

  BankStore::Transaction newTransaction(std::string_view kind, std::string_view status, const SeedTerminal& terminal,
                                        std::int64_t paise, double at) {
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

  BankStore::Transaction seededTransaction(const SeedTransaction& seeded) {
    const double today = now();
    const std::string date = day_.string({today - static_cast<double>(seeded.daysAgo.value_or(0)) * secondsPerDay});
    const auto at = dayTime_.date(date + " " + seeded.time);
    if (!at) throw BankStore::Error("seed transaction at " + seeded.time + " falls in no day");
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

  static std::optional<std::string> nonEmpty(const std::string& text) {
    return text.empty() ? std::nullopt : std::optional<std::string>(text);
  }

  std::optional<std::string> customerName(const std::string& mobile) {
    if (mobile.empty()) return std::nullopt;
    auto customer = store_->customer(mobile);
    return customer ? customer->name : std::nullopt;
  }

  // The checks every payment shares: a known terminal enabled for the mode, an amount, a
  // mobile number where one is given or needed, and an offer redemption made for this terminal
  // and not yet used.
  std::optional<Decline> check(const std::string& tid, std::string_view capability, const std::string& amount,
                               const std::string& mobile, bool mobileRequired, const std::string& redemptionId,
                               Charge& charge) {
    charge.terminal = terminalNamed(tid);
    if (!charge.terminal) return Decline{"Unknown terminal " + tid, "P101"};
    if (!enables(*charge.terminal, capability))
      return Decline{"Terminal " + tid + " is not enabled for this payment mode", "P101"};
    const auto paise = paiseFromRupees(amount);
    if (!paise || *paise == 0) return Decline{"Invalid amount \"" + amount + "\"", "P109"};
    charge.paise = *paise;
    if ((mobileRequired || !mobile.empty()) && !isMobileNumber(mobile))
      return Decline{"Invalid mobile number \"" + mobile + "\"", "P101"};
    if (!redemptionId.empty()) {
      const auto id = wholeNumber(redemptionId);
      charge.redemption = id ? store_->redemption(*id) : std::nullopt;
      if (!charge.redemption || charge.redemption->transactionId || charge.redemption->terminalId != tid)
        return Decline{"Offer redemption " + redemptionId + " cannot be used for this payment", "P101"};
    }
    return std::nullopt;
  }

  void useRedemption(Charge& charge, BankStore::Transaction& txn) {
    if (!charge.redemption) return;
    charge.redemption->transactionId = txn.txnid;
    charge.redemption->status = txn.status == "SaleSuccess" ? "Success" : "InProgress";
    charge.redemption->updatedAt = txn.requestedAt;
    store_->update(*charge.redemption);
    txn.redemptionId = charge.redemption->id;
  }

  static std::optional<UPICollectStatusCode> statusCode(const std::string& code) {
    return fromRaw(code, static_cast<UPICollectStatusCode*>(nullptr));
  }

  // --- Payments -------------------------------------------------------------------------------

  // terminalId, amount, description, timestamp, pay-later customer id, mobile, redemption id
  BankReply cashPay(const AuthCustome& request) {
    const auto& mobile = textAt(request, 5);
    Charge charge;
    if (auto decline = check(textAt(request, 0), "cash", textAt(request, 1), mobile, false, textAt(request, 6), charge))
      return recordReply(CashPayResponse{"Failed", decline->message, std::nullopt, std::nullopt, statusCode(decline->code)});
    auto txn = newTransaction("Cash", "SaleSuccess", *charge.terminal, charge.paise, now());
    txn.completedAt = txn.requestedAt;
    txn.description = nonEmpty(textAt(request, 2));
    txn.message = "Cash payment received";
    txn.customerMobile = nonEmpty(mobile);
    txn.customerName = customerName(mobile);
    txn.payLaterCustomerId = nonEmpty(textAt(request, 4));
    useRedemption(charge, txn);
    store_->insert(txn);
    return recordReply(CashPayResponse{"Success", txn.message, txn.txnid, std::nullopt, UPICollectStatusCode::success});
  }

  // The collect requests: terminalId, amount, description, mobile, timestamp, flag, pay-later
  // customer id, redemption id.
  std::optional<Decline> startCollect(const AuthCustome& request, std::string_view capability, bool mobileRequired,
                                      std::string_view kind, Charge& charge, BankStore::Transaction& txn) {
    const auto& mobile = textAt(request, 3);
    if (auto decline = check(textAt(request, 0), capability, textAt(request, 1), mobile, mobileRequired,
                             textAt(request, 7), charge))
      return decline;
    if (!charge.terminal->vpa) return Decline{"Terminal " + charge.terminal->tid + " has no UPI address", "P101"};
    txn = newTransaction(kind, "InProgress", *charge.terminal, charge.paise, now());
    txn.description = nonEmpty(textAt(request, 2));
    txn.customerMobile = nonEmpty(mobile);
    txn.customerName = customerName(mobile);
    txn.payLaterCustomerId = nonEmpty(textAt(request, 6));
    return std::nullopt;
  }

  BankReply linkPay(const AuthCustome& request) {
    Charge charge;
    BankStore::Transaction txn;
    if (auto decline = startCollect(request, "smsPay", true, "LinkPay", charge, txn)) {
      return recordReply(LinkPayResponse{"Failed", decline->message, std::nullopt, std::nullopt, std::nullopt,
                                         statusCode(decline->code)});
    }
    txn.message = "Payment link sent to " + *txn.customerMobile;
    useRedemption(charge, txn);
    store_->insert(txn);
    return recordReply(
        LinkPayResponse{"Success", txn.message, txn.txnid, txn.merchantVpa, std::nullopt, UPICollectStatusCode::inProgress});
  }

  // The answer is the QR code itself: a UPI payment link for this transaction.
  BankReply qrPay(const AuthCustome& request) {
    Charge charge;
    BankStore::Transaction txn;
    if (auto decline = startCollect(request, "bharatQr", false, "BharatQR", charge, txn))
      return failureReply(decline->message);
    const std::string payee = charge.terminal->payeeName.value_or(charge.terminal->tid);
    const auto png = qrCodePng(
        upiPaymentUri(*txn.merchantVpa, payee, txn.txnid, txn.description.value_or(""), rupeesText(txn.amountPaise)));
    if (!png) return failureReply("The QR code could not be made", 500);
    txn.message = "Waiting for the customer to pay";
    useRedemption(charge, txn);
    store_->insert(txn);
    return {200, std::string(pngContentType), *png};
  }

  std::int64_t payLaterAvailable(const BankStore::Customer& customer) {
    BankStore::Query spent;
    spent.customerMobile = customer.mobileNumber;
    spent.statuses = {"SaleSuccess"};
    spent.payLater = true;
    return customer.payLaterLimitPaise - store_->totals(spent).paise;
  }

  // mobile, terminalId, amount, address, name, description, flag, isNewCustomer
  BankReply addPayLaterTxn(const AuthCustome& request) {
    const auto& mobile = textAt(request, 0);
    const auto& name = textAt(request, 4);
    const bool isNew = flagAt(request, 7);
    auto decline = [](std::string message, std::string code) {
      return recordReply(AddPayLaterTxnResponse{"Failed", std::move(message), std::nullopt, std::nullopt, std::nullopt,
                                                std::move(code)});
    };
    Charge charge;
    if (auto declined = check(textAt(request, 1), "payLater", textAt(request, 2), mobile, true, "", charge))
      return decline(declined->message, declined->code);
    auto customer = store_->customer(mobile);
    bool registering = false;
    if (isNew) {
      if (customer) return decline("Customer " + mobile + " is already registered for pay later", "L115");
      if (name.empty()) return decline("A name is needed to register a pay-later customer", "L116");
      if (!seed_.payLaterLimitForNewCustomers) return decline("Pay later is not offered to new customers", "L118");
      customer = BankStore::Customer{mobile,         store_->nextCustomerId(), name, nonEmpty(textAt(request, 3)),
                                     std::nullopt, std::nullopt,
                                     paiseFromRupees(*seed_.payLaterLimitForNewCustomers).value_or(0)};
      registering = true;
    } else if (!customer) {
      return decline("Customer " + mobile + " is not registered for pay later", "L114");
    }
    const std::int64_t available = registering ? customer->payLaterLimitPaise : payLaterAvailable(*customer);
    if (charge.paise > available)
      return decline("Insufficient pay-later balance: " + rupeesText(std::max<std::int64_t>(available, 0)) + " available",
                     "L117");
    if (registering) store_->insert(*customer);
    auto txn = newTransaction(payLaterKind, "SaleSuccess", *charge.terminal, charge.paise, now());
    txn.completedAt = txn.requestedAt;
    txn.description = nonEmpty(textAt(request, 5));
    txn.message = "Pay-later purchase recorded";
    txn.customerMobile = mobile;
    txn.customerName = customer->name;
    txn.payLaterCustomerId = std::to_string(customer->plCustID);
    store_->insert(txn);
    return recordReply(AddPayLaterTxnResponse{"Success", txn.message, txn.payLaterCustomerId, txn.txnid, std::nullopt,
                                              successCode});
  }

  // amount, terminalId, description, contact number, flag, status, reference 1, reference 2,
  // transaction id. Without a transaction id a card payment starts; with one it completes.
  BankReply handleCardTxnData(const AuthCustome& request) {
    const auto& amount = textAt(request, 0);
    const auto& tid = textAt(request, 1);
    const auto& transactionId = textAt(request, 8);
    auto decline = [](std::string message, const std::string& code) {
      return recordReply(CashPayResponse{"Failed", std::move(message), std::nullopt, std::nullopt, statusCode(code)});
    };
    if (transactionId.empty()) {
      const auto& contact = textAt(request, 3);
      Charge charge;
      if (auto declined = check(tid, "card", amount, contact, false, "", charge))
        return decline(declined->message, declined->code);
      auto txn = newTransaction("Cards", "Initiated", *charge.terminal, charge.paise, now());
      txn.description = nonEmpty(textAt(request, 2));
      txn.message = "Card payment started";
      txn.customerMobile = nonEmpty(contact);
      txn.customerName = customerName(contact);
      store_->insert(txn);
      return recordReply(CashPayResponse{"Success", txn.message, txn.txnid, std::nullopt, UPICollectStatusCode::inProgress});
    }
    auto txn = store_->transaction(transactionId);
    if (!txn || txn->kind != "Cards" || txn->status != "Initiated" || txn->terminalId != tid)
      return decline("No card payment " + transactionId + " is waiting on terminal " + tid, "P101");
    if (paiseFromRupees(amount) != txn->amountPaise)
      return decline("The amount differs from the card payment that was started", "P109");
    const auto& reference1 = textAt(request, 6);
    const auto& reference2 = textAt(request, 7);
    if (reference1.empty() || reference2.empty()) return decline("The card reader's references are missing", "P101");
    const double at = now();
    txn->completedAt = at;
    if (at - txn->requestedAt > cardSessionSeconds) {
      txn->status = "SaleFailed";
      txn->message = "Card session expired";
      store_->update(*txn);
      return decline(*txn->message, "E105");
    }
    txn->status = "SaleSuccess";
    txn->message = "Card payment approved";
    txn->issuerRefNo = reference1;
    txn->utr = reference2;
    store_->update(*txn);
    return recordReply(CashPayResponse{"Success", txn->message, txn->txnid, std::nullopt, UPICollectStatusCode::success});
  }

  // Whether a card payment was started recently enough to complete.
  BankReply validateCardTxnSession() {
    BankStore::Query waiting;
    waiting.kind = "Cards";
    waiting.statuses = {"Initiated"};
    waiting.from = now() - cardSessionSeconds;
    const auto latest = store_->transactions(waiting, 1);
    if (latest.empty())
      return recordReply(CashPayResponse{"Failed", "No card session in progress", std::nullopt, std::nullopt,
                                         UPICollectStatusCode::sessionExpired});
    return recordReply(
        CashPayResponse{"Success", "Card session active", latest.front().txnid, std::nullopt, UPICollectStatusCode::success});
  }

  // --- Customers ------------------------------------------------------------------------------

  BankReply getCustomer(const std::string& mobile, const std::string& tid) {
    GetCustomerResponse result;
    result.status = "Failed";
    const SeedTerminal* terminal = terminalNamed(tid);
    if (!terminal || !enables(*terminal, "payLater")) {
      result.respMsg = "Terminal " + tid + " does not offer pay later";
      result.errorCode = "P101";
    } else if (!isMobileNumber(mobile)) {
      result.respMsg = "Invalid mobile number \"" + mobile + "\"";
      result.errorCode = "P101";
    } else if (auto customer = store_->customer(mobile)) {
      result.plCustID = customer->plCustID;
      result.payLaterBalance = rupeesText(payLaterAvailable(*customer));
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

  // Visits and spends are counted from the successful transactions of the last 30 and 90 days.
  BankReply loyalty(const std::string& mobile, const std::string& tid) {
    LoyaltyResponse result;
    if (!terminalNamed(tid) || !isMobileNumber(mobile)) {
      result.status = "Failed";
      result.message = terminalNamed(tid) ? "Invalid mobile number \"" + mobile + "\"" : "Unknown terminal " + tid;
      result.errorCode = "P101";
      return recordReply(result);
    }
    auto visits = [&](double days) {
      BankStore::Query query;
      query.customerMobile = mobile;
      query.statuses = {"SaleSuccess"};
      query.from = now() - days * secondsPerDay;
      return store_->totals(query);
    };
    const auto last30 = visits(30);
    const auto last90 = visits(90);
    const auto member = loyalty_.find(mobile);
    const bool known = last90.count > 0 || member != loyalty_.end();
    LoyaltyDetail detail;
    if (member != loyalty_.end()) {
      detail.flag = member->second->flag;
      detail.status = member->second->status;
      detail.text1 = member->second->text1;
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

  BankReply upiCheck(const std::string& upiId, const std::string& tid) {
    static const std::regex address(R"([A-Za-z0-9._-]{2,256}@[A-Za-z][A-Za-z0-9]{1,63})");
    const SeedTerminal* terminal = terminalNamed(tid);
    if (!terminal || !enables(*terminal, "upiCollect"))
      return recordReply(SimpleAPIResponse{"Failed", "P101", "Terminal " + tid + " does not offer UPI collect"});
    if (!std::regex_match(upiId, address))
      return recordReply(SimpleAPIResponse{"Failed", "U16", "\"" + upiId + "\" is not a UPI ID"});
    const auto customer = store_->customerWithUpiId(upiId);
    if (!customer) return recordReply(SimpleAPIResponse{"Failed", "U17", "UPI ID " + upiId + " was not found"});
    return recordReply(SimpleAPIResponse{"Success", successCode, "UPI ID verified: " + customer->name.value_or(upiId)});
  }

  // --- Offers ---------------------------------------------------------------------------------

  const SeedOffer* offerWithId(std::int64_t id) const {
    for (const auto& offer : seed_.offers) {
      if (offer.offerId == id) return &offer;
    }
    return nullptr;
  }

  bool offerCovers(const SeedOffer& offer, const std::string& tid) const {
    if (!offer.terminalIds) return terminalNamed(tid) != nullptr;
    return std::find(offer.terminalIds->begin(), offer.terminalIds->end(), tid) != offer.terminalIds->end();
  }

  static std::vector<std::string> modesOf(const SeedOffer& offer) {
    if (offer.paymentModes) return *offer.paymentModes;
    return {everyPaymentMode.begin(), everyPaymentMode.end()};
  }

  // The discount on `amount` paise, or none when the offer does not apply to it.
  static std::optional<std::int64_t> discount(const SeedOffer& offer, std::int64_t amount) {
    if (amount < offer.minimumAmount.value_or(1)) return std::nullopt;
    const auto& rule = offer.offerDetails;
    const std::int64_t value = rule.value.value_or(0);
    std::int64_t off = value;
    if (rule.type == "PERCENT_DISCOUNT") off = rule.limit ? std::min(amount * value / 100, *rule.limit) : amount * value / 10000;
    // Something must stay to pay: a payment of nothing is no payment.
    if (off <= 0 || off >= amount) return std::nullopt;
    return off;
  }

  BankReply offers(const std::string& mobile, const std::vector<std::string>& tids, const std::string& amountText) {
    PaymentCustomOfferDetails result;
    const auto amount = paiseFromText(amountText);
    if (!amount || *amount == 0) {
      result.error = true;
      result.code = "422";
      result.message = "Invalid amount \"" + amountText + "\"";
      return recordReply(result);
    }
    OfferData data;
    if (auto customer = store_->customer(mobile)) data.custID = customer->plCustID;
    std::vector<EligibleOffer> eligible;
    for (const auto& offer : seed_.offers) {
      std::vector<std::string> covered;
      for (const auto& tid : tids) {
        if (offerCovers(offer, tid) && std::find(covered.begin(), covered.end(), tid) == covered.end()) covered.push_back(tid);
      }
      const auto off = discount(offer, *amount);
      if (covered.empty() || !off) continue;
      eligible.push_back(EligibleOffer{offer.offerId, offer.offerName, *off, *amount - *off, offer.offerDescription,
                                       offer.offerDetails, offer.bannerDetails, covered, modesOf(offer)});
    }
    result.error = false;
    result.code = "200";
    result.message = eligible.empty() ? "No offers for this payment" : std::to_string(eligible.size()) + " offers available";
    data.eligibleOffers = std::move(eligible);
    result.data = std::move(data);
    return recordReply(result);
  }

  // offerId, terminalId, customerId, offerAmount, payableAmount, status, paymentMode
  BankReply addOfferRedeem(const AuthCustome& request) {
    auto decline = [](const char* code, std::string message) {
      return recordReply(AddOfferRedemption{true, code, std::nullopt, std::move(message)});
    };
    const auto& tid = textAt(request, 1);
    const auto& customerText = textAt(request, 2);
    const auto& status = textAt(request, 5);
    const auto& mode = textAt(request, 6);
    const auto offerId = wholeNumber(textAt(request, 0));
    const SeedOffer* offer = offerId ? offerWithId(*offerId) : nullptr;
    if (!offer) return decline("404", "Offer " + textAt(request, 0) + " was not found");
    if (!offerCovers(*offer, tid)) return decline("422", "The offer does not apply on terminal " + tid);
    const auto modes = modesOf(*offer);
    if (std::find(modes.begin(), modes.end(), mode) == modes.end())
      return decline("422", "The offer does not apply to " + mode + " payments");
    const auto offerAmount = paiseFromText(textAt(request, 3));
    const auto payable = paiseFromText(textAt(request, 4));
    if (!offerAmount || !payable || discount(*offer, *offerAmount + *payable) != *offerAmount)
      return decline("422", "The amounts do not match the offer");
    const auto customerId = wholeNumber(customerText);
    if (!customerText.empty() && !customerId) return decline("422", "Invalid customer id \"" + customerText + "\"");
    if (status.empty()) return decline("422", "A redemption status is needed");
    BankStore::Redemption redemption{0,        *offerId, tid,    customerId,   *offerAmount,
                                     *payable, mode,     status, std::nullopt, now()};
    redemption.id = store_->insert(redemption);
    RedemptionData data{redemption.id, dayTime_.string({redemption.updatedAt}), redemption.offerId, tid,
                        customerId,    std::nullopt,                          status,             *offerAmount,
                        *payable,      mode};
    return recordReply(AddOfferRedemption{false, "200", data, "Offer applied"});
  }

  static std::optional<BannerData> redemptionBanner(const SeedOffer* offer) {
    if (!offer || !offer->bannerDetails) return std::nullopt;
    const auto& details = *offer->bannerDetails;
    auto frame = [](const std::optional<BannerImage>& image) -> std::optional<BannerFrameClass> {
      if (!image) return std::nullopt;
      return BannerFrameClass{image->id, image->fileUrl};
    };
    return BannerData{details.id, frame(details.bannerImage), frame(details.bannerFrame), details.bannerMetaDetails};
  }

  BankReply offerRedemptionData(const std::string& redemptionId) {
    const auto id = wholeNumber(redemptionId);
    const auto redemption = id ? store_->redemption(*id) : std::nullopt;
    if (!redemption)
      return recordReply(CustomOfferDetails{true, "404", std::nullopt, "Redemption " + redemptionId + " was not found"});
    const SeedOffer* offer = offerWithId(redemption->offerId);
    CustomOfferData data{redemption->id,
                         offer ? offer->offerName : std::nullopt,
                         static_cast<double>(redemption->offerId),
                         static_cast<double>(redemption->offerAmount),
                         static_cast<double>(redemption->transactionAmount),
                         redemptionBanner(offer)};
    return recordReply(CustomOfferDetails{false, "200", std::vector<CustomOfferData>{data}, "Redemption found"});
  }

  // --- Statements -----------------------------------------------------------------------------

  TransactionParamFields statementEntry(const BankStore::Transaction& txn) const {
    TransactionParamFields entry;
    entry.txnid = txn.txnid;
    entry.requestTime = statementTime(txn.requestedAt);
    entry.amount = rupeesText(txn.amountPaise);
    entry.merchantVPA = txn.merchantVpa;
    entry.paymentType = paymentTypeNamed(txn.kind);
    if (txn.kind == payLaterKind) entry.subType = std::string(payLaterKind);
    entry.status = txnStateNamed(txn.status);
    entry.txnmessage = txn.message;
    entry.customerMobile = txn.customerMobile;
    entry.transactionParamDescription = txn.description;
    if (txn.completedAt) entry.endTime = statementTime(*txn.completedAt);
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

  // terminal ids, filter type, states, request type, count, start, end
  BankReply miniStatement(const AuthCustome& request) {
    platform::JsonValue result = platform::JsonValue::object();
    auto decline = [&](std::string message) {
      result["status"] = "Failed";
      result["message"] = std::move(message);
      result["errorCode"] = "P101";
      return jsonReply(result);
    };
    if (textAt(request, 1) != "terminal") return decline("Unsupported filter type \"" + textAt(request, 1) + "\"");
    if (textAt(request, 3) != "miniStatement") return decline("Unsupported request type \"" + textAt(request, 3) + "\"");
    const auto count = wholeNumber(textAt(request, 4));
    if (!count || *count == 0 || *count > 100) return decline("Invalid count \"" + textAt(request, 4) + "\"");
    auto query = rangeQuery(textAt(request, 5), textAt(request, 6));
    if (!query) return decline("Unreadable date range");
    for (const auto& state : listAt(request, 2)) {
      if (!txnStateNamed(state)) return decline("Unknown transaction state \"" + state + "\"");
    }
    query->terminalIds = listAt(request, 0);
    query->statuses = listAt(request, 2);
    platform::JsonValue entries = platform::JsonValue::array();
    // No terminals selected: nothing to show, rather than every terminal's transactions.
    if (!query->terminalIds.empty()) {
      for (const auto& txn : store_->transactions(*query, *count)) entries.push_back(platform::encodeJsonValue(statementEntry(txn)));
    }
    result["status"] = "Success";
    result["message"] = std::to_string(entries.size()) + " transactions";
    result["errorCode"] = successCode;
    result["transactionParams"] = std::move(entries);
    return jsonReply(result);
  }

  BankReply sales(const std::vector<std::string>& tids, const std::string& start, const std::string& end) {
    SalesCounterDataResponse result;
    const auto range = rangeQuery(start, end);
    if (!range) return recordReply(SalesCounterDataResponse{"Failed", "Unreadable date range", "P101", std::nullopt});
    std::vector<SalesCounterListData> counters;
    std::vector<std::string> seen;
    for (const auto& tid : tids) {
      const SeedTerminal* terminal = terminalNamed(tid);
      if (!terminal || std::find(seen.begin(), seen.end(), tid) != seen.end()) continue;
      seen.push_back(tid);
      auto query = *range;
      query.terminalIds = {tid};
      query.statuses = {"SaleSuccess"};
      query.payLater = false;
      const auto sold = store_->totals(query);
      query.payLater = true;
      const auto payLater = store_->totals(query);
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

  // Banners whose start lies ahead are not in the feed yet.
  BankReply bannerList() {
    std::vector<BannerList> sections = seed_.banners;
    const double at = now();
    for (auto& section : sections) {
      if (!section.bannerData) continue;
      std::erase_if(*section.bannerData, [&](const BannerDatum& banner) {
        const auto start = banner.startDate ? dayTime_.date(*banner.startDate) : std::nullopt;
        return start && start->secondsSince1970 > at;
      });
    }
    BannersResponse feed;
    feed.status = "Success";
    feed.respMsg = "Banners fetched";
    feed.errorCode = successCode;
    feed.bannerList = std::move(sections);
    return recordReply(feed);
  }

  BankSeed seed_;
  std::unique_ptr<BankStore> store_;
  Clock clock_;
  std::map<std::string, const SeedTerminal*> terminals_;
  std::map<std::string, const SeedLoyalty*> loyalty_;
  platform::DateFormatter statementTime_;  // "dd-MM-yyyy HH:mm:ss", as statements write times
  platform::DateFormatter dayTime_;
  platform::DateFormatter day_;
  platform::DateFormatter dayFirst_;
  platform::DateFormatter idDay_;
};

std::unique_ptr<SandboxBank> SandboxBank::open(const platform::JsonValue& bankSeed, const std::string& storePath,
                                               Clock clock, std::string* error) {
  auto seed = BankSeed::read(bankSeed, error);
  if (!seed) return nullptr;
  auto store = BankStore::open(storePath, error);
  if (!store) return nullptr;
  auto teller = std::make_unique<Teller>(std::move(*seed), std::move(store), clock ? std::move(clock) : wallClock());
  try {
    teller->plantSeed();
  } catch (const std::exception& failure) {
    if (error) *error = std::string("cannot seed the bank's store: ") + failure.what();
    return nullptr;
  }
  return std::unique_ptr<SandboxBank>(new SandboxBank(std::move(teller)));
}

SandboxBank::SandboxBank(std::unique_ptr<Teller> teller) : teller_(std::move(teller)) {}
SandboxBank::~SandboxBank() = default;

SandboxBank::Clock SandboxBank::runLoopClock() {
  return [] {
    const auto& loop = platform::Platform::current().runLoop;
    return loop ? loop->now() : wallClock()();
  };
}

SandboxBank::Clock SandboxBank::wallClock() {
  return [] {
    const std::chrono::duration<double> sinceEpoch = std::chrono::system_clock::now().time_since_epoch();
    return platform::Date{sinceEpoch.count()};
  };
}

BankReply SandboxBank::handle(std::string_view caseName, const platform::JsonValue& body,
                              const std::string& idempotencyKey) {
  std::string reason;
  const auto request = requestFromWire(caseName, body, &reason);
  if (!request) return failureReply(reason, 400);
  return teller_->serve(*request, idempotencyKey);
}

BankReply SandboxBank::handle(const AuthCustome& request) { return handle(request.caseName(), wireBody(request)); }

std::optional<AuthMPosData> SandboxBank::authMPosData(const std::string& tid) const { return teller_->authMPosData(tid); }

}  // namespace kassio::sandbox
