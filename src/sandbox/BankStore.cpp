#include "sandbox/BankStore.h"

#include <sqlite3.h>

#include <string_view>
#include <utility>

namespace kassio::sandbox {

namespace {

constexpr const char* schema = R"sql(
CREATE TABLE IF NOT EXISTS meta (key TEXT PRIMARY KEY, value TEXT);
CREATE TABLE IF NOT EXISTS transactions (
  id INTEGER PRIMARY KEY AUTOINCREMENT,
  txnid TEXT UNIQUE NOT NULL, kind TEXT NOT NULL, status TEXT NOT NULL, terminal_id TEXT NOT NULL,
  amount_paise INTEGER NOT NULL, requested_at REAL NOT NULL, completed_at REAL,
  description TEXT, message TEXT, customer_mobile TEXT, customer_name TEXT, payer_vpa TEXT, merchant_vpa TEXT,
  pl_customer_id TEXT, qr_payment_mode TEXT, payment_app TEXT, card_number TEXT, card_network TEXT,
  issuer_ref_no TEXT, utr TEXT, redemption_id INTEGER);
CREATE INDEX IF NOT EXISTS transactions_by_time ON transactions (requested_at);
CREATE TABLE IF NOT EXISTS customers (
  mobile TEXT PRIMARY KEY, pl_cust_id INTEGER UNIQUE NOT NULL, name TEXT, address TEXT, description TEXT,
  upi_id TEXT, pay_later_limit_paise INTEGER NOT NULL);
CREATE TABLE IF NOT EXISTS redemptions (
  id INTEGER PRIMARY KEY AUTOINCREMENT, offer_id INTEGER NOT NULL, terminal_id TEXT NOT NULL, customer_id INTEGER,
  offer_amount INTEGER NOT NULL, transaction_amount INTEGER NOT NULL, payment_mode TEXT NOT NULL,
  status TEXT NOT NULL, transaction_id TEXT, updated_at REAL NOT NULL);
CREATE TABLE IF NOT EXISTS idempotency (
  key TEXT PRIMARY KEY, request TEXT NOT NULL, status INTEGER NOT NULL, content_type TEXT NOT NULL, body BLOB NOT NULL);
)sql";

constexpr const char* transactionColumns =
    "txnid, kind, status, terminal_id, amount_paise, requested_at, completed_at, description, message, "
    "customer_mobile, customer_name, payer_vpa, merchant_vpa, pl_customer_id, qr_payment_mode, payment_app, "
    "card_number, card_network, issuer_ref_no, utr, redemption_id";

// One prepared statement: values bound in order from 1, columns read from 0.
class Statement {
 public:
  Statement(sqlite3* db, std::string_view sql) : db_(db) {
    if (sqlite3_prepare_v2(db, sql.data(), static_cast<int>(sql.size()), &statement_, nullptr) != SQLITE_OK)
      throw BankStore::Error(sqlite3_errmsg(db));
  }
  ~Statement() { sqlite3_finalize(statement_); }
  Statement(const Statement&) = delete;
  Statement& operator=(const Statement&) = delete;

  Statement& bind(std::int64_t value) { return check(sqlite3_bind_int64(statement_, ++index_, value)); }
  Statement& bind(double value) { return check(sqlite3_bind_double(statement_, ++index_, value)); }
  Statement& bind(std::string_view text) {
    return check(sqlite3_bind_text(statement_, ++index_, text.data(), static_cast<int>(text.size()), SQLITE_TRANSIENT));
  }
  Statement& bind(const std::string& text) { return bind(std::string_view(text)); }
  Statement& bind(const char* text) { return bind(std::string_view(text)); }
  Statement& bind(const std::vector<std::uint8_t>& bytes) {
    // An empty vector has no data pointer, which SQLite would bind as NULL.
    if (bytes.empty()) return check(sqlite3_bind_zeroblob(statement_, ++index_, 0));
    return check(sqlite3_bind_blob(statement_, ++index_, bytes.data(), static_cast<int>(bytes.size()), SQLITE_TRANSIENT));
  }
  template <class T>
  Statement& bind(const std::optional<T>& value) {
    if (value) return bind(*value);
    return check(sqlite3_bind_null(statement_, ++index_));
  }

