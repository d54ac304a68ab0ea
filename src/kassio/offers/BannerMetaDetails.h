#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <tuple>

#include "kassio/platform/json/JsonField.h"

namespace kassio {

// How an offer banner is drawn. Colours are hexadecimal, with or without a leading "#".
struct BannerMetaDetails {
  std::optional<std::string> backgroundColor{};
  std::optional<std::string> fontColor{};
  std::optional<std::int64_t> fontSize{};

  bool operator==(const BannerMetaDetails&) const = default;
  static constexpr auto jsonFields =
      std::make_tuple(platform::jsonField("backgroundColor", &BannerMetaDetails::backgroundColor),
                      platform::jsonField("fontColor", &BannerMetaDetails::fontColor),
                      platform::jsonField("fontSize", &BannerMetaDetails::fontSize));
};

}  // namespace kassio
