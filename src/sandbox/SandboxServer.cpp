#include "sandbox/SandboxServer.h"

#include <httplib.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdio>
#include <ctime>
#include <utility>

#include "kassio/platform/json/JsonValue.h"
#include "kassio/transactions/AuthCustomeWire.h"
#include "sandbox/DeadlineSocketStream.h"

namespace kassio::sandbox {

namespace {

using Clock = DeadlineSocketStream::Clock;

constexpr std::string_view healthPath = "/health";
// How long a closing connection takes what the client still sends (below).
constexpr std::chrono::milliseconds lingerTime{1'000};

// What the access line tells of one connection.
struct Connection {
  Clock::time_point start;
  const DeadlineSocketStream* stream = nullptr;
  std::string method = "-";
  std::string target = "-";
  int status = 0;  // none: no answer was sent
  Clock::time_point end;
};

// The connection this worker thread serves. cpp-httplib serves a connection from start to end on
// one worker and calls the logger and the error handler on it, with the request alone.
thread_local Connection* connectionServed = nullptr;

void setFailure(httplib::Response& response, int status, const std::string& message) {
  platform::JsonValue body = platform::JsonValue::object();
  body["status"] = "Failed";
  body["respMsg"] = message;
  response.status = status;
  response.set_content(platform::writeJson(body), std::string(jsonContentType));
}

// The message of a refusal cpp-httplib made itself, before any handler saw the request.
std::string defaultMessage(int status) {
  switch (status) {
    case 400: return "The request is not well-formed HTTP";
    case 408: return "The request did not arrive in time";
    case 413: return "The request body is too large";
    case 414: return "The request line is too long";
    case 415: return "The request body's encoding is not supported";
    default: return "The request could not be served (HTTP " + std::to_string(status) + ")";
  }
}

bool equalsIgnoringCase(std::string_view a, std::string_view b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                    [](unsigned char x, unsigned char y) { return std::tolower(x) == std::tolower(y); });
}

std::string_view trimmed(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
  return text;
}

bool isCasePath(std::string_view path) {
  if (!path.starts_with(wirePathPrefix)) return false;
  path.remove_prefix(wirePathPrefix.size());
  return !path.empty() && std::all_of(path.begin(), path.end(), [](unsigned char c) { return std::isalnum(c); });
}

// What the access line names: a case the wire knows, or the health path. Any other path is not
// written, as a client could put anything in it, a mobile number included.
std::string loggedTarget(std::string_view path) {
  if (path == healthPath) return std::string(path);
  if (isCasePath(path)) {
    const std::string_view name = path.substr(wirePathPrefix.size());
    if (authCustomeCaseNamed(name)) return std::string(name);
  }
  return "-";
}

// Closing a socket while request bytes are still unread makes the kernel reset the connection,
// and the client may lose an answer it has not read yet (the refusal of an oversized body, say).
// So the server stops writing and takes what the client still sends until it closes, briefly.
void closeLingering(::socket_t socket) {
  ::shutdown(socket, SHUT_WR);
  const auto until = Clock::now() + lingerTime;
  char discarded[16384];
  for (;;) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(until - Clock::now()).count();
    if (left <= 0) break;
    pollfd entry{socket, POLLIN, 0};
    const int ready = ::poll(&entry, 1, static_cast<int>(left));
    if (ready < 0 && errno == EINTR) continue;
    if (ready <= 0 || ::recv(socket, discarded, sizeof discarded, 0) <= 0) break;
  }
  ::close(socket);
}

}  // namespace

class SandboxServer::Listener final : public httplib::Server {
 public:
  explicit Listener(const SandboxServer& owner) : owner_(owner) {}

 private:
  // One request per connection, read under the request deadline.
  bool process_and_close_socket(::socket_t socket) override {
    const auto start = Clock::now();
    DeadlineSocketStream stream(socket, start + owner_.settings_.requestDeadline, owner_.settings_.ioTimeout);
    Connection connection;
    connection.start = start;
    connection.stream = &stream;
    connectionServed = &connection;
    bool closed = false;
    const bool served = process_request(stream, true, closed, nullptr);
    connectionServed = nullptr;
    if (!connection.status) connection.end = Clock::now();
    owner_.logAccess(connection.method, connection.target, connection.status, connection.end - connection.start);
    closeLingering(socket);
    return served;
  }

  const SandboxServer& owner_;
};

SandboxServer::SandboxServer(std::shared_ptr<SandboxBank> bank, std::string bearerToken)
    : SandboxServer(std::move(bank), [&] {
        Settings settings;
        settings.bearerToken = std::move(bearerToken);
        return settings;
      }()) {}

