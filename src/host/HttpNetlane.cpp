#include "host/HttpNetlane.h"

#include <httplib.h>
#include <sys/random.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <chrono>
#include <cmath>
#include <condition_variable>
#include <deque>
#include <fstream>
#include <mutex>
#include <regex>
#include <set>
#include <stdexcept>
#include <thread>
#include <utility>
#include <vector>

#include "kassio/platform/json/JsonValue.h"
#include "kassio/platform/text/Uuid.h"
#include "kassio/transactions/AuthCustomeWire.h"

namespace kassio::host {

namespace {

using Clock = std::chrono::steady_clock;

struct Job {
  std::string path;
  std::string body;
  std::string idempotencyKey;  // empty for requests that change no payment
  bool mayRetry = false;
  Clock::time_point deadline;
  NetlaneManager::ReplyHandler reply;
};

// One request on the wire. The deadline watcher holds it while it stops the client, so the
// client outlives every stop() even when its worker is done with it.
struct Call {
  Call(const std::string& origin, const HttpNetlane::Settings& settings, Clock::time_point deadline)
      : client(origin, settings.clientCertificateFile, settings.clientKeyFile), deadline(deadline) {}
  httplib::Client client;
  Clock::time_point deadline;
};

NetlaneManager::Reply failedCall(std::string reason) { return {std::nullopt, std::nullopt, std::move(reason)}; }

std::pair<time_t, time_t> secondsAndMicroseconds(platform::TimeInterval seconds) {
  if (!(seconds > 0)) seconds = 0;
  const double whole = std::floor(seconds);
  return {static_cast<time_t>(whole), static_cast<time_t>((seconds - whole) * 1e6)};
}

Clock::duration durationOf(platform::TimeInterval seconds) {
  if (!(seconds > 0)) return Clock::duration::zero();
  return std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(std::min(seconds, 1e9)));
}

// Keys come from the kernel's random source, never from a seeded generator: a key repeated by
// another run or another gateway would be answered with that one's payment.
std::string freshIdempotencyKey() {
  platform::Uuid::Bytes bytes{};
  std::size_t filled = 0;
  while (filled < bytes.size()) {
    const ssize_t got = getrandom(bytes.data() + filled, bytes.size() - filled, 0);
    if (got < 0) {
      if (errno == EINTR) continue;
      throw std::runtime_error("getrandom failed");
    }
    filled += static_cast<std::size_t>(got);
  }
  return platform::Uuid::version4(bytes).uuidString();
}

bool sameName(const std::string& a, std::string_view b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                    [](char x, char y) { return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y)); });
}

// The reason the settings cannot be used, or empty.
std::string settingsProblem(const HttpNetlane::Settings& settings, bool https) {
  static const std::regex token(R"(^[!#$%&'*+.^_`|~0-9A-Za-z-]+$)");
  if (!(settings.callDeadline > 0)) return "the call deadline must be positive";
  if (settings.maxAnswerBytes == 0) return "the answer size cap must be positive";
  if (settings.clientCertificateFile.empty() != settings.clientKeyFile.empty())
    return "a client certificate needs both its certificate and its key file";
  if (!settings.clientCertificateFile.empty() && !https) return "a client certificate needs an https URL";
  for (const auto* file : {&settings.clientCertificateFile, &settings.clientKeyFile}) {
    if (!file->empty() && !std::ifstream(*file)) return "cannot read \"" + *file + "\"";
  }
  if (!settings.proxyHost.empty() && (settings.proxyPort < 1 || settings.proxyPort > 65535))
    return "the proxy port must be 1 to 65535";
  if (settings.proxyHost.empty() && (settings.proxyPort != 0 || !settings.proxyUser.empty()))
    return "proxy settings without a proxy host";
  std::vector<std::string_view> ownHeaders{"Accept", "Content-Type", "Content-Length", "Transfer-Encoding", "Host",
                                           "Connection", idempotencyKeyHeader};
  if (!settings.bearerToken.empty()) ownHeaders.push_back("Authorization");
  if (!settings.proxyUser.empty()) ownHeaders.push_back("Proxy-Authorization");
  for (const auto& [name, value] : settings.extraHeaders) {
    if (!std::regex_match(name, token)) return "not a header name: \"" + name + "\"";
    if (value.find_first_of(std::string_view("\r\n\0", 3)) != std::string::npos)
      return "the header \"" + name + "\" has a line break in its value";
    for (auto own : ownHeaders) {
      if (sameName(name, own)) return "the header \"" + name + "\" is set by the netlane itself";
    }
  }
  return {};
}

}  // namespace

