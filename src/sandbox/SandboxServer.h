#pragma once

#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>

#include "sandbox/SandboxBank.h"

namespace httplib {
class Server;
}

namespace kassio::sandbox {

// The bank behind HTTP on 127.0.0.1, speaking the Netlane wire protocol: POST
// /netlane/v1/<case> with a JSON body, the Idempotency-Key header passed on to the bank.
// Requests are served one at a time.
class SandboxServer {
 public:
  // With a bearer token, a request without "Authorization: Bearer <token>" answers 401.
  explicit SandboxServer(std::shared_ptr<SandboxBank> bank, std::string bearerToken = {});
  ~SandboxServer();  // stops
  SandboxServer(const SandboxServer&) = delete;
  SandboxServer& operator=(const SandboxServer&) = delete;

  // Binds 127.0.0.1:port, any free port for 0. The port bound, or none.
  std::optional<int> bind(int port);
  // Serves on a thread of its own, once bound; connections made before are queued, not refused.
  void start();
  // From any thread; returns once serving has ended.
  void stop();

 private:
  std::shared_ptr<SandboxBank> bank_;
  std::string bearerToken_;
  std::mutex bankMutex_;  // the bank serves one request at a time
  std::unique_ptr<httplib::Server> server_;
  bool bound_ = false;
  std::thread thread_;
};

}  // namespace kassio::sandbox
