#pragma once

#include <map>
#include <memory>
#include <set>
#include <string>

#include "kassio/platform/foundation/UserDefaults.h"

#include "host/SqliteDatabase.h"

namespace kassio::host {

// User defaults kept in an SQLite file (WAL journal, full sync), one row per key with its type.
// Every set and remove is one statement, so one atomic transaction, durable when it returns;
// reads come from a copy loaded at open, so a second instance on the same file sees what
// this one wrote only when it is opened afterwards. Belongs to one thread (the main loop's).
class SqliteUserDefaults final : public platform::UserDefaults {
 public:
  // Opens or creates the store. Returns nullptr, with the reason in *error if given, when the
  // file cannot be opened or is not a database of this kind.
  static std::unique_ptr<SqliteUserDefaults> open(const std::string& path,
                                                  std::string* error = nullptr);
  ~SqliteUserDefaults() override;
  SqliteUserDefaults(const SqliteUserDefaults&) = delete;
  SqliteUserDefaults& operator=(const SqliteUserDefaults&) = delete;

  std::optional<DefaultValue> object(const std::string& key) const override;
  // A write that fails (disk full, file locked past the busy timeout) still changes the value
  // seen in this process; synchronize() retries it.
  void set(const std::string& key, DefaultValue value) override;
  void remove(const std::string& key) override;
  std::vector<std::string> keys() const override;
  // Retries failed writes and checkpoints the journal; false while some change is not saved.
  bool synchronize() override;

 private:
  explicit SqliteUserDefaults(std::unique_ptr<SqliteDatabase> db);
  void load();
  bool save(const std::string& key);  // writes the cached value of key, or deletes its row

  std::unique_ptr<SqliteDatabase> db_;
  std::map<std::string, DefaultValue> values_;
  std::set<std::string> unsaved_;
};

}  // namespace kassio::host
