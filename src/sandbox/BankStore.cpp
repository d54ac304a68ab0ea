#include "sandbox/BankStore.h"

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
CREATE INDEX IF NOT EXISTS transactions_by_terminal ON transactions (terminal_id, requested_at);
CREATE INDEX IF NOT EXISTS transactions_by_customer ON transactions (customer_mobile, requested_at);
CREATE INDEX IF NOT EXISTS transactions_by_state ON transactions (kind, status, requested_at);
CREATE TABLE IF NOT EXISTS customers (
  mobile TEXT PRIMARY KEY, pl_cust_id INTEGER UNIQUE NOT NULL, name TEXT, address TEXT, description TEXT,
  upi_id TEXT, pay_later_limit_paise INTEGER NOT NULL);
CREATE INDEX IF NOT EXISTS customers_by_upi_id ON customers (upi_id COLLATE NOCASE);
CREATE TABLE IF NOT EXISTS redemptions (
  id INTEGER PRIMARY KEY AUTOINCREMENT, offer_id INTEGER NOT NULL, terminal_id TEXT NOT NULL, customer_id INTEGER,
  offer_amount INTEGER NOT NULL, transaction_amount INTEGER NOT NULL, payment_mode TEXT NOT NULL,
  status TEXT NOT NULL, transaction_id TEXT, updated_at REAL NOT NULL);
DROP TABLE IF EXISTS idempotency;
CREATE TABLE IF NOT EXISTS idempotency_keys (
  key TEXT PRIMARY KEY, request_digest TEXT NOT NULL, saved_at REAL NOT NULL,
  status INTEGER NOT NULL, content_type TEXT NOT NULL, body BLOB NOT NULL);
CREATE INDEX IF NOT EXISTS idempotency_keys_by_age ON idempotency_keys (saved_at);
)sql";

constexpr const char* transactionColumns =
    "txnid, kind, status, terminal_id, amount_paise, requested_at, completed_at, description, message, "
    "customer_mobile, customer_name, payer_vpa, merchant_vpa, pl_customer_id, qr_payment_mode, payment_app, "
    "card_number, card_network, issuer_ref_no, utr, redemption_id";

using host::SqliteStatement;

void bindTransaction(SqliteStatement& statement, const BankStore::Transaction& txn) {
  statement.bind(txn.txnid).bind(txn.kind).bind(txn.status).bind(txn.terminalId).bind(txn.amountPaise)
      .bind(txn.requestedAt).bind(txn.completedAt).bind(txn.description).bind(txn.message).bind(txn.customerMobile)
      .bind(txn.customerName).bind(txn.payerVpa).bind(txn.merchantVpa).bind(txn.payLaterCustomerId)
      .bind(txn.qrPaymentMode).bind(txn.paymentApp).bind(txn.cardNumber).bind(txn.cardNetwork).bind(txn.issuerRefNo)
      .bind(txn.utr).bind(txn.redemptionId);
}

