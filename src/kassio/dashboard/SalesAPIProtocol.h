#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "kassio/dashboard/SalesCounterDataResponse.h"

namespace kassio {

// Today's sales counters of the merchant's terminals.
class SalesAPIProtocol {
 public:
  virtual ~SalesAPIProtocol() = default;
  // The completion gets the decoded answer, or none when the request or the decoding failed.
  virtual void fetchSales(const std::vector<std::string>& tids,
                          std::function<void(std::optional<SalesCounterDataResponse>)> completion) const = 0;
};

}  // namespace kassio
