#pragma once

#include <string>
#include <tuple>

#include "kassio/platform/json/JsonField.h"

namespace kassio {

// A date range as the host writes it; the texts travel to the backend unchanged.
struct DateRange {
  std::string startDate;
  std::string endDate;

  bool operator==(const DateRange&) const = default;
  static constexpr auto jsonFields = std::make_tuple(platform::jsonField("startDate", &DateRange::startDate),
                                                     platform::jsonField("endDate", &DateRange::endDate));
};

}  // namespace kassio
