#include "host/SqliteUserDefaults.h"

#include <sqlite3.h>

#include <nlohmann/json.hpp>

namespace kassio::host {

namespace {

constexpr const char* schema =
    "CREATE TABLE IF NOT EXISTS defaults ("
    "key TEXT PRIMARY KEY NOT NULL, type TEXT NOT NULL, value)";

// Type names as stored in the type column.
constexpr const char* boolType = "bool";
constexpr const char* integerType = "integer";
constexpr const char* stringType = "string";
constexpr const char* mapType = "map";

std::string columnText(sqlite3_stmt* statement, int column) {
  const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(statement, column));
  return text ? std::string(text, static_cast<std::size_t>(sqlite3_column_bytes(statement, column)))
              : std::string();
}

bool execute(sqlite3* db, const char* sql, std::string* error) {
  char* message = nullptr;
  if (sqlite3_exec(db, sql, nullptr, nullptr, &message) == SQLITE_OK) return true;
  if (error) *error = message ? message : sqlite3_errmsg(db);
  sqlite3_free(message);
  return false;
}

// Reads one stored row; nullopt for a row this version does not understand (left in place).
std::optional<platform::UserDefaults::DefaultValue> decode(const std::string& type,
                                                           sqlite3_stmt* row, int column) {
  int storage = sqlite3_column_type(row, column);
  if (type == boolType && storage == SQLITE_INTEGER) return sqlite3_column_int64(row, column) != 0;
  if (type == integerType && storage == SQLITE_INTEGER) {
    return static_cast<std::int64_t>(sqlite3_column_int64(row, column));
  }
  if (type == stringType && storage == SQLITE_TEXT) return columnText(row, column);
  if (type == mapType && storage == SQLITE_TEXT) {
    auto json = nlohmann::json::parse(columnText(row, column), nullptr, false);
    if (!json.is_object()) return std::nullopt;
    platform::UserDefaults::StringMap map;
    for (const auto& [key, value] : json.items()) {
      if (!value.is_string()) return std::nullopt;
      map.emplace(key, value.get<std::string>());
    }
    return map;
  }
  return std::nullopt;
}

}  // namespace

std::unique_ptr<SqliteUserDefaults> SqliteUserDefaults::open(const std::string& path,
                                                             std::string* error) {
  sqlite3* db = nullptr;
  int status = sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE,
                               nullptr);
  if (status != SQLITE_OK) {
    if (error) *error = "cannot open " + path + ": " + (db ? sqlite3_errmsg(db) : sqlite3_errstr(status));
    sqlite3_close(db);
    return nullptr;
  }
  std::unique_ptr<SqliteUserDefaults> defaults(new SqliteUserDefaults(db));
  sqlite3_busy_timeout(db, 5000);  // another process may be writing the same file
  std::string reason;
  // A file that is not a database fails on its first read, here.
  if (!execute(db, "PRAGMA journal_mode=WAL; PRAGMA synchronous=FULL", &reason) ||
      !execute(db, schema, &reason) || !defaults->prepare(&reason) || !defaults->load(&reason)) {
    if (error) *error = "cannot use " + path + " as a defaults store: " + reason;
    return nullptr;
  }
  return defaults;
}

SqliteUserDefaults::SqliteUserDefaults(sqlite3* db) : db_(db) {}

SqliteUserDefaults::~SqliteUserDefaults() {
  sqlite3_finalize(upsert_);
  sqlite3_finalize(delete_);
  sqlite3_close(db_);
}

bool SqliteUserDefaults::prepare(std::string* error) {
  const char* upsert = "INSERT OR REPLACE INTO defaults (key, type, value) VALUES (?1, ?2, ?3)";
  const char* remove = "DELETE FROM defaults WHERE key = ?1";
  if (sqlite3_prepare_v2(db_, upsert, -1, &upsert_, nullptr) == SQLITE_OK &&
      sqlite3_prepare_v2(db_, remove, -1, &delete_, nullptr) == SQLITE_OK) {
    return true;
  }
  *error = sqlite3_errmsg(db_);
  return false;
}