  // True while there is a row to read.
  bool step() {
    const int status = sqlite3_step(statement_);
    if (status == SQLITE_ROW) return true;
    if (status == SQLITE_DONE) return false;
    throw BankStore::Error(sqlite3_errmsg(db_));
  }
  void run() { step(); }

  std::int64_t integer(int column) { return sqlite3_column_int64(statement_, column); }
  double real(int column) { return sqlite3_column_double(statement_, column); }
  bool isNull(int column) { return sqlite3_column_type(statement_, column) == SQLITE_NULL; }
  std::string text(int column) {
    const auto* data = reinterpret_cast<const char*>(sqlite3_column_text(statement_, column));
    return data ? std::string(data, static_cast<std::size_t>(sqlite3_column_bytes(statement_, column))) : std::string();
  }
  std::optional<std::string> optionalText(int column) {
    if (isNull(column)) return std::nullopt;
    return text(column);
  }
  std::optional<std::int64_t> optionalInteger(int column) {
    if (isNull(column)) return std::nullopt;
    return integer(column);
  }
  std::optional<double> optionalReal(int column) {
    if (isNull(column)) return std::nullopt;
    return real(column);
  }
  std::vector<std::uint8_t> blob(int column) {
    const auto* data = static_cast<const std::uint8_t*>(sqlite3_column_blob(statement_, column));
    return data ? std::vector<std::uint8_t>(data, data + sqlite3_column_bytes(statement_, column))
                : std::vector<std::uint8_t>();
  }

 private:
  Statement& check(int status) {
    if (status != SQLITE_OK) throw BankStore::Error(sqlite3_errmsg(db_));
    return *this;
  }

  sqlite3* db_;
  sqlite3_stmt* statement_ = nullptr;
  int index_ = 0;
};

void bindTransaction(Statement& statement, const BankStore::Transaction& txn) {
  statement.bind(txn.txnid).bind(txn.kind).bind(txn.status).bind(txn.terminalId).bind(txn.amountPaise)
      .bind(txn.requestedAt).bind(txn.completedAt).bind(txn.description).bind(txn.message).bind(txn.customerMobile)
      .bind(txn.customerName).bind(txn.payerVpa).bind(txn.merchantVpa).bind(txn.payLaterCustomerId)
      .bind(txn.qrPaymentMode).bind(txn.paymentApp).bind(txn.cardNumber).bind(txn.cardNetwork).bind(txn.issuerRefNo)
      .bind(txn.utr).bind(txn.redemptionId);
}

BankStore::Transaction readTransaction(Statement& row) {
  BankStore::Transaction txn;
  txn.txnid = row.text(0);
  txn.kind = row.text(1);
  txn.status = row.text(2);
  txn.terminalId = row.text(3);
  txn.amountPaise = row.integer(4);
  txn.requestedAt = row.real(5);
  txn.completedAt = row.optionalReal(6);
  std::optional<std::string>* texts[] = {&txn.description,   &txn.message,      &txn.customerMobile,
                                         &txn.customerName,  &txn.payerVpa,     &txn.merchantVpa,
                                         &txn.payLaterCustomerId, &txn.qrPaymentMode, &txn.paymentApp,
                                         &txn.cardNumber,    &txn.cardNetwork,  &txn.issuerRefNo,
                                         &txn.utr};
  int column = 7;
  for (auto* text : texts) *text = row.optionalText(column++);
  txn.redemptionId = row.optionalInteger(column);
  return txn;
}

BankStore::Customer readCustomer(Statement& row) {
  return {row.text(0), row.integer(1), row.optionalText(2), row.optionalText(3), row.optionalText(4),
          row.optionalText(5), row.integer(6)};
}

constexpr const char* customerColumns = "mobile, pl_cust_id, name, address, description, upi_id, pay_later_limit_paise";

std::string placeholders(std::size_t count) {
  std::string list;
  for (std::size_t i = 0; i < count; ++i) list += i ? ", ?" : "?";
  return list;
}

// The WHERE clause of a query, and the binding of its values in the same order.
std::string whereClause(const BankStore::Query& query) {
  std::string where = " WHERE 1";
  if (!query.terminalIds.empty()) where += " AND terminal_id IN (" + placeholders(query.terminalIds.size()) + ")";
  if (!query.statuses.empty()) where += " AND status IN (" + placeholders(query.statuses.size()) + ")";
  if (query.customerMobile) where += " AND customer_mobile = ?";
  if (query.kind) where += " AND kind = ?";
  if (query.payLater) where += *query.payLater ? " AND kind = 'PayLater'" : " AND kind <> 'PayLater'";
  if (query.from) where += " AND requested_at >= ?";
  if (query.until) where += " AND requested_at < ?";
  return where;
}

void bindQuery(Statement& statement, const BankStore::Query& query) {
  for (const auto& tid : query.terminalIds) statement.bind(tid);
  for (const auto& status : query.statuses) statement.bind(status);
  if (query.customerMobile) statement.bind(*query.customerMobile);
  if (query.kind) statement.bind(*query.kind);
  if (query.from) statement.bind(*query.from);
  if (query.until) statement.bind(*query.until);
}

}  // namespace

