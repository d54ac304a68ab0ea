#include "kassio/entry/KassioState.h"

#include <utility>

#include "kassio/entry/KassioManager.h"

namespace kassio {

void KassioState::setFilterData(std::optional<MainFilterData> filterData) {
  filterData_ = std::move(filterData);
  KassioManager::checkHeighestRole();
}

KassioState& KassioState::shared() {
  static KassioState state;
  return state;
}

}  // namespace kassio
