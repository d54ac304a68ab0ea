#include "sandbox/SandboxAuthbase.h"

#include "kassio/platform/foundation/Platform.h"
#include "kassio/platform/foundation/RunLoop.h"

namespace kassio::sandbox {

void SandboxAuthbase::getData(const std::string& tid, bool /*refresh*/, Completion completion) {
  const auto& loop = platform::Platform::current().runLoop;
  if (!completion || !loop) return;
  loop->async([completion = std::move(completion), answer = bank_->authMPosData(tid)] { completion(answer); });
}

}  // namespace kassio::sandbox
