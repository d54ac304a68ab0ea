#include "host/HttpNetlane.h"

#include <httplib.h>

#include <cmath>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <random>
#include <regex>
#include <set>
#include <thread>
#include <utility>
#include <vector>

#include "kassio/platform/foundation/RandomSource.h"
#include "kassio/platform/json/JsonValue.h"
#include "kassio/platform/text/Uuid.h"
#include "kassio/transactions/AuthCustomeWire.h"

namespace kassio::host {

namespace {

struct Job {
  std::string path;
  std::string body;
  std::string idempotencyKey;  // empty for requests that change no payment
  bool mayRetry = false;
  NetlaneManager::ReplyHandler reply;
};

NetlaneManager::Reply failedCall(std::string reason) { return {std::nullopt, std::nullopt, std::move(reason)}; }

std::pair<time_t, time_t> secondsAndMicroseconds(platform::TimeInterval seconds) {
  if (!(seconds > 0)) seconds = 0;
  const double whole = std::floor(seconds);
  return {static_cast<time_t>(whole), static_cast<time_t>((seconds - whole) * 1e6)};
}

// Keys must not repeat across runs, whatever seed the platform's own random source has: a
// repeated key would be answered with another run's payment.
std::uint64_t unpredictableSeed() {
  std::random_device device;
  return (static_cast<std::uint64_t>(device()) << 32) ^ device();
}

}  // namespace

struct HttpNetlane::Transport {
  Settings settings;
  std::string origin;      // scheme://host[:port]
  std::string pathPrefix;  // the base URL's path, without a trailing slash

  std::mutex mutex;
  std::condition_variable wake;
  std::deque<Job> queue;
  std::set<httplib::Client*> inFlight;
  bool stopping = false;
  platform::RandomSource keySource{unpredictableSeed()};
  std::vector<std::thread> workers;

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

  // The reply, or none when the transport is shutting down.
  std::optional<NetlaneManager::Reply> perform(const Job& job) {
    httplib::Client client(origin);
    const auto [connectSeconds, connectMicros] = secondsAndMicroseconds(settings.connectTimeout);
    const auto [readSeconds, readMicros] = secondsAndMicroseconds(settings.readTimeout);
    client.set_connection_timeout(connectSeconds, connectMicros);
    client.set_read_timeout(readSeconds, readMicros);
    client.set_write_timeout(readSeconds, readMicros);
    client.set_keep_alive(false);
    if (!settings.bearerToken.empty()) client.set_bearer_token_auth(settings.bearerToken);
#ifdef CPPHTTPLIB_OPENSSL_SUPPORT
    if (!settings.caCertificateFile.empty()) client.set_ca_cert_path(settings.caCertificateFile);
#endif
    {
      std::lock_guard lock(mutex);
      if (stopping) return std::nullopt;
      inFlight.insert(&client);
    }
    httplib::Headers headers{{"Accept", std::string(jsonContentType) + ", " + std::string(pngContentType)}};
    if (!job.idempotencyKey.empty()) headers.emplace(std::string(idempotencyKeyHeader), job.idempotencyKey);
    auto post = [&] { return client.Post(job.path, headers, job.body, std::string(jsonContentType)); };
    httplib::Result result = post();
    // Nothing reached the server when the connection could not be made.
    if (!result && result.error() == httplib::Error::Connection && job.mayRetry) result = post();
    {
      std::lock_guard lock(mutex);
      inFlight.erase(&client);
      if (stopping) return std::nullopt;
    }
    if (!result) return failedCall("The request failed: " + httplib::to_string(result.error()));
    HttpResponseInfo response{result->status, {}};
    for (const auto& [name, value] : result->headers) response.headers.emplace_back(name, value);
    const std::string& body = result->body;
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
#ifndef CPPHTTPLIB_OPENSSL_SUPPORT
  if (parts[1] == "https") {
    if (error) *error = "this build has no HTTPS support";
    return nullptr;
  }
#endif
  auto transport = std::make_unique<Transport>();
  transport->origin = parts[1].str() + "://" + parts[2].str() + parts[3].str();
  transport->pathPrefix = parts[4].str();
  while (!transport->pathPrefix.empty() && transport->pathPrefix.back() == '/') transport->pathPrefix.pop_back();
  if (settings.workerThreads == 0) settings.workerThreads = 1;
  transport->settings = std::move(settings);
  Transport& shared = *transport;
  for (std::size_t i = 0; i < shared.settings.workerThreads; ++i) shared.workers.emplace_back([&shared] { shared.work(); });
  return std::unique_ptr<HttpNetlane>(new HttpNetlane(std::move(transport)));
}

HttpNetlane::HttpNetlane(std::unique_ptr<Transport> transport) : transport_(std::move(transport)) {}

HttpNetlane::~HttpNetlane() {
  {
    std::lock_guard lock(transport_->mutex);
    transport_->stopping = true;
    transport_->queue.clear();
    for (auto* client : transport_->inFlight) client->stop();
  }
  transport_->wake.notify_all();
  for (auto& worker : transport_->workers) worker.join();
}

void HttpNetlane::send(bool /*isShowLoader*/, const AuthCustome& type, ReplyHandler reply) {
  Job job{transport_->pathPrefix + wirePath(type.kind), platform::writeJson(wireBody(type)), {},
          !changesPayments(type.kind), std::move(reply)};
  {
    std::lock_guard lock(transport_->mutex);
    if (transport_->stopping) return;
    if (changesPayments(type.kind)) job.idempotencyKey = platform::Uuid::random(transport_->keySource).uuidString();
    transport_->queue.push_back(std::move(job));
  }
  transport_->wake.notify_one();
}

}  // namespace kassio::host
