#pragma once

#include <cstddef>
#include <memory>
#include <string>

#include "kassio/platform/foundation/Date.h"
#include "kassio/transactions/NetlaneManager.h"

namespace kassio::host {

// Netlane over HTTP, as docs/wire-protocol.md describes: each request is one POST of its JSON
// body to <baseUrl>/netlane/v1/<case>, sent on a worker thread; the NetlaneManager base takes
// every reply to the main run loop. A call that fails (no connection, a timeout, a status other
// than 2xx) is delivered as a failed call, so no decoded record comes of it.
//
// Requests that create or change a payment are sent once, never retried here, and carry a
// fresh idempotency key, so that a retry further along can never charge twice. Other requests
// are sent a second time when the first attempt could not connect.
class HttpNetlane final : public NetlaneManager {
 public:
  struct Settings {
    std::string baseUrl{};      // "http://127.0.0.1:8080", "https://bank.example/api"
    std::string bearerToken{};  // sent as "Authorization: Bearer …" unless empty
    platform::TimeInterval connectTimeout = 10;
    platform::TimeInterval readTimeout = 30;  // also bounds writing the request
    std::size_t workerThreads = 4;
    std::string caCertificateFile{};  // HTTPS: trusted certificates; empty for the system's
  };

  // None, with the reason in *error, when the base URL is not http(s)://host[:port][/path].
  static std::unique_ptr<HttpNetlane> make(Settings settings, std::string* error = nullptr);
  // Aborts calls in flight and drops queued ones: their replies never come.
  ~HttpNetlane() override;
  HttpNetlane(const HttpNetlane&) = delete;
  HttpNetlane& operator=(const HttpNetlane&) = delete;

 protected:
  void send(bool isShowLoader, const AuthCustome& type, ReplyHandler reply) override;

 private:
  struct Transport;
  explicit HttpNetlane(std::unique_ptr<Transport> transport);

  std::unique_ptr<Transport> transport_;
};

}  // namespace kassio::host
