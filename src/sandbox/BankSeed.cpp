#include "sandbox/BankSeed.h"

#include <algorithm>
#include <iterator>
#include <regex>
#include <set>

#include "kassio/platform/json/Json.h"
#include "sandbox/Money.h"
#include "sandbox/TransactionNames.h"

namespace kassio::sandbox {

namespace {

template <class T>
bool readKey(const platform::JsonValue& bank, const char* key, T& out, std::string& error) {
  const auto found = bank.find(key);
  if (found == bank.end() || found->is_null()) return true;
  auto value = platform::decodeJson<T>(*found);
  if (!value) {
    error = std::string("bank.") + key + " does not have the seed's form";
    return false;
  }
  out = std::move(*value);
  return true;
}

std::string check(const BankSeed& seed) {
  std::set<std::string> tids;
  for (const auto& terminal : seed.terminals) {
    if (!tids.insert(terminal.tid).second) return "terminal " + terminal.tid + " is listed twice";
    for (const auto& name : terminal.enabled.value_or(std::vector<std::string>{})) {
      if (std::find(std::begin(terminalCapabilities), std::end(terminalCapabilities), name) ==
          std::end(terminalCapabilities))
        return "terminal " + terminal.tid + " enables an unknown mode \"" + name + "\"";
    }
  }
  std::set<std::string> mobiles;
  std::set<std::int64_t> customerIds;
  for (const auto& customer : seed.customers) {
    if (!isMobileNumber(customer.mobileNumber)) return "customer " + customer.mobileNumber + ": not a mobile number";
    if (!mobiles.insert(customer.mobileNumber).second || !customerIds.insert(customer.plCustID).second)
      return "customer " + customer.mobileNumber + " is listed twice";
    if (customer.payLaterLimit && !paiseFromRupees(*customer.payLaterLimit))
      return "customer " + customer.mobileNumber + ": unreadable payLaterLimit";
  }
  if (seed.payLaterLimitForNewCustomers && !paiseFromRupees(*seed.payLaterLimitForNewCustomers))
    return "unreadable payLaterLimitForNewCustomers";
  std::set<std::int64_t> offerIds;
  for (const auto& offer : seed.offers) {
    if (!offerIds.insert(offer.offerId).second) return "offer " + std::to_string(offer.offerId) + " is listed twice";
  }
  static const std::regex clockTime("([01][0-9]|2[0-3]):[0-5][0-9]:[0-5][0-9]");
  for (const auto& txn : seed.transactions) {
    const std::string which = "transaction at " + txn.time + " on " + txn.tid;
    if (!tids.count(txn.tid)) return which + ": unknown terminal";
    if (!isTransactionKind(txn.paymentType)) return which + ": unknown paymentType \"" + txn.paymentType + "\"";
    if (txn.status && !txnStateNamed(*txn.status)) return which + ": unknown status \"" + *txn.status + "\"";
    if (!paiseFromRupees(txn.amount)) return which + ": unreadable amount";
    if (!std::regex_match(txn.time, clockTime)) return which + ": time is not HH:mm:ss";
    if (txn.daysAgo.value_or(0) < 0) return which + ": daysAgo is negative";
  }
  return {};
}

}  // namespace

bool isMobileNumber(std::string_view text) {
  return text.size() == 10 && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

std::optional<BankSeed> BankSeed::read(const platform::JsonValue& bank, std::string* error) {
  BankSeed seed;
  std::string reason;
  if (!bank.is_null() && !bank.is_object()) {
    reason = "bank is not an object";
  } else if (!bank.is_null()) {
    const bool decoded =
        readKey(bank, "timeZone", seed.timeZone, reason) && readKey(bank, "terminals", seed.terminals, reason) &&
        readKey(bank, "customers", seed.customers, reason) &&
        readKey(bank, "payLaterLimitForNewCustomers", seed.payLaterLimitForNewCustomers, reason) &&
        readKey(bank, "loyalty", seed.loyalty, reason) && readKey(bank, "offers", seed.offers, reason) &&
        readKey(bank, "banners", seed.banners, reason) && readKey(bank, "transactions", seed.transactions, reason);
    if (decoded) reason = check(seed);
  }
  if (!reason.empty()) {
    if (error) *error = "bank seed: " + reason;
    return std::nullopt;
  }
  return seed;
}

}  // namespace kassio::sandbox
