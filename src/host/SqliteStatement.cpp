#include "host/SqliteStatement.h"

#include <sqlite3.h>

#include <utility>

#include "host/SqliteDatabase.h"

namespace kassio::host {

SqliteStatement::SqliteStatement(sqlite3* db, std::string_view sql) : db_(db) {
  if (sqlite3_prepare_v2(db, sql.data(), static_cast<int>(sql.size()), &statement_, nullptr) != SQLITE_OK)
    throw SqliteError(sqlite3_errmsg(db));
}

SqliteStatement::~SqliteStatement() { sqlite3_finalize(statement_); }

SqliteStatement::SqliteStatement(SqliteStatement&& other) noexcept
    : db_(other.db_), statement_(std::exchange(other.statement_, nullptr)), index_(other.index_) {}

SqliteStatement& SqliteStatement::reset() {
  sqlite3_reset(statement_);
  sqlite3_clear_bindings(statement_);
  index_ = 0;
  return *this;
}

SqliteStatement& SqliteStatement::bind(std::int64_t value) { return check(sqlite3_bind_int64(statement_, ++index_, value)); }
SqliteStatement& SqliteStatement::bind(double value) { return check(sqlite3_bind_double(statement_, ++index_, value)); }

SqliteStatement& SqliteStatement::bind(std::string_view text) {
  return check(sqlite3_bind_text(statement_, ++index_, text.data(), static_cast<int>(text.size()), SQLITE_TRANSIENT));
}

SqliteStatement& SqliteStatement::bind(const std::vector<std::uint8_t>& bytes) {
  // An empty vector has no data pointer, which SQLite would bind as NULL.
  if (bytes.empty()) return check(sqlite3_bind_zeroblob(statement_, ++index_, 0));
  return check(sqlite3_bind_blob(statement_, ++index_, bytes.data(), static_cast<int>(bytes.size()), SQLITE_TRANSIENT));
}

SqliteStatement& SqliteStatement::bindNull() { return check(sqlite3_bind_null(statement_, ++index_)); }

bool SqliteStatement::step() {
  const int status = sqlite3_step(statement_);
  if (status == SQLITE_ROW) return true;
  if (status == SQLITE_DONE) return false;
  // The statement's own error; reset so that its next use starts clean.
  std::string message = sqlite3_errmsg(db_);
  sqlite3_reset(statement_);
  throw SqliteError(message);
}

void SqliteStatement::run() {
  step();
  sqlite3_reset(statement_);
}

std::int64_t SqliteStatement::integer(int column) const { return sqlite3_column_int64(statement_, column); }
double SqliteStatement::real(int column) const { return sqlite3_column_double(statement_, column); }
SqliteStatement::Storage SqliteStatement::storage(int column) const {
  switch (sqlite3_column_type(statement_, column)) {
    case SQLITE_INTEGER: return Storage::integer;
    case SQLITE_FLOAT: return Storage::real;
    case SQLITE_TEXT: return Storage::text;
    case SQLITE_BLOB: return Storage::blob;
    default: return Storage::null;
  }
}

std::string SqliteStatement::text(int column) const {
  const auto* data = reinterpret_cast<const char*>(sqlite3_column_text(statement_, column));
  return data ? std::string(data, static_cast<std::size_t>(sqlite3_column_bytes(statement_, column))) : std::string();
}

std::vector<std::uint8_t> SqliteStatement::blob(int column) const {
  const auto* data = static_cast<const std::uint8_t*>(sqlite3_column_blob(statement_, column));
  return data ? std::vector<std::uint8_t>(data, data + sqlite3_column_bytes(statement_, column))
              : std::vector<std::uint8_t>();
}

std::optional<std::string> SqliteStatement::optionalText(int column) const {
  if (isNull(column)) return std::nullopt;
  return text(column);
}

std::optional<std::int64_t> SqliteStatement::optionalInteger(int column) const {
  if (isNull(column)) return std::nullopt;
  return integer(column);
}

std::optional<double> SqliteStatement::optionalReal(int column) const {
  if (isNull(column)) return std::nullopt;
  return real(column);
}

SqliteStatement& SqliteStatement::check(int status) {
  if (status != SQLITE_OK) throw SqliteError(sqlite3_errmsg(db_));
  return *this;
}

}  // namespace kassio::host
