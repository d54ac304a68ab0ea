#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "kassio/platform/json/Json.h"
#include "kassio/transactions/AuthCustome.h"
#include "kassio/transactions/HttpResponseInfo.h"

namespace kassio {

// The host's networking manager (Netlane), through which every backend request goes. The module
// holds the one the host hands to KassioManager.
//
// An implementation only sends: send() gets the request and a handler that it calls once with
// the reply, from any thread and at any time (even before send() returns), or never. The
// manager takes the reply to the main run loop, so every completion runs there and never inside
// the call that started the request.
class NetlaneManager {
 public:
  using Body = std::vector<std::uint8_t>;
  using RawCompletion = std::function<void(std::optional<Body> data, std::optional<HttpResponseInfo> response,
                                           std::optional<std::string> error)>;

  // One reply as the transport saw it. A call failed when `error` is present.
  struct Reply {
    std::optional<Body> data;
    std::optional<HttpResponseInfo> response;
    std::optional<std::string> error;
  };
  using ReplyHandler = std::function<void(Reply reply)>;

  virtual ~NetlaneManager() = default;

  // The raw reply: body, response and error, all optional.
  void callAPIService(bool isShowLoader, AuthCustome type, RawCompletion completion);

  // The body decoded as T, or none when the call failed, had no body or the body does not
  // decode: callAPIService<CashPayResponse>(true, request, completion).
  template <class T>
  void callAPIService(bool isShowLoader, AuthCustome type, std::function<void(std::optional<T>)> completion);

 protected:
  // The default sends nothing and never replies: a manager with no transport.
  virtual void send(bool /*isShowLoader*/, const AuthCustome& /*type*/, ReplyHandler /*reply*/) {}

 private:
  // send() with the reply handed to `deliver` on the main run loop.
  void sendToMainLoop(bool isShowLoader, AuthCustome type, std::function<void(Reply)> deliver);
};

template <class T>
void NetlaneManager::callAPIService(bool isShowLoader, AuthCustome type,
                                    std::function<void(std::optional<T>)> completion) {
  sendToMainLoop(isShowLoader, std::move(type), [completion = std::move(completion)](Reply reply) {
    if (!completion) return;
    if (reply.error || !reply.data) return completion(std::nullopt);
    const auto& body = *reply.data;
    completion(platform::decodeJson<T>(std::string_view(reinterpret_cast<const char*>(body.data()), body.size())));
  });
}

}  // namespace kassio
