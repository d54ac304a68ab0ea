#include "kassio/transactions/RequestTimestamp.h"

#include "kassio/platform/foundation/Platform.h"
#include "kassio/platform/foundation/RunLoop.h"
#include "kassio/platform/text/DateFormatter.h"

namespace kassio {

std::string requestTimestamp(platform::Date date) {
  return platform::DateFormatter("yyyyMMdd'T'HHmmss", "en_US_POSIX").string(date);
}

std::string requestTimestamp() {
  const auto& loop = platform::Platform::current().runLoop;
  return requestTimestamp(loop ? loop->now() : platform::Date{});
}

}  // namespace kassio