SandboxServer::SandboxServer(std::shared_ptr<SandboxBank> bank, Settings settings)
    : bank_(std::move(bank)), settings_(std::move(settings)), server_(std::make_unique<Listener>(*this)) {
  server_->new_task_queue = [workers = std::max<std::size_t>(settings_.workers, 1)] {
    return new httplib::ThreadPool(workers);
  };
  server_->set_payload_max_length(settings_.maximumBodyBytes);
  server_->set_pre_routing_handler([this](const httplib::Request& request, httplib::Response& response) {
    return refuseEarly(request, response) ? httplib::Server::HandlerResponse::Handled
                                          : httplib::Server::HandlerResponse::Unhandled;
  });
  // The body is read here, a piece at a time, so that a chunked one is held to the limit too.
  server_->Post(std::string(wirePathPrefix) + "([A-Za-z0-9]+)",
                [this](const httplib::Request& request, httplib::Response& response,
                       const httplib::ContentReader& reader) {
                  std::string body;
                  bool tooLarge = false;
                  const bool read = reader([&](const char* data, std::size_t length) {
                    tooLarge = length > settings_.maximumBodyBytes - body.size();
                    if (!tooLarge) body.append(data, length);
                    return !tooLarge;
                  });
                  if (tooLarge)
                    return setFailure(response, 413, "The request body is larger than " +
                                                         std::to_string(settings_.maximumBodyBytes) + " bytes");
                  if (!read) return setFailure(response, 400, "The request body could not be read");
                  answer(request, response, body);
                });
  // Every refusal, cpp-httplib's own included, is the wire protocol's JSON failure.
  server_->set_error_handler([](const httplib::Request&, httplib::Response& response) {
    if (connectionServed && connectionServed->stream->timedOut()) {
      response.status = 408;
      response.body.clear();
    }
    if (response.body.empty()) setFailure(response, response.status, defaultMessage(response.status));
  });
  server_->set_exception_handler([](const httplib::Request&, httplib::Response& response, std::exception_ptr) {
    setFailure(response, 500, "The bank could not complete the request");
  });
  server_->set_logger([](const httplib::Request& request, const httplib::Response& response) {
    if (!connectionServed) return;
    // A request line that fails to parse may leave anything in the method.
    static constexpr std::string_view methods[] = {"GET", "HEAD", "POST", "PUT", "DELETE", "CONNECT", "OPTIONS",
                                                   "TRACE", "PATCH"};
    if (std::find(std::begin(methods), std::end(methods), request.method) != std::end(methods))
      connectionServed->method = request.method;
    connectionServed->target = loggedTarget(request.path);
    connectionServed->status = response.status;
    connectionServed->end = Clock::now();
  });
}

SandboxServer::~SandboxServer() { stop(); }

bool SandboxServer::refuseEarly(const httplib::Request& request, httplib::Response& response) const {
  if (request.path == healthPath) {
    if (request.method == "GET" || request.method == "HEAD") {
      response.set_content(R"({"status":"ok"})", std::string(jsonContentType));
    } else {
      response.set_header("Allow", "GET");
      setFailure(response, 405, "The health check answers GET");
    }
    return true;
  }
  if (!isCasePath(request.path)) {
    setFailure(response, 404, "Requests go to " + std::string(wirePathPrefix) + "<case>");
    return true;
  }
  if (request.method != "POST") {
    response.set_header("Allow", "POST");
    setFailure(response, 405, "Requests are sent with POST");
    return true;
  }
  if (!settings_.bearerToken.empty() &&
      request.get_header_value("Authorization") != "Bearer " + settings_.bearerToken) {
    setFailure(response, 401, "Missing or wrong bearer token");
    return true;
  }
  // Only JSON: a web page can send a plain-text or form body to 127.0.0.1 without asking first.
  const std::string contentType = request.get_header_value("Content-Type");
  if (!equalsIgnoringCase(trimmed(std::string_view(contentType).substr(0, contentType.find(';'))), jsonContentType)) {
    setFailure(response, 415, "The request body must be " + std::string(jsonContentType));
    return true;
  }
  // The body's length is known before it is read: without one, the server would wait for the
  // client to close.
  const bool hasLength = request.has_header("Content-Length");
  if (request.has_header("Transfer-Encoding")) {
    if (!equalsIgnoringCase(request.get_header_value("Transfer-Encoding"), "chunked") || hasLength) {
      setFailure(response, 400, "A request body is sent with a Content-Length or chunked, nothing else");
      return true;
    }
    return false;
  }
  if (!hasLength) {
    setFailure(response, 411, "The request needs a Content-Length");
    return true;
  }
  const std::string length = request.get_header_value("Content-Length");
  if (request.get_header_value_count("Content-Length") > 1 || length.empty() ||
      !std::all_of(length.begin(), length.end(), [](unsigned char c) { return std::isdigit(c); })) {
    setFailure(response, 400, "The Content-Length is not a number");
    return true;
  }
  if (length.size() > 18 || std::stoull(length) > settings_.maximumBodyBytes) {
    setFailure(response, 413, "The request body is larger than " + std::to_string(settings_.maximumBodyBytes) + " bytes");
    return true;
  }
  return false;
}

void SandboxServer::answer(const httplib::Request& request, httplib::Response& response, const std::string& body) {
  const auto json = platform::parseJson(body);
  if (!json) return setFailure(response, 400, "The request body is not JSON");
  const std::string key = request.get_header_value(std::string(idempotencyKeyHeader));
  BankReply reply;
  {
    std::lock_guard lock(bankMutex_);
    reply = bank_->handle(request.matches[1].str(), *json, key);
  }
  response.status = reply.status;
  response.set_content(std::string(reply.body.begin(), reply.body.end()), reply.contentType);
}

// "2026-12-11T09:30:00Z POST cashPay 200 3.1 ms"; a connection dropped unanswered shows status -.
void SandboxServer::logAccess(const std::string& method, const std::string& target, int status,
                              Clock::duration duration) const {
  char when[32];
  const std::time_t now = std::time(nullptr);
  std::tm utc{};
  gmtime_r(&now, &utc);
  std::strftime(when, sizeof when, "%Y-%m-%dT%H:%M:%SZ", &utc);
  char line[160];
  std::snprintf(line, sizeof line, "%s %s %s %s %.1f ms", when, method.c_str(), target.c_str(),
                status ? std::to_string(status).c_str() : "-",
                std::chrono::duration<double, std::milli>(duration).count());
  if (settings_.accessLog) return settings_.accessLog(line);
  std::fprintf(stderr, "%s\n", line);  // one call, so lines of concurrent workers do not mix
}

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
