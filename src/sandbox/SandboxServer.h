#pragma once

#include <chrono>
#include <cstddef>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <thread>

#include "sandbox/SandboxBank.h"

namespace httplib {
struct Request;
struct Response;
}  // namespace httplib

namespace kassio::sandbox {

// The bank behind HTTP on 127.0.0.1, speaking the Netlane wire protocol: POST
// /netlane/v1/<case> with a JSON body, the Idempotency-Key header passed on to the bank. Every
// refusal is the wire protocol's JSON failure; GET /health answers {"status":"ok"}.
//
// Connections are served by a pool of workers, one request per connection, and the bank answers
// one request at a time. A request must arrive whole within the request deadline, so clients
// that send slowly hold a worker for a bounded time only. Each request leaves one access line
// (method, case, status, duration; never a request's values) on the access log.
class SandboxServer {
 public:
  struct Settings {
    // With a token, a request without "Authorization: Bearer <token>" answers 401.
    std::string bearerToken;
    // Connections served at once; more wait for a free worker.
    std::size_t workers = 32;
    // From the moment a worker takes the connection until the request is read whole.
    std::chrono::milliseconds requestDeadline{10'000};
    // The longest wait for the next bytes of a request, or for the client to take the answer.
    std::chrono::milliseconds ioTimeout{5'000};
    std::size_t maximumBodyBytes = 1 << 20;
    // Receives each access line, without its newline, from the workers at once; standard error
    // when empty.
    std::function<void(std::string_view)> accessLog;
  };

  SandboxServer(std::shared_ptr<SandboxBank> bank, Settings settings);
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
  class Listener;  // cpp-httplib's server, serving each connection under the request deadline

  // Answers what can be told from the request line and headers alone, before the body is read:
  // false lets the request on to the bank.
  bool refuseEarly(const httplib::Request& request, httplib::Response& response) const;
  void answer(const httplib::Request& request, httplib::Response& response, const std::string& body);
  void logAccess(const std::string& method, const std::string& target, int status,
                 std::chrono::steady_clock::duration duration) const;

  std::shared_ptr<SandboxBank> bank_;
  Settings settings_;
  std::mutex bankMutex_;  // the bank serves one request at a time
  std::unique_ptr<Listener> server_;
  bool bound_ = false;
  std::thread thread_;
};

}  // namespace kassio::sandbox
