#include "kassio/transactions/ScriptedNetlane.h"

#include <utility>

namespace kassio {

void ScriptedNetlane::replyJson(AuthCustomeCase kind, const platform::JsonValue& json) {
  const std::string text = platform::writeJson(json);
  reply(kind, {Body(text.begin(), text.end()), HttpResponseInfo{}, std::nullopt});
}

void ScriptedNetlane::replyBody(AuthCustomeCase kind, Body body) {
  reply(kind, {std::move(body), HttpResponseInfo{}, std::nullopt});
}

void ScriptedNetlane::replyFailure(AuthCustomeCase kind, std::string error) {
  reply(kind, {std::nullopt, std::nullopt, std::move(error)});
}

void ScriptedNetlane::reply(AuthCustomeCase kind, Reply reply) { replies_[kind].push_back(std::move(reply)); }

std::size_t ScriptedNetlane::pendingReplies(AuthCustomeCase kind) const {
  const auto found = replies_.find(kind);
  return found == replies_.end() ? 0 : found->second.size();
}

platform::JsonValue ScriptedNetlane::requestsJson() const {
  platform::JsonValue log = platform::JsonValue::array();
  for (const auto& request : requests_) log.push_back(request.json());
  return log;
}

void ScriptedNetlane::send(bool isShowLoader, const AuthCustome& type, ReplyHandler reply) {
  requests_.push_back(type);
  showLoaderFlags_.push_back(isShowLoader);
  if (auto queue = replies_.find(type.kind); queue != replies_.end() && !queue->second.empty()) {
    Reply next = std::move(queue->second.front());
    queue->second.pop_front();
    reply(std::move(next));
  } else if (unscripted) {
    unscripted(isShowLoader, type, std::move(reply));
  }
}

}  // namespace kassio
