#include "sandbox/SandboxAttach.h"

#include <utility>

#include "kassio/transactions/AuthCustomeWire.h"

namespace kassio::sandbox {

void attach(ScriptedNetlane& netlane, std::shared_ptr<SandboxBank> bank) {
  netlane.unscripted = [bank = std::move(bank)](bool, const AuthCustome& request, NetlaneManager::ReplyHandler reply) {
    BankReply answer = bank->handle(request);
    HttpResponseInfo response{answer.status, {{"Content-Type", answer.contentType}}};
    reply(replyFromHttp(std::move(response), std::move(answer.body)));
  };
}

}  // namespace kassio::sandbox
