#pragma once

#include <functional>
#include <optional>
#include <string>

#include "kassio/entry/AuthMPosData.h"

namespace kassio {

// The host's terminal-authorisation service (Authbase).
class AuthMPosAPI {
 public:
  using Completion = std::function<void(std::optional<AuthMPosData>)>;

  virtual ~AuthMPosAPI() = default;

  // Asks which modes terminal `tid` may accept; `refresh` asks for fresh data rather than a
  // cached answer. The completion runs on the main run loop, with no data when none came.
  virtual void getData(const std::string& tid, bool refresh, Completion completion) = 0;
};

}  // namespace kassio
