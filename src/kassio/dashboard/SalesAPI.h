#pragma once

#include "kassio/dashboard/SalesAPIProtocol.h"

namespace kassio {

// Asks the backend for today's sales through the module's networkManager; sends nothing while
// there is none.
class SalesAPI final : public SalesAPIProtocol {
 public:
  void fetchSales(const std::vector<std::string>& tids,
                  std::function<void(std::optional<SalesCounterDataResponse>)> completion) const override;
};

}  // namespace kassio
