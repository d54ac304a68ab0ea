#include "host/SqliteUserDefaults.h"

#include <nlohmann/json.hpp>

namespace kassio::host {

namespace {

constexpr const char* schema =
    "CREATE TABLE IF NOT EXISTS defaults ("
    "key TEXT PRIMARY KEY NOT NULL, type TEXT NOT NULL, value)";
constexpr const char* upsertSql = "INSERT OR REPLACE INTO defaults (key, type, value) VALUES (?1, ?2, ?3)";
constexpr const char* deleteSql = "DELETE FROM defaults WHERE key = ?1";

// Type names as stored in the type column.
constexpr const char* boolType = "bool";
constexpr const char* integerType = "integer";
constexpr const char* stringType = "string";
constexpr const char* mapType = "map";

// Reads one stored row; nullopt for a row this version does not understand (left in place).
std::optional<platform::UserDefaults::DefaultValue> decode(const std::string& type, const SqliteStatement& row,
                                                           int column) {
  using Storage = SqliteStatement::Storage;
  const Storage storage = row.storage(column);
  if (type == boolType && storage == Storage::integer) return row.integer(column) != 0;
  if (type == integerType && storage == Storage::integer) return row.integer(column);
  if (type == stringType && storage == Storage::text) return row.text(column);
  if (type == mapType && storage == Storage::text) {
    auto json = nlohmann::json::parse(row.text(column), nullptr, false);
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
  auto db = SqliteDatabase::open(path, error);
  if (!db) return nullptr;
  std::unique_ptr<SqliteUserDefaults> defaults(new SqliteUserDefaults(std::move(db)));
  // A file that is not a database fails on its first read, here.
  try {
    defaults->db_->execute("PRAGMA journal_mode=WAL; PRAGMA synchronous=FULL");
    defaults->db_->execute(schema);
    defaults->db_->statement(upsertSql);
    defaults->db_->statement(deleteSql);
    defaults->load();
  } catch (const SqliteError& failure) {
    if (error) *error = "cannot use " + path + " as a defaults store: " + failure.what();
    return nullptr;
  }
  return defaults;
}

SqliteUserDefaults::SqliteUserDefaults(std::unique_ptr<SqliteDatabase> db) : db_(std::move(db)) {}

SqliteUserDefaults::~SqliteUserDefaults() = default;

void SqliteUserDefaults::load() {
  auto& select = db_->statement("SELECT key, type, value FROM defaults");
  while (select.step()) {
    if (auto value = decode(select.text(1), select, 2)) values_.insert_or_assign(select.text(0), std::move(*value));
  }
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
  db_->checkpoint();
  return unsaved_.empty();
}

bool SqliteUserDefaults::save(const std::string& key) {
  auto found = values_.find(key);
  try {
    if (found == values_.end()) {
      db_->statement(deleteSql).bind(key).run();
      return true;
    }
    auto& upsert = db_->statement(upsertSql).bind(key);
    const DefaultValue& value = found->second;
    if (const auto* flag = std::get_if<bool>(&value)) {
      upsert.bind(boolType).bind(*flag);
    } else if (const auto* integer = std::get_if<std::int64_t>(&value)) {
      upsert.bind(integerType).bind(*integer);
    } else if (const auto* text = std::get_if<std::string>(&value)) {
      upsert.bind(stringType).bind(*text);
    } else {
      // Texts are UTF-8; a stray invalid byte in a map is written as U+FFFD rather than
      // failing the whole write.
      upsert.bind(mapType).bind(nlohmann::json(std::get<StringMap>(value))
                                    .dump(-1, ' ', false, nlohmann::json::error_handler_t::replace));
    }
    upsert.run();
    return true;
  } catch (const SqliteError&) {
    return false;
  }
}

}  // namespace kassio::host