struct HttpNetlane::Transport {
  Settings settings;
  std::string origin;      // scheme://host[:port]
  std::string pathPrefix;  // the base URL's path, without a trailing slash

  std::mutex mutex;
  std::condition_variable wake;         // workers: a job was queued, or stopping
  std::condition_variable watcherWake;  // watcher: a call started, or stopping
  std::deque<Job> queue;
  std::set<std::shared_ptr<Call>> inFlight;
  bool stopping = false;
  std::vector<std::thread> workers;
  std::thread watcher;

  void work() {
    for (;;) {
      Job job;
      {
        std::unique_lock lock(mutex);
        wake.wait(lock, [&] { return stopping || !queue.empty(); });
        if (stopping) return;
        job = std::move(queue.front());
        queue.pop_front();
      }
      auto reply = perform(job);
      if (reply) job.reply(std::move(*reply));
    }
  }

  // Stops each call whose deadline has passed, and every call once the transport is stopping.
  // A stop() that comes before the client has opened its socket does nothing, so a late call is
  // stopped again, shortly after, until its worker lets go of it.
  void watch() {
    constexpr auto again = std::chrono::milliseconds(20);
    std::unique_lock lock(mutex);
    for (;;) {
      if (stopping && inFlight.empty()) return;
      const auto now = Clock::now();
      std::vector<std::shared_ptr<Call>> late;
      auto next = Clock::time_point::max();
      for (const auto& call : inFlight) {
        if (stopping || call->deadline <= now) {
          late.push_back(call);
        } else {
          next = std::min(next, call->deadline);
        }
      }
      if (!late.empty()) {
        lock.unlock();  // stop() may wait for a connection attempt to end
        for (const auto& call : late) call->client.stop();
        lock.lock();
        next = std::min(next, Clock::now() + again);
      }
      if (next == Clock::time_point::max()) {
        watcherWake.wait(lock);
      } else {
        watcherWake.wait_until(lock, next);
      }
    }
  }

  // The reply, or none when the transport is shutting down.
  std::optional<NetlaneManager::Reply> perform(const Job& job) {
    const auto left = job.deadline - Clock::now();
    if (left <= Clock::duration::zero()) return failedCall("The call's deadline passed before it was sent");
    auto call = std::make_shared<Call>(origin, settings, job.deadline);
    httplib::Client& client = call->client;
    if (!client.is_valid()) return failedCall("The HTTPS client could not be set up with the client certificate");
    const double secondsLeft = std::chrono::duration<double>(left).count();
    const auto [connectSeconds, connectMicros] = secondsAndMicroseconds(std::min(settings.connectTimeout, secondsLeft));
    const auto [readSeconds, readMicros] = secondsAndMicroseconds(settings.readTimeout);
    client.set_connection_timeout(connectSeconds, connectMicros);
    client.set_read_timeout(readSeconds, readMicros);
    client.set_write_timeout(readSeconds, readMicros);
    client.set_keep_alive(false);
    if (!settings.bearerToken.empty()) client.set_bearer_token_auth(settings.bearerToken);
    if (!settings.proxyHost.empty()) {
      client.set_proxy(settings.proxyHost, settings.proxyPort);
      if (!settings.proxyUser.empty()) client.set_proxy_basic_auth(settings.proxyUser, settings.proxyPassword);
    }
#ifdef CPPHTTPLIB_OPENSSL_SUPPORT
    if (!settings.caCertificateFile.empty()) client.set_ca_cert_path(settings.caCertificateFile);
#endif
    {
      std::lock_guard lock(mutex);
      if (stopping) return std::nullopt;
      inFlight.insert(call);
    }
    watcherWake.notify_one();

    httplib::Headers headers{{"Accept", std::string(jsonContentType) + ", " + std::string(pngContentType)},
                             {"Content-Type", std::string(jsonContentType)}};
    if (!job.idempotencyKey.empty()) headers.emplace(std::string(idempotencyKeyHeader), job.idempotencyKey);
    for (const auto& [name, value] : settings.extraHeaders) headers.emplace(name, value);

    std::string body;
    bool tooLarge = false;
    auto post = [&] {
      body.clear();
      httplib::Request request;
      request.method = "POST";
      request.path = job.path;
      request.headers = headers;
      request.body = job.body;
      // A declared length over the cap fails before any of the body is read.
      request.response_handler = [&](const httplib::Response& response) {
        const auto length = response.get_header_value("Content-Length");
        tooLarge = !length.empty() && length.find_first_not_of("0123456789") == std::string::npos &&
                   (length.size() > 19 || std::stoull(length) > settings.maxAnswerBytes);
        return !tooLarge;
      };
      request.content_receiver = [&](const char* data, std::size_t size, std::uint64_t, std::uint64_t) {
        tooLarge = body.size() + size > settings.maxAnswerBytes;
        if (!tooLarge) body.append(data, size);
        return !tooLarge;
      };
      return client.send(request);
    };
    httplib::Result result = post();
    // Nothing reached the server when the connection could not be made.
    if (!result && result.error() == httplib::Error::Connection && job.mayRetry && Clock::now() < job.deadline) {
      result = post();
    }
    {
      std::lock_guard lock(mutex);
      inFlight.erase(call);
      if (stopping) return std::nullopt;
    }
    if (tooLarge) return failedCall("The answer is longer than " + std::to_string(settings.maxAnswerBytes) + " bytes");
    if (!result) {
      if (Clock::now() >= job.deadline) return failedCall("The call did not end within its deadline");
      return failedCall("The request failed: " + httplib::to_string(result.error()));
    }
    HttpResponseInfo response{result->status, {}};
    for (const auto& [name, value] : result->headers) response.headers.emplace_back(name, value);
    return replyFromHttp(std::move(response), Body(body.begin(), body.end()));
  }
};

