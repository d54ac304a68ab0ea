#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "kassio/dashboard/MiniStatementResponse.h"

namespace kassio {

// The latest transactions of the merchant's terminals in a date range.
class MiniStatementAPIProtocol {
 public:
  virtual ~MiniStatementAPIProtocol() = default;
  // The dates go to the backend as they stand. The completion gets the decoded answer, or none
  // when the request or the decoding failed.
  virtual void fetchMiniStatement(const std::vector<std::string>& tids, const std::string& startDate,
                                  const std::string& endDate,
                                  std::function<void(std::optional<MiniStatementResponse>)> completion) const = 0;
};

}  // namespace kassio
