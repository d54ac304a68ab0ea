#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace kassio::platform {

// The folder the module reads its resources from: translation tables in i18n/, image assets in
// images/. The first of
//  1. Platform::current().resourceDirectory, when the host set it;
//  2. the KASSIO_RESOURCE_DIR environment variable, when set and not empty;
//  3. the package's data folder beside the running program, <program folder>/../share/kassio:
//     where an application installed into the module's prefix (or with its own copy of the
//     resources in that layout) finds them, wherever that prefix has been moved;
//  4. the data folder of the prefix the library was built for (such as /usr/share/kassio).
// 1 and 2 are taken as given, 3 and 4 only when they exist. The project's own programs, run from
// the build tree, set 2 to the source tree's resources.
//
// The module reports no error when the resources are missing: localize() answers every key with
// itself and images draw as the neutral placeholder frame. A host checks problem() at start-up.
class ResourceDirectory {
 public:
  static constexpr const char* environmentVariable = "KASSIO_RESOURCE_DIR";

  // The folder by the rules above; empty when none of them gives one.
  static std::filesystem::path find();
  // Rule 3 alone: the installed data folder beside the running program, empty when absent.
  static std::filesystem::path besideProgram();
  // What keeps the module from reading its resources in `directory`, or nothing when they are
  // there.
  static std::optional<std::string> problem(const std::filesystem::path& directory);
  static std::optional<std::string> problem() { return problem(find()); }
};

}  // namespace kassio::platform
