#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace kassio {

// The outcome of a Bharat QR request, built from the raw reply: the body is either the QR
// image or a JSON status object.
struct QRPayResponse {
  std::optional<std::vector<std::uint8_t>> data{};  // the body as received
  std::optional<std::string> errorMsg{};
  std::optional<std::string> payerVpa{};
  bool success = false;
  std::optional<std::string> errorCode{};

  bool operator==(const QRPayResponse&) const = default;

  // A body that is not a JSON object is the QR image: success. A JSON object succeeds when its
  // "status" is exactly "Success", and gives its "respMsg" as errorMsg. A failed call, or one
  // that brought no body or an empty one, has no QR to show: no success.
  static QRPayResponse fromReply(const std::optional<std::vector<std::uint8_t>>& body, bool callFailed);
};

}  // namespace kassio
