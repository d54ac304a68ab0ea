#include "kassio/transactions/NetlaneManager.h"

#include <memory>

#include "kassio/platform/foundation/Platform.h"
#include "kassio/platform/foundation/RunLoop.h"

namespace kassio {

void NetlaneManager::callAPIService(bool isShowLoader, AuthCustome type, RawCompletion completion) {
  sendToMainLoop(isShowLoader, std::move(type), [completion = std::move(completion)](Reply reply) {
    if (completion) completion(std::move(reply.data), std::move(reply.response), std::move(reply.error));
  });
}

void NetlaneManager::sendToMainLoop(bool isShowLoader, AuthCustome type, std::function<void(Reply)> deliver) {
  // The loop is taken now, on the main thread: the reply may come from a worker thread. Without
  // an installed loop there is no main thread to answer on, and the reply is dropped.
  std::shared_ptr<platform::RunLoop> loop = platform::Platform::current().runLoop;
  send(isShowLoader, type, [loop = std::move(loop), deliver = std::move(deliver)](Reply reply) {
    if (!loop) return;
    loop->async([deliver, reply = std::move(reply)]() mutable { deliver(std::move(reply)); });
  });
}

}  // namespace kassio