std::unique_ptr<BankStore> BankStore::open(const std::string& path, std::string* error) {
  sqlite3* db = nullptr;
  const int status = sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
  if (status != SQLITE_OK) {
    if (error) *error = "cannot open " + path + ": " + (db ? sqlite3_errmsg(db) : sqlite3_errstr(status));
    sqlite3_close(db);
    return nullptr;
  }
  std::unique_ptr<BankStore> store(new BankStore(db));
  sqlite3_busy_timeout(db, 5000);
  try {
    store->execute("PRAGMA journal_mode=WAL");
    store->execute(schema);
  } catch (const Error& failure) {
    if (error) *error = "cannot use " + path + " as a bank store: " + failure.what();
    return nullptr;
  }
  return store;
}

BankStore::~BankStore() { sqlite3_close(db_); }

void BankStore::execute(const char* sql) {
  char* message = nullptr;
  if (sqlite3_exec(db_, sql, nullptr, nullptr, &message) == SQLITE_OK) return;
  std::string reason = message ? message : sqlite3_errmsg(db_);
  sqlite3_free(message);
  throw Error(reason);
}

bool BankStore::isSeeded() {
  Statement statement(db_, "SELECT 1 FROM meta WHERE key = 'seeded'");
  return statement.step();
}

void BankStore::markSeeded() { Statement(db_, "INSERT OR REPLACE INTO meta VALUES ('seeded', '1')").run(); }

void BankStore::begin() { execute("BEGIN IMMEDIATE"); }
void BankStore::commit() { execute("COMMIT"); }
void BankStore::rollback() {
  if (!sqlite3_get_autocommit(db_)) execute("ROLLBACK");
}

std::int64_t BankStore::nextTransactionNumber() {
  // The AUTOINCREMENT counter, so numbers never repeat even if rows were removed.
  Statement statement(db_, "SELECT COALESCE((SELECT seq FROM sqlite_sequence WHERE name = 'transactions'), 0) + 1");
  statement.step();
  return statement.integer(0);
}

void BankStore::insert(const Transaction& txn) {
  Statement statement(db_, std::string("INSERT INTO transactions (") + transactionColumns + ") VALUES (" +
                               placeholders(21) + ")");
  bindTransaction(statement, txn);
  statement.run();
}

void BankStore::update(const Transaction& txn) {
  Statement statement(db_,
                      "UPDATE transactions SET txnid = ?, kind = ?, status = ?, terminal_id = ?, amount_paise = ?, "
                      "requested_at = ?, completed_at = ?, description = ?, message = ?, customer_mobile = ?, "
                      "customer_name = ?, payer_vpa = ?, merchant_vpa = ?, pl_customer_id = ?, qr_payment_mode = ?, "
                      "payment_app = ?, card_number = ?, card_network = ?, issuer_ref_no = ?, utr = ?, "
                      "redemption_id = ? WHERE txnid = ?");
  bindTransaction(statement, txn);
  statement.bind(txn.txnid).run();
}

std::optional<BankStore::Transaction> BankStore::transaction(const std::string& txnid) {
  Statement statement(db_, std::string("SELECT ") + transactionColumns + " FROM transactions WHERE txnid = ?");
  statement.bind(txnid);
  if (!statement.step()) return std::nullopt;
  return readTransaction(statement);
}

std::vector<BankStore::Transaction> BankStore::transactions(const Query& query, std::int64_t limit) {
  Statement statement(db_, std::string("SELECT ") + transactionColumns + " FROM transactions" + whereClause(query) +
                               " ORDER BY requested_at DESC, id DESC LIMIT ?");
  bindQuery(statement, query);
  statement.bind(limit);
  std::vector<Transaction> found;
  while (statement.step()) found.push_back(readTransaction(statement));
  return found;
}