BankStore::Transaction readTransaction(const SqliteStatement& row) {
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

BankStore::Customer readCustomer(const SqliteStatement& row) {
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

void bindQuery(SqliteStatement& statement, const BankStore::Query& query) {
  for (const auto& tid : query.terminalIds) statement.bind(tid);
  for (const auto& status : query.statuses) statement.bind(status);
  if (query.customerMobile) statement.bind(*query.customerMobile);
  if (query.kind) statement.bind(*query.kind);
  if (query.from) statement.bind(*query.from);
  if (query.until) statement.bind(*query.until);
}

}  // namespace

std::unique_ptr<BankStore> BankStore::open(const std::string& path, std::string* error) {
  auto db = host::SqliteDatabase::open(path, error);
  if (!db) return nullptr;
  try {
    db->execute("PRAGMA journal_mode=WAL");
    db->execute(schema);
  } catch (const Error& failure) {
    if (error) *error = "cannot use " + path + " as a bank store: " + failure.what();
    return nullptr;
  }
  return std::unique_ptr<BankStore>(new BankStore(std::move(db)));
}

BankStore::BankStore(std::unique_ptr<host::SqliteDatabase> db) : db_(std::move(db)) {}
BankStore::~BankStore() = default;

bool BankStore::isSeeded() {
  auto& statement = db_->statement("SELECT 1 FROM meta WHERE key = 'seeded'");
  const bool seeded = statement.step();
  statement.reset();
  return seeded;
}

void BankStore::markSeeded() { db_->statement("INSERT OR REPLACE INTO meta VALUES ('seeded', '1')").run(); }

std::int64_t BankStore::nextTransactionNumber() {
  // The AUTOINCREMENT counter, so numbers never repeat even if rows were removed.
  auto& statement =
      db_->statement("SELECT COALESCE((SELECT seq FROM sqlite_sequence WHERE name = 'transactions'), 0) + 1");
  statement.step();
  const auto number = statement.integer(0);
  statement.reset();
  return number;
}

void BankStore::insert(const Transaction& txn) {
  static const std::string sql =
      std::string("INSERT INTO transactions (") + transactionColumns + ") VALUES (" + placeholders(21) + ")";
  auto& statement = db_->statement(sql);
  bindTransaction(statement, txn);
  statement.run();
}

void BankStore::update(const Transaction& txn) {
  auto& statement =
      db_->statement("UPDATE transactions SET txnid = ?, kind = ?, status = ?, terminal_id = ?, amount_paise = ?, "
                     "requested_at = ?, completed_at = ?, description = ?, message = ?, customer_mobile = ?, "
                     "customer_name = ?, payer_vpa = ?, merchant_vpa = ?, pl_customer_id = ?, qr_payment_mode = ?, "
                     "payment_app = ?, card_number = ?, card_network = ?, issuer_ref_no = ?, utr = ?, "
                     "redemption_id = ? WHERE txnid = ?");
  bindTransaction(statement, txn);
  statement.bind(txn.txnid).run();
}

std::optional<BankStore::Transaction> BankStore::transaction(const std::string& txnid) {
  static const std::string sql = std::string("SELECT ") + transactionColumns + " FROM transactions WHERE txnid = ?";
  auto& statement = db_->statement(sql).bind(txnid);
  if (!statement.step()) return std::nullopt;
  auto txn = readTransaction(statement);
  statement.reset();
  return txn;
}

std::vector<BankStore::Transaction> BankStore::transactions(const Query& query, std::int64_t limit) {
  auto& statement = db_->statement(std::string("SELECT ") + transactionColumns + " FROM transactions" +
                                   whereClause(query) + " ORDER BY requested_at DESC, id DESC LIMIT ?");
  bindQuery(statement, query);
  statement.bind(limit);
  std::vector<Transaction> found;
  while (statement.step()) found.push_back(readTransaction(statement));
  return found;
}

BankStore::Totals BankStore::totals(const Query& query) {
  auto& statement =
      db_->statement("SELECT COUNT(*), COALESCE(SUM(amount_paise), 0) FROM transactions" + whereClause(query));
  bindQuery(statement, query);
  statement.step();
  const Totals totals{statement.integer(0), statement.integer(1)};
  statement.reset();
  return totals;
}

std::optional<BankStore::Customer> BankStore::customer(const std::string& mobileNumber) {
  static const std::string sql = std::string("SELECT ") + customerColumns + " FROM customers WHERE mobile = ?";
  auto& statement = db_->statement(sql).bind(mobileNumber);
  if (!statement.step()) return std::nullopt;
  auto customer = readCustomer(statement);
  statement.reset();
  return customer;
}

std::optional<BankStore::Customer> BankStore::customerWithUpiId(const std::string& upiId) {
  // UPI addresses (ASCII) compare without regard to letter case, as the index does.
  static const std::string sql =
      std::string("SELECT ") + customerColumns + " FROM customers WHERE upi_id = ? COLLATE NOCASE";
  auto& statement = db_->statement(sql).bind(upiId);
  if (!statement.step()) return std::nullopt;
  auto customer = readCustomer(statement);
  statement.reset();
  return customer;
}

std::int64_t BankStore::nextCustomerId() {
  auto& statement = db_->statement("SELECT COALESCE(MAX(pl_cust_id), 0) + 1 FROM customers");
  statement.step();
  const auto id = statement.integer(0);
  statement.reset();
  return id;
}

void BankStore::insert(const Customer& customer) {
  static const std::string sql =
      std::string("INSERT INTO customers (") + customerColumns + ") VALUES (" + placeholders(7) + ")";
  db_->statement(sql)
      .bind(customer.mobileNumber).bind(customer.plCustID).bind(customer.name).bind(customer.address)
      .bind(customer.description).bind(customer.upiId).bind(customer.payLaterLimitPaise).run();
}

std::int64_t BankStore::insert(const Redemption& redemption) {
  db_->statement("INSERT INTO redemptions (offer_id, terminal_id, customer_id, offer_amount, transaction_amount, "
                 "payment_mode, status, transaction_id, updated_at) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)")
      .bind(redemption.offerId).bind(redemption.terminalId).bind(redemption.customerId)
      .bind(redemption.offerAmount).bind(redemption.transactionAmount).bind(redemption.paymentMode)
      .bind(redemption.status).bind(redemption.transactionId).bind(redemption.updatedAt).run();
  return db_->lastInsertRowid();
}

void BankStore::update(const Redemption& redemption) {
  db_->statement("UPDATE redemptions SET status = ?, transaction_id = ?, updated_at = ? WHERE id = ?")
      .bind(redemption.status).bind(redemption.transactionId).bind(redemption.updatedAt).bind(redemption.id).run();
}

std::optional<BankStore::Redemption> BankStore::redemption(std::int64_t id) {
  auto& statement =
      db_->statement("SELECT id, offer_id, terminal_id, customer_id, offer_amount, transaction_amount, payment_mode, "
                     "status, transaction_id, updated_at FROM redemptions WHERE id = ?")
          .bind(id);
  if (!statement.step()) return std::nullopt;
  Redemption found{statement.integer(0),        statement.integer(1), statement.text(2),
                   statement.optionalInteger(3), statement.integer(4), statement.integer(5),
                   statement.text(6),           statement.text(7),    statement.optionalText(8),
                   statement.real(9)};
  statement.reset();
  return found;
}

std::optional<BankStore::SavedReply> BankStore::savedReply(const std::string& key) {
  auto& statement =
      db_->statement("SELECT request_digest, saved_at, status, content_type, body FROM idempotency_keys WHERE key = ?")
          .bind(key);
  if (!statement.step()) return std::nullopt;
  SavedReply saved{statement.text(0), statement.real(1),
                   {static_cast<int>(statement.integer(2)), statement.text(3), statement.blob(4)}};
  statement.reset();
  return saved;
}

void BankStore::save(const std::string& key, const SavedReply& saved) {
  db_->statement("INSERT INTO idempotency_keys (key, request_digest, saved_at, status, content_type, body) "
                 "VALUES (?, ?, ?, ?, ?, ?)")
      .bind(key).bind(saved.requestDigest).bind(saved.savedAt).bind(static_cast<std::int64_t>(saved.reply.status))
      .bind(saved.reply.contentType).bind(saved.reply.body).run();
}

void BankStore::forgetRepliesSavedBefore(double at) {
  db_->statement("DELETE FROM idempotency_keys WHERE saved_at < ?").bind(at).run();
}

}  // namespace kassio::sandbox
