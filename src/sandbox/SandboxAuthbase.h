#pragma once

#include <memory>
#include <string>

#include "kassio/entry/AuthMPosAPI.h"
#include "sandbox/SandboxBank.h"

namespace kassio::sandbox {

// The terminal-authorisation service answered by the sandbox bank: a terminal's modes are the
// ones the bank provisioned it with. Answers come later on the main run loop, as a real
// service's do; a terminal the bank does not know gets no data.
class SandboxAuthbase final : public AuthMPosAPI {
 public:
  explicit SandboxAuthbase(std::shared_ptr<SandboxBank> bank) : bank_(std::move(bank)) {}

  void getData(const std::string& tid, bool refresh, Completion completion) override;

 private:
  std::shared_ptr<SandboxBank> bank_;
};

}  // namespace kassio::sandbox
