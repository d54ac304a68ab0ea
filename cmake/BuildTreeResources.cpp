// Linked into the project's own programs (tests, benchmarks, the driver): run from the build tree
// they read the source tree's resources, unless KASSIO_RESOURCE_DIR names others. An installed
// driver finds the resources installed beside it instead.
#include <cstdlib>

#include "kassio/platform/foundation/ResourceDirectory.h"

namespace {

using kassio::platform::ResourceDirectory;

[[maybe_unused]] const bool buildTreeResources = [] {
  if (!ResourceDirectory::besideProgram().empty()) return false;
  return ::setenv(ResourceDirectory::environmentVariable, KASSIO_BUILD_RESOURCE_DIR, /*overwrite=*/0) == 0;
}();

}  // namespace
