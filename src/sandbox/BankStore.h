#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "host/SqliteDatabase.h"
#include "sandbox/BankReply.h"

namespace kassio::sandbox {

// The bank's books in SQLite: transactions, customers, offer redemptions and the answers given
// to idempotency keys. ":memory:" keeps them for the life of the store only. Belongs to one
// thread at a time; a failing statement throws BankStore::Error. Statements are prepared once.
class BankStore {
 public:
  using Error = host::SqliteError;

  struct Transaction {
    std::string txnid;
    std::string kind;    // a PaymentType case name or "PayLater"
    std::string status;  // a TxnState case name
    std::string terminalId;
    std::int64_t amountPaise = 0;
    double requestedAt = 0;  // seconds since 1970
    std::optional<double> completedAt;
    std::optional<std::string> description, message, customerMobile, customerName, payerVpa, merchantVpa,
        payLaterCustomerId, qrPaymentMode, paymentApp, cardNumber, cardNetwork, issuerRefNo, utr;
    std::optional<std::int64_t> redemptionId;
  };

  struct Customer {
    std::string mobileNumber;
    std::int64_t plCustID = 0;
    std::optional<std::string> name, address, description, upiId;
    std::int64_t payLaterLimitPaise = 0;
  };

  struct Redemption {
    std::int64_t id = 0;
    std::int64_t offerId = 0;
    std::string terminalId;
    std::optional<std::int64_t> customerId;
    std::int64_t offerAmount = 0;
    std::int64_t transactionAmount = 0;  // what the customer pays after the discount
    std::string paymentMode;
    std::string status;
    std::optional<std::string> transactionId;
    double updatedAt = 0;
  };

  // Which transactions a query reads; empty lists and absent values do not filter.
  struct Query {
    std::vector<std::string> terminalIds;
    std::vector<std::string> statuses;
    std::optional<std::string> customerMobile;
    std::optional<std::string> kind;
    std::optional<bool> payLater;  // true: pay-later ones only; false: all but those
    std::optional<double> from;    // requestedAt >= from
    std::optional<double> until;   // requestedAt < until
  };

  struct Totals {
    std::int64_t count = 0;
    std::int64_t paise = 0;
  };

  // The first answer given to an idempotency key. The request is kept as a digest only, so the
  // table holds no customer's number.
  struct SavedReply {
    std::string requestDigest;
    double savedAt = 0;  // seconds since 1970
    BankReply reply;
  };

  // None, with the reason, when the file cannot be opened or is not a store of this kind.
  static std::unique_ptr<BankStore> open(const std::string& path, std::string* error = nullptr);
  ~BankStore();
  BankStore(const BankStore&) = delete;
  BankStore& operator=(const BankStore&) = delete;

  // A new store has not taken its seed yet.
  bool isSeeded();
  void markSeeded();

  // One atomic change of the books: rolled back unless committed.
  host::SqliteDatabase::Transaction transaction() { return host::SqliteDatabase::Transaction(*db_); }

  // The number the next recorded transaction gets; transaction ids are made from it.
  std::int64_t nextTransactionNumber();
  void insert(const Transaction& txn);
  void update(const Transaction& txn);  // by txnid
  std::optional<Transaction> transaction(const std::string& txnid);
  // Latest first (by request time, then by recording order), at most `limit`.
  std::vector<Transaction> transactions(const Query& query, std::int64_t limit);
  Totals totals(const Query& query);

  std::optional<Customer> customer(const std::string& mobileNumber);
  std::optional<Customer> customerWithUpiId(const std::string& upiId);
  std::int64_t nextCustomerId();
  void insert(const Customer& customer);

  std::int64_t insert(const Redemption& redemption);  // the new redemption's id
  void update(const Redemption& redemption);          // by id
  std::optional<Redemption> redemption(std::int64_t id);

  std::optional<SavedReply> savedReply(const std::string& key);
  void save(const std::string& key, const SavedReply& saved);
  void forgetRepliesSavedBefore(double at);

 private:
  explicit BankStore(std::unique_ptr<host::SqliteDatabase> db);

  std::unique_ptr<host::SqliteDatabase> db_;
};

}  // namespace kassio::sandbox
