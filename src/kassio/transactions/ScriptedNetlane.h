#pragma once

#include <cstddef>
#include <deque>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "kassio/platform/json/JsonValue.h"
#include "kassio/transactions/NetlaneManager.h"

namespace kassio {

// A Netlane that answers from replies queued per request case, first in first out, and keeps a
// log of every request sent. For tests and the script driver. A request with no reply queued
// goes to `unscripted`; while that is empty it gets no reply at all.
class ScriptedNetlane final : public NetlaneManager {
 public:
  using Unscripted = std::function<void(bool isShowLoader, const AuthCustome& type, ReplyHandler reply)>;

  // The JSON text of `json` as the body, with a 200 response.
  void replyJson(AuthCustomeCase kind, const platform::JsonValue& json);
  // Bytes as they stand (a QR image, text that is not JSON, nothing at all), with a 200 response.
  void replyBody(AuthCustomeCase kind, Body body);
  // A transport failure: no body, no response, the error text.
  void replyFailure(AuthCustomeCase kind, std::string error = "The request could not be sent.");
  void reply(AuthCustomeCase kind, Reply reply);
  std::size_t pendingReplies(AuthCustomeCase kind) const;

  // Every request in the order it was sent.
  const std::vector<AuthCustome>& requests() const { return requests_; }
  // [{"case": …, "args": […]}, …]
  platform::JsonValue requestsJson() const;
  // The isShowLoader flag of each request, in the same order.
  const std::vector<bool>& showLoaderFlags() const { return showLoaderFlags_; }
  void clearRequests() {
    requests_.clear();
    showLoaderFlags_.clear();
  }

  Unscripted unscripted;

 protected:
  void send(bool isShowLoader, const AuthCustome& type, ReplyHandler reply) override;

 private:
  std::map<AuthCustomeCase, std::deque<Reply>> replies_;
  std::vector<AuthCustome> requests_;
  std::vector<bool> showLoaderFlags_;
};

}  // namespace kassio
