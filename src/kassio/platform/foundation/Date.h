#pragma once

#include <compare>

namespace kassio::platform {

using TimeInterval = double;  // seconds

// A point in time, as seconds since 1970-01-01 00:00:00 UTC.
struct Date {
  double secondsSince1970 = 0;

  Date addingTimeInterval(TimeInterval interval) const { return {secondsSince1970 + interval}; }
  TimeInterval timeIntervalSince(Date other) const { return secondsSince1970 - other.secondsSince1970; }
  auto operator<=>(const Date&) const = default;
};

}  // namespace kassio::platform