std::unique_ptr<HttpNetlane> HttpNetlane::make(Settings settings, std::string* error) {
  static const std::regex url(R"(^(https?)://([^/:?#\[\]]+|\[[0-9A-Fa-f:.]+\])(:[0-9]{1,5})?(/[^?#]*)?$)");
  std::smatch parts;
  if (!std::regex_match(settings.baseUrl, parts, url)) {
    if (error) *error = "not an http or https URL: \"" + settings.baseUrl + "\"";
    return nullptr;
  }
  const bool https = parts[1] == "https";
#ifndef CPPHTTPLIB_OPENSSL_SUPPORT
  if (https) {
    if (error) *error = "this build has no HTTPS support";
    return nullptr;
  }
#endif
  if (auto problem = settingsProblem(settings, https); !problem.empty()) {
    if (error) *error = std::move(problem);
    return nullptr;
  }
  auto transport = std::make_unique<Transport>();
  transport->origin = parts[1].str() + "://" + parts[2].str() + parts[3].str();
  transport->pathPrefix = parts[4].str();
  while (!transport->pathPrefix.empty() && transport->pathPrefix.back() == '/') transport->pathPrefix.pop_back();
  if (!settings.clientCertificateFile.empty() &&
      !httplib::Client(transport->origin, settings.clientCertificateFile, settings.clientKeyFile).is_valid()) {
    if (error) *error = "the client certificate or its key does not load: \"" + settings.clientCertificateFile + "\"";
    return nullptr;
  }
  if (settings.workerThreads == 0) settings.workerThreads = 1;
  transport->settings = std::move(settings);
  Transport& shared = *transport;
  for (std::size_t i = 0; i < shared.settings.workerThreads; ++i) shared.workers.emplace_back([&shared] { shared.work(); });
  shared.watcher = std::thread([&shared] { shared.watch(); });
  return std::unique_ptr<HttpNetlane>(new HttpNetlane(std::move(transport)));
}

HttpNetlane::HttpNetlane(std::unique_ptr<Transport> transport) : transport_(std::move(transport)) {}

HttpNetlane::~HttpNetlane() {
  {
    std::lock_guard lock(transport_->mutex);
    transport_->stopping = true;
    transport_->queue.clear();
  }
  transport_->wake.notify_all();
  transport_->watcherWake.notify_all();  // stops every call in flight
  for (auto& worker : transport_->workers) worker.join();
  transport_->watcher.join();
}

void HttpNetlane::send(bool /*isShowLoader*/, const AuthCustome& type, ReplyHandler reply) {
  Job job{transport_->pathPrefix + wirePath(type.kind),
          platform::writeJson(wireBody(type)),
          changesPayments(type.kind) ? freshIdempotencyKey() : std::string(),
          !changesPayments(type.kind),
          Clock::now() + durationOf(transport_->settings.callDeadline),
          std::move(reply)};
  {
    std::lock_guard lock(transport_->mutex);
    if (transport_->stopping) return;
    transport_->queue.push_back(std::move(job));
  }
  transport_->wake.notify_one();
}

}  // namespace kassio::host
