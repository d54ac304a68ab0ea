#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <tuple>

#include "kassio/platform/json/JsonField.h"

namespace kassio {

// An image of an offer banner (its picture or its frame).
struct BannerImage {
  std::optional<std::int64_t> id{};
  std::optional<std::string> updatedAt{};
  std::optional<std::string> fileName{};
  std::optional<std::string> fileUrl{};
  std::optional<std::string> filePath{};
  std::optional<std::string> fileType{};
  std::optional<std::string> terminalID{};  // key "terminalID", unlike RedemptionData
  std::optional<bool> isSelected{};

  bool operator==(const BannerImage&) const = default;
  static constexpr auto jsonFields = std::make_tuple(
      platform::jsonField("id", &BannerImage::id), platform::jsonField("updatedAt", &BannerImage::updatedAt),
      platform::jsonField("fileName", &BannerImage::fileName), platform::jsonField("fileUrl", &BannerImage::fileUrl),
      platform::jsonField("filePath", &BannerImage::filePath), platform::jsonField("fileType", &BannerImage::fileType),
      platform::jsonField("terminalID", &BannerImage::terminalID),
      platform::jsonField("isSelected", &BannerImage::isSelected));
};

}  // namespace kassio
