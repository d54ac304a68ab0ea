#include "sandbox/SandboxServer.h"

#include <httplib.h>

#include <utility>

#include "kassio/platform/json/JsonValue.h"
#include "kassio/transactions/AuthCustomeWire.h"

namespace kassio::sandbox {

namespace {

constexpr std::size_t maximumBodyBytes = 1 << 20;

void sendFailure(httplib::Response& response, int status, const std::string& message) {
  platform::JsonValue body = platform::JsonValue::object();
  body["status"] = "Failed";
  body["respMsg"] = message;
  response.status = status;
  response.set_content(platform::writeJson(body), std::string(jsonContentType));
}

}  // namespace

SandboxServer::SandboxServer(std::shared_ptr<SandboxBank> bank, std::string bearerToken)
    : bank_(std::move(bank)), bearerToken_(std::move(bearerToken)), server_(std::make_unique<httplib::Server>()) {
  server_->set_payload_max_length(maximumBodyBytes);
  server_->Post(std::string(wirePathPrefix) + "([A-Za-z0-9]+)", [this](const httplib::Request& request,
                                                                      httplib::Response& response) {
    if (!bearerToken_.empty() && request.get_header_value("Authorization") != "Bearer " + bearerToken_)
      return sendFailure(response, 401, "Missing or wrong bearer token");
    const auto body = platform::parseJson(request.body);
    if (!body) return sendFailure(response, 400, "The request body is not JSON");
    const std::string key = request.get_header_value(std::string(idempotencyKeyHeader));
    BankReply reply;
    {
      std::lock_guard lock(bankMutex_);
      reply = bank_->handle(request.matches[1].str(), *body, key);
    }
    response.status = reply.status;
    response.set_content(std::string(reply.body.begin(), reply.body.end()), reply.contentType);
  });
}

SandboxServer::~SandboxServer() { stop(); }

std::optional<int> SandboxServer::bind(int port) {
  if (port == 0) port = server_->bind_to_any_port("127.0.0.1");
  else if (!server_->bind_to_port("127.0.0.1", port)) port = -1;
  bound_ = port > 0;
  return bound_ ? std::optional<int>(port) : std::nullopt;
}

void SandboxServer::start() {
  if (!bound_ || thread_.joinable()) return;
  thread_ = std::thread([this] { server_->listen_after_bind(); });
  // A stop() before the server runs would be lost, leaving the thread serving for ever.
  while (!server_->is_running()) std::this_thread::yield();
}

void SandboxServer::stop() {
  server_->stop();
  if (thread_.joinable()) thread_.join();
}

}  // namespace kassio::sandbox
