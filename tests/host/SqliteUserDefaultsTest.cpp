#include "host/SqliteUserDefaults.h"

#include <gtest/gtest.h>
#include <sqlite3.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace kassio::host {
namespace {

using DefaultValue = platform::UserDefaults::DefaultValue;
using StringMap = platform::UserDefaults::StringMap;

class SqliteUserDefaultsTest : public testing::Test {
 protected:
  void SetUp() override {
    const auto* test = testing::UnitTest::GetInstance()->current_test_info();
    directory_ = std::filesystem::temp_directory_path() /
                 ("kassio-defaults-" + std::to_string(getpid()) + "-" + test->name());
    std::filesystem::remove_all(directory_);
    std::filesystem::create_directories(directory_);
  }
  void TearDown() override { std::filesystem::remove_all(directory_); }

  std::string file(const std::string& name = "defaults.sqlite") const {
    return (directory_ / name).string();
  }
  std::unique_ptr<SqliteUserDefaults> openOrFail() const {
    std::string error;
    auto defaults = SqliteUserDefaults::open(file(), &error);
    EXPECT_NE(defaults, nullptr) << error;
    return defaults;
  }

  std::filesystem::path directory_;
};

TEST_F(SqliteUserDefaultsTest, EveryTypeSurvivesReopeningWithItsType) {
  const std::map<std::string, DefaultValue> values = {
      {"flagOn", true},
      {"flagOff", false},
      {"smallest", INT64_MIN},
      {"largest", INT64_MAX},
      {"zero", std::int64_t{0}},
      {"text", std::string("₹ 1,250 — नमस्ते")},
      {"textWithNul", std::string("a\0b", 3)},
      {"emptyText", std::string()},
      {"numberLikeText", std::string("42")},  // stays a string, not an integer
      {"map", StringMap{{"T1", "Outlet \"one\""}, {"T2", ""}, {"नाम", "मान"}}},
      {"emptyMap", StringMap{}},
  };
  {
    auto defaults = openOrFail();
    ASSERT_NE(defaults, nullptr);
    for (const auto& [key, value] : values) defaults->set(key, value);
  }  // no synchronize(): every set is already durable

  auto reopened = openOrFail();
  ASSERT_NE(reopened, nullptr);
  std::vector<std::string> expectedKeys;
  for (const auto& [key, value] : values) {
    expectedKeys.push_back(key);
    EXPECT_EQ(reopened->object(key), value) << key;
  }
  EXPECT_EQ(reopened->keys(), expectedKeys);
  EXPECT_EQ(reopened->integer("numberLikeText"), 42);
}

TEST_F(SqliteUserDefaultsTest, SecondInstanceOnTheFileSeesOverwritesAndRemovals) {
  auto first = openOrFail();
  ASSERT_NE(first, nullptr);
  first->set("isFirstPL", true);
  first->set("selectedTid", "T1");
  first->set("counter", 1);
  first->set("counter", "now a string");
  first->remove("selectedTid");
  first->remove("neverSet");
  EXPECT_TRUE(first->synchronize());

  auto second = openOrFail();  // while the first is still open
  ASSERT_NE(second, nullptr);
  EXPECT_EQ(second->keys(), (std::vector<std::string>{"counter", "isFirstPL"}));
  EXPECT_TRUE(second->boolValue("isFirstPL"));
  EXPECT_EQ(second->string("counter"), "now a string");
  EXPECT_EQ(second->object("selectedTid"), std::nullopt);

  second->set("fromSecond", 2);
  EXPECT_EQ(first->object("fromSecond"), std::nullopt) << "reads come from the copy loaded at open";
  first.reset();
  second.reset();
  auto third = openOrFail();
  ASSERT_NE(third, nullptr);
  EXPECT_EQ(third->integer("fromSecond"), 2);
}

TEST_F(SqliteUserDefaultsTest, OpenFailsWithAReasonInsteadOfCrashing) {
  std::ofstream(file("notADatabase")) << std::string(4096, 'x');
  std::filesystem::create_directories(directory_ / "aDirectory");

  for (const std::string& path :
       {file("missing/dir/defaults.sqlite"), file("notADatabase"), file("aDirectory")}) {
    std::string error;
    EXPECT_EQ(SqliteUserDefaults::open(path, &error), nullptr) << path;
    EXPECT_NE(error.find(path), std::string::npos) << error;
  }
  EXPECT_EQ(SqliteUserDefaults::open(file("missing/defaults.sqlite")), nullptr);  // no error out
}

TEST_F(SqliteUserDefaultsTest, FileIsInWalJournalMode) {
  ASSERT_NE(openOrFail(), nullptr);
  sqlite3* db = nullptr;
  ASSERT_EQ(sqlite3_open(file().c_str(), &db), SQLITE_OK);
  std::string mode;
  sqlite3_exec(
      db, "PRAGMA journal_mode",
      [](void* out, int, char** values, char**) {
        *static_cast<std::string*>(out) = values[0];
        return 0;
      },
      &mode, nullptr);
  sqlite3_close(db);
  EXPECT_EQ(mode, "wal");
}

TEST_F(SqliteUserDefaultsTest, RowsItCannotReadAreSkipped) {
  {
    auto defaults = openOrFail();
    ASSERT_NE(defaults, nullptr);
    defaults->set("good", "kept");
  }
  sqlite3* db = nullptr;
  ASSERT_EQ(sqlite3_open(file().c_str(), &db), SQLITE_OK);
  ASSERT_EQ(sqlite3_exec(db,
                         "INSERT INTO defaults VALUES ('future', 'date', 12);"
                         "INSERT INTO defaults VALUES ('brokenMap', 'map', '{\"a\":1}');"
                         "INSERT INTO defaults VALUES ('wrongStorage', 'integer', 'seven')",
                         nullptr, nullptr, nullptr),
            SQLITE_OK);
  sqlite3_close(db);

  auto reopened = openOrFail();
  ASSERT_NE(reopened, nullptr);
  EXPECT_EQ(reopened->keys(), (std::vector<std::string>{"good"}));
  EXPECT_EQ(reopened->string("good"), "kept");
}

}  // namespace
}  // namespace kassio::host
