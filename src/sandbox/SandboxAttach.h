#pragma once

#include <memory>

#include "kassio/transactions/ScriptedNetlane.h"
#include "sandbox/SandboxBank.h"

namespace kassio::sandbox {

// Makes the bank answer every request of `netlane` that has no scripted reply, in-process, with
// the same status, content type and body as the HTTP server would send. The netlane keeps the
// bank alive.
void attach(ScriptedNetlane& netlane, std::shared_ptr<SandboxBank> bank);

}  // namespace kassio::sandbox
