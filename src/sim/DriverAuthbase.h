#pragma once

#include <deque>
#include <functional>
#include <optional>
#include <string>

#include "kassio/entry/AuthMPosAPI.h"

namespace kassio::sim {

// The terminal-authorisation service as the driver's host provides it: answers queued by the
// script come first, then the fallback (the bank's provisioning of the terminal), else none.
class DriverAuthbase : public AuthMPosAPI {
 public:
  using Fallback = std::function<std::optional<AuthMPosData>(const std::string& tid)>;

  void getData(const std::string& tid, bool refresh, Completion completion) override;

  void queueReply(std::optional<AuthMPosData> reply) { replies_.push_back(std::move(reply)); }
  void setFallback(Fallback fallback) { fallback_ = std::move(fallback); }

 private:
  std::deque<std::optional<AuthMPosData>> replies_;
  Fallback fallback_;
};

}  // namespace kassio::sim
