#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <tuple>

#include "kassio/platform/json/JsonField.h"

namespace kassio {

// One terminal's sales counters for the day. The six numbers are required JSON numbers.
struct SalesCounterListData {
  std::optional<std::string> mid{};
  double saleAmount = 0;
  std::int64_t saleCount = 0;
  double plAmount = 0;
  std::int64_t plCount = 0;
  double totalAmount = 0;
  std::int64_t totalCount = 0;
  std::optional<std::string> area{};
  std::optional<std::string> tid{};

  bool operator==(const SalesCounterListData&) const = default;
  static constexpr auto jsonFields = std::make_tuple(
      platform::jsonField("mid", &SalesCounterListData::mid),
      platform::jsonField("saleAmount", &SalesCounterListData::saleAmount),
      platform::jsonField("saleCount", &SalesCounterListData::saleCount),
      platform::jsonField("plAmount", &SalesCounterListData::plAmount),
      platform::jsonField("plCount", &SalesCounterListData::plCount),
      platform::jsonField("totalAmount", &SalesCounterListData::totalAmount),
      platform::jsonField("totalCount", &SalesCounterListData::totalCount),
      platform::jsonField("area", &SalesCounterListData::area), platform::jsonField("tid", &SalesCounterListData::tid));
};

}  // namespace kassio
