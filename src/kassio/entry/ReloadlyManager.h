#pragma once

#include <functional>
#include <string>
#include <vector>

#include "kassio/entry/DateRange.h"

namespace kassio {

// A screen the host reloads for a set of terminals and a date range (the host's Reloadly).
class ReloadlyManager {
 public:
  virtual ~ReloadlyManager() = default;

  virtual void reloadData(bool isShowLoader, const std::vector<std::string>& forTIDs, const DateRange& dateRange,
                          std::function<void()> didFinishReloading) = 0;
};

}  // namespace kassio
