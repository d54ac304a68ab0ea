#include "kassio/dashboard/SalesAPI.h"

#include <utility>

#include "kassio/dashboard/DateFunctions.h"
#include "kassio/entry/KassioManager.h"

namespace kassio {

void SalesAPI::fetchSales(const std::vector<std::string>& tids,
                          std::function<void(std::optional<SalesCounterDataResponse>)> completion) const {
  const auto manager = KassioManager::networkManager();
  if (!manager) return;
  const std::string today = stringWithFormat(currentDate(), "yyyy-MM-dd");
  manager->callAPIService<SalesCounterDataResponse>(true, AuthCustome::paymentSalesCardVelbank(tids, "1", today, today),
                                                    std::move(completion));
}

}  // namespace kassio
