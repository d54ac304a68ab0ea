#pragma once

#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>

#include "host/SqliteStatement.h"

struct sqlite3;

namespace kassio::host {

// A failing SQLite call, with SQLite's message.
struct SqliteError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

// One SQLite connection, with its statements prepared once and kept for reuse. Belongs to one
// thread at a time; failures throw SqliteError.
class SqliteDatabase {
 public:
  // Opens or creates the file (":memory:" for a private in-memory database), with a busy
  // timeout for other processes writing the same file. None, with the reason, when it cannot be
  // opened.
  static std::unique_ptr<SqliteDatabase> open(const std::string& path, std::string* error = nullptr);
  ~SqliteDatabase();
  SqliteDatabase(const SqliteDatabase&) = delete;
  SqliteDatabase& operator=(const SqliteDatabase&) = delete;

  // Runs one or more statements that take no values.
  void execute(const char* sql);
  // The statement for `sql`, prepared on first use and reset, with no values bound, for this one.
  // One use at a time: asking for the same text again resets it, so finish reading rows first.
  SqliteStatement& statement(std::string_view sql);
  std::int64_t lastInsertRowid() const;
  bool inTransaction() const;
  // Copies the write-ahead journal into the database file where no reader holds it back.
  void checkpoint();

  // BEGIN IMMEDIATE on construction; rolled back on destruction unless committed.
  class Transaction {
   public:
    explicit Transaction(SqliteDatabase& db);
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;
    void commit();

   private:
    SqliteDatabase& db_;
    bool open_ = true;
  };

 private:
  explicit SqliteDatabase(sqlite3* db) : db_(db) {}

  sqlite3* db_;
  // Declared after db_: statements are finalised before the connection closes.
  std::map<std::string, SqliteStatement, std::less<>> statements_;
};

}  // namespace kassio::host
