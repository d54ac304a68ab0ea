#pragma once

#include <string>

#include "kassio/platform/foundation/Date.h"

namespace kassio {

// The time stamp sent with payment requests: "yyyyMMdd'T'HHmmss" in the en_US_POSIX locale and
// the device's time zone.
std::string requestTimestamp(platform::Date date);
// Of the main run loop's current time.
std::string requestTimestamp();

}  // namespace kassio
