#include "kassio/platform/foundation/ResourceDirectory.h"

#include <unistd.h>

#include <cstdlib>
#include <optional>
#include <string>

#include <gtest/gtest.h>

#include "kassio/platform/foundation/Platform.h"

namespace kassio::platform {
namespace {

namespace fs = std::filesystem;

// Clears the host's setting and the environment variable for the test, restoring both after.
class ResourceLookup : public ::testing::Test {
 protected:
  void SetUp() override {
    saved_ = Platform::current().resourceDirectory;
    if (const char* value = std::getenv(ResourceDirectory::environmentVariable)) variable_ = value;
    Platform::current().resourceDirectory.clear();
    ::unsetenv(ResourceDirectory::environmentVariable);
    directory_ = fs::temp_directory_path() / ("kassio-resources-" + std::to_string(::getpid()));
    fs::remove_all(directory_);
  }
  void TearDown() override {
    Platform::current().resourceDirectory = saved_;
    if (variable_) ::setenv(ResourceDirectory::environmentVariable, variable_->c_str(), 1);
    fs::remove_all(directory_);
  }

  fs::path saved_;
  std::optional<std::string> variable_;
  fs::path directory_;
};

TEST_F(ResourceLookup, TheHostsSettingComesBeforeTheEnvironment) {
  ::setenv(ResourceDirectory::environmentVariable, "/from/environment", 1);
  EXPECT_EQ(ResourceDirectory::find(), "/from/environment");
  Platform::current().resourceDirectory = "/from/host";
  EXPECT_EQ(ResourceDirectory::find(), "/from/host");
  // An empty variable counts as unset: the installed locations decide, if any.
  Platform::current().resourceDirectory.clear();
  ::unsetenv(ResourceDirectory::environmentVariable);
  const auto installed = ResourceDirectory::find();
  ::setenv(ResourceDirectory::environmentVariable, "", 1);
  EXPECT_EQ(ResourceDirectory::find(), installed);
}

TEST_F(ResourceLookup, ProblemNamesWhatIsMissing) {
  const auto none = ResourceDirectory::problem(fs::path{});
  ASSERT_TRUE(none);
  EXPECT_NE(none->find(ResourceDirectory::environmentVariable), std::string::npos);

  fs::create_directories(directory_ / "i18n");
  const auto noImages = ResourceDirectory::problem(directory_);
  ASSERT_TRUE(noImages);
  EXPECT_NE(noImages->find("images"), std::string::npos);
  EXPECT_NE(noImages->find(directory_.string()), std::string::npos);

  fs::create_directories(directory_ / "images");
  EXPECT_EQ(ResourceDirectory::problem(directory_), std::nullopt);

  // A host's setting that points nowhere is reported, not replaced by another folder.
  Platform::current().resourceDirectory = directory_ / "missing";
  EXPECT_TRUE(ResourceDirectory::problem());
}

}  // namespace
}  // namespace kassio::platform
