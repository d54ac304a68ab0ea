#pragma once

#include <optional>
#include <string_view>

namespace kassio {

// The status codes of the collect and cash requests. Only these seven texts decode, in this
// exact case.
enum class UPICollectStatusCode {
  sessionExpired,
  invalidRequest,
  success,
  inProgress,
  failed,
  invalidAmount,
  serverError,
};

inline std::string_view rawValue(UPICollectStatusCode code) {
  switch (code) {
    case UPICollectStatusCode::sessionExpired: return "E105";
    case UPICollectStatusCode::invalidRequest: return "P101";
    case UPICollectStatusCode::success: return "S101";
    case UPICollectStatusCode::inProgress: return "S103";
    case UPICollectStatusCode::failed: return "E107";
    case UPICollectStatusCode::invalidAmount: return "P109";
    case UPICollectStatusCode::serverError: return "E101";
  }
  return "";
}

inline std::optional<UPICollectStatusCode> fromRaw(std::string_view raw, UPICollectStatusCode*) {
  for (auto code : {UPICollectStatusCode::sessionExpired, UPICollectStatusCode::invalidRequest,
                    UPICollectStatusCode::success, UPICollectStatusCode::inProgress, UPICollectStatusCode::failed,
                    UPICollectStatusCode::invalidAmount, UPICollectStatusCode::serverError}) {
    if (rawValue(code) == raw) return code;
  }
  return std::nullopt;
}

}  // namespace kassio
