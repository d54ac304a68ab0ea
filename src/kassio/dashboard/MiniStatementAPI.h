#pragma once

#include "kassio/dashboard/MiniStatementAPIProtocol.h"

namespace kassio {

// Asks the backend for the mini statement (the last three successful sales) through the
// module's networkManager; sends nothing while there is none.
class MiniStatementAPI final : public MiniStatementAPIProtocol {
 public:
  void fetchMiniStatement(const std::vector<std::string>& tids, const std::string& startDate,
                          const std::string& endDate,
                          std::function<void(std::optional<MiniStatementResponse>)> completion) const override;
};

}  // namespace kassio
