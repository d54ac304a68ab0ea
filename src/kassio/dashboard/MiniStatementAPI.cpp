#include "kassio/dashboard/MiniStatementAPI.h"

#include <utility>

#include "kassio/entry/KassioManager.h"

namespace kassio {

void MiniStatementAPI::fetchMiniStatement(const std::vector<std::string>& tids, const std::string& startDate,
                                          const std::string& endDate,
                                          std::function<void(std::optional<MiniStatementResponse>)> completion) const {
  const auto manager = KassioManager::networkManager();
  if (!manager) return;
  manager->callAPIService<MiniStatementResponse>(
      true, AuthCustome::miniStateMent(tids, "terminal", {"SaleSuccess"}, "miniStatement", "3", startDate, endDate),
      std::move(completion));
}

}  // namespace kassio
