#include "kassio/platform/foundation/ResourceDirectory.h"

#include <cstdlib>
#include <system_error>

#include "kassio/platform/foundation/Platform.h"

namespace kassio::platform {

namespace fs = std::filesystem;

namespace {

bool isDirectory(const fs::path& path) {
  std::error_code error;
  return fs::is_directory(path, error);
}

}  // namespace

fs::path ResourceDirectory::find() {
  if (const auto& set = Platform::current().resourceDirectory; !set.empty()) return set;
  if (const char* variable = std::getenv(environmentVariable); variable && *variable) return variable;
  if (auto beside = besideProgram(); !beside.empty()) return beside;
  if (fs::path installed = KASSIO_INSTALL_FULL_DATADIR "/kassio"; isDirectory(installed)) return installed;
  return {};
}

fs::path ResourceDirectory::besideProgram() {
  std::error_code error;
  const auto program = fs::read_symlink("/proc/self/exe", error);
  if (error || program.empty()) return {};
  auto data = (program.parent_path() / ".." / KASSIO_INSTALL_DATADIR / "kassio").lexically_normal();
  return isDirectory(data) ? data : fs::path{};
}

std::optional<std::string> ResourceDirectory::problem(const fs::path& directory) {
  if (directory.empty()) {
    return std::string("no resource directory: set Platform::resourceDirectory or ") + environmentVariable +
           ", or install the package's share/kassio folder beside the program";
  }
  for (const char* folder : {"i18n", "images"}) {
    if (!isDirectory(directory / folder))
      return "resource directory " + directory.string() + " has no " + folder + " folder";
  }
  return std::nullopt;
}

}  // namespace kassio::platform
