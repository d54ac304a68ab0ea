#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;

namespace kassio::host {

// One prepared statement: values bound in order from the first placeholder, columns read from 0.
// SqliteDatabase::statement() hands it out reset; failures throw SqliteError.
class SqliteStatement {
 public:
  // How SQLite stored a column's value.
  enum class Storage { integer, real, text, blob, null };

  SqliteStatement(sqlite3* db, std::string_view sql);
  ~SqliteStatement();
  SqliteStatement(SqliteStatement&& other) noexcept;
  SqliteStatement(const SqliteStatement&) = delete;
  SqliteStatement& operator=(const SqliteStatement&) = delete;
  SqliteStatement& operator=(SqliteStatement&&) = delete;

  // Ready to run again, with no values bound.
  SqliteStatement& reset();

  SqliteStatement& bind(std::int64_t value);
  SqliteStatement& bind(int value) { return bind(static_cast<std::int64_t>(value)); }
  SqliteStatement& bind(bool value) { return bind(static_cast<std::int64_t>(value ? 1 : 0)); }
  SqliteStatement& bind(double value);
  SqliteStatement& bind(std::string_view text);
  SqliteStatement& bind(const std::string& text) { return bind(std::string_view(text)); }
  SqliteStatement& bind(const char* text) { return bind(std::string_view(text)); }
  SqliteStatement& bind(const std::vector<std::uint8_t>& bytes);
  SqliteStatement& bindNull();
  template <class T>
  SqliteStatement& bind(const std::optional<T>& value) {
    return value ? bind(*value) : bindNull();
  }

  // True while there is a row to read.
  bool step();
  // Runs a statement that returns no rows.
  void run();

  std::int64_t integer(int column) const;
  double real(int column) const;
  Storage storage(int column) const;
  bool isNull(int column) const { return storage(column) == Storage::null; }
  std::string text(int column) const;
  std::vector<std::uint8_t> blob(int column) const;
  std::optional<std::string> optionalText(int column) const;
  std::optional<std::int64_t> optionalInteger(int column) const;
  std::optional<double> optionalReal(int column) const;

 private:
  SqliteStatement& check(int status);

  sqlite3* db_;
  sqlite3_stmt* statement_ = nullptr;
  int index_ = 0;
};

}  // namespace kassio::host
