#include "host/SqliteDatabase.h"

#include <sqlite3.h>

namespace kassio::host {

std::unique_ptr<SqliteDatabase> SqliteDatabase::open(const std::string& path, std::string* error) {
  sqlite3* db = nullptr;
  const int status = sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
  if (status != SQLITE_OK) {
    if (error) *error = "cannot open " + path + ": " + (db ? sqlite3_errmsg(db) : sqlite3_errstr(status));
    sqlite3_close(db);
    return nullptr;
  }
  sqlite3_busy_timeout(db, 5000);  // another process may be writing the same file
  return std::unique_ptr<SqliteDatabase>(new SqliteDatabase(db));
}

SqliteDatabase::~SqliteDatabase() {
  statements_.clear();
  sqlite3_close(db_);
}

void SqliteDatabase::execute(const char* sql) {
  char* message = nullptr;
  if (sqlite3_exec(db_, sql, nullptr, nullptr, &message) == SQLITE_OK) return;
  std::string reason = message ? message : sqlite3_errmsg(db_);
  sqlite3_free(message);
  throw SqliteError(reason);
}

SqliteStatement& SqliteDatabase::statement(std::string_view sql) {
  auto found = statements_.find(sql);
  if (found == statements_.end()) found = statements_.emplace(std::string(sql), SqliteStatement(db_, sql)).first;
  return found->second.reset();
}

std::int64_t SqliteDatabase::lastInsertRowid() const { return sqlite3_last_insert_rowid(db_); }

bool SqliteDatabase::inTransaction() const { return !sqlite3_get_autocommit(db_); }

void SqliteDatabase::checkpoint() { sqlite3_wal_checkpoint_v2(db_, nullptr, SQLITE_CHECKPOINT_PASSIVE, nullptr, nullptr); }

SqliteDatabase::Transaction::Transaction(SqliteDatabase& db) : db_(db) { db_.execute("BEGIN IMMEDIATE"); }

SqliteDatabase::Transaction::~Transaction() {
  if (!open_ || !db_.inTransaction()) return;
  try {
    db_.execute("ROLLBACK");
  } catch (const SqliteError&) {
    // Nothing more can be done from a destructor; SQLite ends the transaction with the connection.
  }
}

void SqliteDatabase::Transaction::commit() {
  db_.execute("COMMIT");
  open_ = false;
}

}  // namespace kassio::host
