#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "kassio/platform/foundation/Date.h"
#include "kassio/platform/text/DateFormatter.h"
#include "sandbox/BankSeed.h"
#include "sandbox/BankStore.h"

namespace kassio::sandbox {

inline constexpr double secondsPerDay = 86400;
inline constexpr const char* successCode = "S101";
inline constexpr const char* invalidRequestCode = "P101";

// What the bank's desks share: the seed, the books, the clock, and the bank's reading of
// terminals, times and amounts.
class BankContext {
 public:
  using Clock = std::function<platform::Date()>;

  BankContext(BankSeed seed, std::unique_ptr<BankStore> store, Clock clock);

  const BankSeed& seed() const { return seed_; }
  BankStore& store() { return *store_; }
  double now() const { return clock_().secondsSince1970; }

  // A new store takes the seed's customers and transactions; a store seeded before keeps its own.
  void plantSeed();

  const SeedTerminal* terminalNamed(const std::string& tid) const;
  const SeedLoyalty* loyaltyMember(const std::string& mobile) const;
  static bool enables(const SeedTerminal& terminal, std::string_view capability);

  // Transactions in a date range, from request texts ("yyyy-MM-dd" or "dd-MM-yyyy" for whole
  // days, with " HH:mm:ss" for an instant; empty for an open side). None for text that is no date.
  std::optional<BankStore::Query> rangeQuery(const std::string& start, const std::string& end) const;
  std::string statementTime(double at) const { return statementTime_.string({at}); }
  std::string dayTime(double at) const { return dayTime_.string({at}); }
  std::optional<double> dayTimeInstant(const std::string& text) const;

  // A transaction with a new id of the channel's prefix and the bank day of `at`.
  BankStore::Transaction newTransaction(std::string_view kind, std::string_view status, const SeedTerminal& terminal,
                                        std::int64_t paise, double at);
  // The registered name of the customer with this number, if any.
  std::optional<std::string> customerName(const std::string& mobile);
  // Pay-later credit left: the limit less successful pay-later purchases.
  std::int64_t payLaterAvailable(const BankStore::Customer& customer);

 private:
  std::optional<std::optional<double>> bound(const std::string& text, bool isEnd) const;
  BankStore::Transaction seededTransaction(const SeedTransaction& seeded);

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

std::optional<std::string> nonEmpty(const std::string& text);
// A whole number written in decimal digits, below 10^15.
std::optional<std::int64_t> wholeNumber(std::string_view text);

}  // namespace kassio::sandbox
