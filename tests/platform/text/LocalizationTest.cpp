#include "kassio/platform/text/Localization.h"

#include <unistd.h>

#include <fstream>
#include <memory>

#include <gtest/gtest.h>

#include "kassio/platform/foundation/Platform.h"

namespace kassio::platform {
namespace {

namespace fs = std::filesystem;

// A resource directory of its own for each test, removed afterwards.
class LocalizationFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
    directory_ = fs::temp_directory_path() /
                 ("kassio-l10n-" + std::to_string(::getpid()) + "-" + test->name());
    fs::remove_all(directory_);
    fs::create_directories(directory_ / "i18n");
  }
  void TearDown() override { fs::remove_all(directory_); }

  void write(const fs::path& relative, std::string_view content) {
    std::ofstream(directory_ / relative, std::ios::binary) << content;
  }

  fs::path directory_;
};

TEST_F(LocalizationFiles, TranslatesListedKeysAndReturnsOthersUnchanged) {
  write("i18n/hi.json", R"({"Cash": "नकद", "Amount": "राशि", "Count": 3, "Empty": ""})");
  const Localization hindi(directory_, "hi");
  EXPECT_EQ(hindi.language(), "hi");
  EXPECT_EQ(hindi.localize("Cash"), "नकद");
  EXPECT_EQ(hindi.localize("Amount"), "राशि");
  EXPECT_EQ(hindi.localize("Empty"), "");
  EXPECT_EQ(hindi.localize("Card"), "Card");    // missing
  EXPECT_EQ(hindi.localize("Count"), "Count");  // not a text
  EXPECT_EQ(hindi.localize("cash"), "cash");    // keys are exact
}

TEST_F(LocalizationFiles, TheKeyEnAnswersTheLanguage) {
  write("i18n/hi.json", R"({"Cash": "नकद"})");
  write("i18n/mr.json", R"({"en": "mr"})");
  EXPECT_EQ(Localization(directory_, "hi").localize("en"), "hi");
  EXPECT_EQ(Localization(directory_, "mr").localize("en"), "mr");
}

TEST_F(LocalizationFiles, WithoutAReadableTableEveryKeyAnswersItself) {
  write("i18n/broken.json", R"({"Cash": "नकद")");
  write("i18n/list.json", R"(["Cash"])");
  write("outside.json", R"({"Cash": "leaked"})");
  for (const char* language : {"fr", "broken", "list", "../outside", ""}) {
    const Localization localization(directory_, language);
    EXPECT_EQ(localization.localize("Cash"), "Cash") << language;
    EXPECT_EQ(localization.localize("en"), "en") << language;
  }
  EXPECT_EQ(Localization(directory_ / "missing", "hi").localize("Cash"), "Cash");
}

TEST_F(LocalizationFiles, ReadsTheHostsResourceDirectoryAndNeverTheWorkingDirectory) {
  write("i18n/hi.json", R"({"Cash": "host table"})");
  Platform& platform = Platform::current();
  const auto saved = platform.resourceDirectory;
  platform.resourceDirectory = directory_;
  EXPECT_EQ(Localization("hi").localize("Cash"), "host table");
  platform.resourceDirectory = saved;

  // No resource directory at all reads nothing, not i18n/ relative to where the program runs.
  const auto workingDirectory = fs::current_path();
  fs::current_path(directory_);
  EXPECT_EQ(Localization(fs::path{}, "hi").localize("Cash"), "Cash");
  fs::current_path(workingDirectory);
}

TEST(Localization, ShippedTables) {
  const Localization english("en");
  EXPECT_EQ(english.localize("en"), "en");
  EXPECT_EQ(english.localize("Cash"), "Cash");

  const Localization hindi("hi");
  EXPECT_EQ(hindi.localize("en"), "hi");
  for (const char* key : {"Cash", "SMS Pay", "Card", "Bharat QR", "Pay Later", "Initiate Payment",
                          "Amount", "Mobile Number*"}) {
    EXPECT_NE(hindi.localize(key), key) << key;
  }
  EXPECT_EQ(hindi.localize("Cash"), "नकद");
}

TEST(Localization, FreeFunctionUsesTheInstalledLocalization) {
  Platform& platform = Platform::current();
  const auto saved = platform.localization;
  platform.localization = nullptr;
  EXPECT_EQ(localize("Cash"), "Cash");
  EXPECT_EQ(localize("en"), "en");
  platform.localization = std::make_shared<Localization>("hi");
  EXPECT_EQ(localize("Cash"), "नकद");
  EXPECT_EQ(localize("en"), "hi");
  platform.localization = saved;
}

}  // namespace
}  // namespace kassio::platform
