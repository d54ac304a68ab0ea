#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <tuple>

#include "kassio/platform/json/JsonField.h"

namespace kassio {

// An image of a redeemed offer's banner.
struct BannerFrameClass {
  std::optional<std::int64_t> id{};
  std::optional<std::string> fileURL{};  // key "fileUrl"

  bool operator==(const BannerFrameClass&) const = default;
  static constexpr auto jsonFields = std::make_tuple(platform::jsonField("id", &BannerFrameClass::id),
                                                     platform::jsonField("fileUrl", &BannerFrameClass::fileURL));
};

}  // namespace kassio