BankStore::Totals BankStore::totals(const Query& query) {
  Statement statement(db_, "SELECT COUNT(*), COALESCE(SUM(amount_paise), 0) FROM transactions" + whereClause(query));
  bindQuery(statement, query);
  statement.step();
  return {statement.integer(0), statement.integer(1)};
}

std::optional<BankStore::Customer> BankStore::customer(const std::string& mobileNumber) {
  Statement statement(db_, std::string("SELECT ") + customerColumns + " FROM customers WHERE mobile = ?");
  statement.bind(mobileNumber);
  if (!statement.step()) return std::nullopt;
  return readCustomer(statement);
}

std::optional<BankStore::Customer> BankStore::customerWithUpiId(const std::string& upiId) {
  // UPI addresses compare without regard to letter case.
  Statement statement(db_, std::string("SELECT ") + customerColumns + " FROM customers WHERE lower(upi_id) = lower(?)");
  statement.bind(upiId);
  if (!statement.step()) return std::nullopt;
  return readCustomer(statement);
}

std::int64_t BankStore::nextCustomerId() {
  Statement statement(db_, "SELECT COALESCE(MAX(pl_cust_id), 0) + 1 FROM customers");
  statement.step();
  return statement.integer(0);
}

void BankStore::insert(const Customer& customer) {
  Statement statement(db_, std::string("INSERT INTO customers (") + customerColumns + ") VALUES (" + placeholders(7) + ")");
  statement.bind(customer.mobileNumber).bind(customer.plCustID).bind(customer.name).bind(customer.address)
      .bind(customer.description).bind(customer.upiId).bind(customer.payLaterLimitPaise).run();
}

std::int64_t BankStore::insert(const Redemption& redemption) {
  Statement statement(db_,
                      "INSERT INTO redemptions (offer_id, terminal_id, customer_id, offer_amount, transaction_amount, "
                      "payment_mode, status, transaction_id, updated_at) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)");
  statement.bind(redemption.offerId).bind(redemption.terminalId).bind(redemption.customerId)
      .bind(redemption.offerAmount).bind(redemption.transactionAmount).bind(redemption.paymentMode)
      .bind(redemption.status).bind(redemption.transactionId).bind(redemption.updatedAt).run();
  return sqlite3_last_insert_rowid(db_);
}

void BankStore::update(const Redemption& redemption) {
  Statement statement(db_, "UPDATE redemptions SET status = ?, transaction_id = ?, updated_at = ? WHERE id = ?");
  statement.bind(redemption.status).bind(redemption.transactionId).bind(redemption.updatedAt).bind(redemption.id).run();
}

std::optional<BankStore::Redemption> BankStore::redemption(std::int64_t id) {
  Statement statement(db_,
                      "SELECT id, offer_id, terminal_id, customer_id, offer_amount, transaction_amount, payment_mode, "
                      "status, transaction_id, updated_at FROM redemptions WHERE id = ?");
  statement.bind(id);
  if (!statement.step()) return std::nullopt;
  return Redemption{statement.integer(0),        statement.integer(1), statement.text(2),
                    statement.optionalInteger(3), statement.integer(4), statement.integer(5),
                    statement.text(6),           statement.text(7),    statement.optionalText(8),
                    statement.real(9)};
}

std::optional<BankStore::SavedReply> BankStore::savedReply(const std::string& key) {
  Statement statement(db_, "SELECT request, status, content_type, body FROM idempotency WHERE key = ?");
  statement.bind(key);
  if (!statement.step()) return std::nullopt;
  return SavedReply{statement.text(0),
                    {static_cast<int>(statement.integer(1)), statement.text(2), statement.blob(3)}};
}

void BankStore::save(const std::string& key, const SavedReply& saved) {
  Statement statement(db_, "INSERT INTO idempotency (key, request, status, content_type, body) VALUES (?, ?, ?, ?, ?)");
  statement.bind(key).bind(saved.request).bind(static_cast<std::int64_t>(saved.reply.status))
      .bind(saved.reply.contentType).bind(saved.reply.body).run();
}

}  // namespace kassio::sandbox
