#include "sim/DriverAuthbase.h"

#include "kassio/platform/foundation/Platform.h"
#include "kassio/platform/foundation/RunLoop.h"

namespace kassio::sim {

void DriverAuthbase::getData(const std::string& tid, bool, Completion completion) {
  std::optional<AuthMPosData> answer;
  if (!replies_.empty()) {
    answer = std::move(replies_.front());
    replies_.pop_front();
  } else if (fallback_) {
    answer = fallback_(tid);
  }
  if (!completion) return;
  // Like the real service, the answer comes back later on the main loop.
  platform::Platform::current().runLoop->async(
      [completion = std::move(completion), answer = std::move(answer)] { completion(answer); });
}

}  // namespace kassio::sim
