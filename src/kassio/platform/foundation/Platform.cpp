#include "kassio/platform/foundation/Platform.h"

namespace kassio::platform {

Platform& Platform::current() {
  static Platform platform;
  return platform;
}

}  // namespace kassio::platform
