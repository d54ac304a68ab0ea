#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "kassio/platform/foundation/Date.h"
#include "kassio/transactions/NetlaneManager.h"

namespace kassio::host {

// Netlane over HTTP, as docs/wire-protocol.md describes: each request is one POST of its JSON
// body to <baseUrl>/netlane/v1/<case>, sent on a worker thread; the NetlaneManager base takes
// every reply to the main run loop. A call that fails (no connection, a timeout, a status other
// than 2xx, its deadline passed, an answer over the size cap) is delivered as a failed call, so
// no decoded record comes of it.
//
// Every call has one deadline, counted from send(): however slowly a server trickles its answer,
// the call is cut off and fails once the deadline passes. Timeouts alone bound only each wait.
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
    // The whole call, from send() to the last byte of the answer, a second attempt included.
    platform::TimeInterval callDeadline = 60;
    // Answers longer than this fail the call, and are not read past it.
    std::size_t maxAnswerBytes = 4 * 1024 * 1024;
    // HTTPS: a client certificate (PEM) and its private key (PEM), both or neither.
    std::string clientCertificateFile{};
    std::string clientKeyFile{};
    // Sent through this proxy unless proxyHost is empty; basic credentials unless proxyUser is.
    std::string proxyHost{};
    int proxyPort = 0;
    std::string proxyUser{};
    std::string proxyPassword{};
    // Sent with every request; they may not replace a header the netlane sets itself.
    std::vector<std::pair<std::string, std::string>> extraHeaders{};
  };

  // None, with the reason in *error, when the base URL is not http(s)://host[:port][/path], or
  // a setting cannot be used (a certificate that does not load, a malformed header).

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
