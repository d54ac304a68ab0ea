#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <tuple>

#include "kassio/platform/json/JsonField.h"

namespace kassio {

// A terminal's Bharat QR provisioning, with its static QR code.
struct QrData {
  std::optional<std::string> status;
  std::optional<std::string> providerName;
  std::optional<std::int64_t> providerID;
  std::optional<std::string> digitalStaticQRPath;
  std::optional<std::int64_t> staticQRStatus;  // 0: no static QR may be offered
  std::optional<std::string> rupayPan;
  std::optional<std::string> masterPassPan;
  std::optional<std::string> mpan;

  bool operator==(const QrData&) const = default;
  static constexpr auto jsonFields =
      std::make_tuple(platform::jsonField("status", &QrData::status),
                      platform::jsonField("providerName", &QrData::providerName),
                      platform::jsonField("providerId", &QrData::providerID),
                      platform::jsonField("digitalStaticQRPath", &QrData::digitalStaticQRPath),
                      platform::jsonField("staticQRStatus", &QrData::staticQRStatus),
                      platform::jsonField("rupayPan", &QrData::rupayPan),
                      platform::jsonField("masterPassPan", &QrData::masterPassPan),
                      platform::jsonField("mpan", &QrData::mpan));
};

}  // namespace kassio