bool SqliteUserDefaults::load(std::string* error) {
  sqlite3_stmt* select = nullptr;
  if (sqlite3_prepare_v2(db_, "SELECT key, type, value FROM defaults", -1, &select, nullptr) !=
      SQLITE_OK) {
    *error = sqlite3_errmsg(db_);
    return false;
  }
  int status;
  while ((status = sqlite3_step(select)) == SQLITE_ROW) {
    if (auto value = decode(columnText(select, 1), select, 2)) {
      values_.insert_or_assign(columnText(select, 0), std::move(*value));
    }
  }
  sqlite3_finalize(select);
  if (status == SQLITE_DONE) return true;
  *error = sqlite3_errmsg(db_);
  return false;
}

std::optional<platform::UserDefaults::DefaultValue> SqliteUserDefaults::object(
    const std::string& key) const {
  auto found = values_.find(key);
  if (found == values_.end()) return std::nullopt;
  return found->second;
}

void SqliteUserDefaults::set(const std::string& key, DefaultValue value) {
  values_.insert_or_assign(key, std::move(value));
  if (save(key)) {
    unsaved_.erase(key);
  } else {
    unsaved_.insert(key);
  }
}

void SqliteUserDefaults::remove(const std::string& key) {
  values_.erase(key);
  if (save(key)) {
    unsaved_.erase(key);
  } else {
    unsaved_.insert(key);
  }
}

std::vector<std::string> SqliteUserDefaults::keys() const {
  std::vector<std::string> keys;
  keys.reserve(values_.size());
  for (const auto& entry : values_) keys.push_back(entry.first);
  return keys;
}

bool SqliteUserDefaults::synchronize() {
  for (auto key = unsaved_.begin(); key != unsaved_.end();) {
    key = save(*key) ? unsaved_.erase(key) : std::next(key);
  }
  sqlite3_wal_checkpoint_v2(db_, nullptr, SQLITE_CHECKPOINT_PASSIVE, nullptr, nullptr);
  return unsaved_.empty();
}

bool SqliteUserDefaults::save(const std::string& key) {
  auto found = values_.find(key);
  sqlite3_stmt* statement = found == values_.end() ? delete_ : upsert_;
  sqlite3_bind_text(statement, 1, key.data(), static_cast<int>(key.size()), SQLITE_TRANSIENT);
  if (found != values_.end()) {
    const DefaultValue& value = found->second;
    if (const auto* flag = std::get_if<bool>(&value)) {
      sqlite3_bind_text(statement, 2, boolType, -1, SQLITE_STATIC);
      sqlite3_bind_int64(statement, 3, *flag ? 1 : 0);
    } else if (const auto* integer = std::get_if<std::int64_t>(&value)) {
      sqlite3_bind_text(statement, 2, integerType, -1, SQLITE_STATIC);
      sqlite3_bind_int64(statement, 3, *integer);
    } else if (const auto* text = std::get_if<std::string>(&value)) {
      sqlite3_bind_text(statement, 2, stringType, -1, SQLITE_STATIC);
      sqlite3_bind_text(statement, 3, text->data(), static_cast<int>(text->size()),
                        SQLITE_TRANSIENT);
    } else {
      // Texts are UTF-8; a stray invalid byte in a map is written as U+FFFD rather than
      // failing the whole write.
      std::string json = nlohmann::json(std::get<StringMap>(value))
                             .dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
      sqlite3_bind_text(statement, 2, mapType, -1, SQLITE_STATIC);
      sqlite3_bind_text(statement, 3, json.data(), static_cast<int>(json.size()),
                        SQLITE_TRANSIENT);
    }
  }
  bool saved = sqlite3_step(statement) == SQLITE_DONE;
  sqlite3_reset(statement);
  sqlite3_clear_bindings(statement);
  return saved;
}

}  // namespace kassio::host
