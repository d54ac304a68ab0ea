#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <httplib.h>
#include <netinet/in.h>
#include <openssl/evp.h>
#include <openssl/pem.h>
#include <openssl/x509.h>
#include <openssl/x509v3.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <functional>
#include <condition_variable>
#include <cstdio>
#include <filesystem>
#include <mutex>
#include <set>
#include <thread>

#include "host/HttpNetlane.h"
#include "kassio/platform/text/Uuid.h"
#include "kassio/transactions/AuthCustomeWire.h"
#include "kassio/transactions/CashPayResponse.h"
#include "kassio/transactions/LoyaltyResponse.h"
#include "sandbox/RealLoopTest.h"

namespace kassio::sandbox::test {
namespace {

// A server that misbehaves as told, and remembers what it was sent.
class StubServer {
 public:
  enum class Behaviour { answer, stall, fail, garbage };

  StubServer() {
    server_.Post(R"(.*)", [this](const httplib::Request& request, httplib::Response& response) {
      Behaviour behaviour;
      {
        std::unique_lock lock(mutex_);
        requests_.push_back(request);
        behaviour = behaviour_;
        // A stalled answer waits until the server goes, so the client's read times out first.
        if (behaviour == Behaviour::stall) released_.wait_for(lock, std::chrono::seconds(15), [this] { return closing_; });
      }
      const std::string record = R"({"status":"Success","mTxnid":"CSH1"})";  // a body that would decode
      switch (behaviour) {
        case Behaviour::answer:
        case Behaviour::stall: response.set_content(record, "application/json"); break;
        case Behaviour::fail:
          response.status = 500;
          response.set_content(record, "application/json");
          break;
        case Behaviour::garbage: response.set_content("<html>upstream error</html>", "text/html"); break;
      }
    });
    port_ = server_.bind_to_any_port("127.0.0.1");
    thread_ = std::thread([this] { server_.listen_after_bind(); });
    while (!server_.is_running()) std::this_thread::yield();
  }
  ~StubServer() {
    {
      std::lock_guard lock(mutex_);
      closing_ = true;
    }
    released_.notify_all();
    server_.stop();
    thread_.join();
  }

  int port() const { return port_; }
  void behave(Behaviour behaviour) {
    std::lock_guard lock(mutex_);
    behaviour_ = behaviour;
  }
  std::vector<httplib::Request> requests() {
    std::lock_guard lock(mutex_);
    return requests_;
  }

 private:
  httplib::Server server_;
  std::thread thread_;
  int port_ = -1;
  std::mutex mutex_;
  std::condition_variable released_;
  bool closing_ = false;
  Behaviour behaviour_ = Behaviour::answer;
  std::vector<httplib::Request> requests_;
};

// A TCP server on loopback whose connections are handled by hand, one byte at a time if need
// be. Its handler is given the connection's socket and a flag that turns true when the server
// goes; it never runs for more than a bounded time of its own.
class RawServer {
 public:
  using Handler = std::function<void(int socket, const std::atomic<bool>& closing)>;

  explicit RawServer(Handler handler) : handler_(std::move(handler)) {
    listener_ = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    EXPECT_EQ(::bind(listener_, reinterpret_cast<sockaddr*>(&address), length), 0);
    EXPECT_EQ(::listen(listener_, 4), 0);
    ::getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &length);
    port_ = ntohs(address.sin_port);
    thread_ = std::thread([this] {
      const int connection = ::accept(listener_, nullptr, nullptr);
      if (connection < 0) return;
      handler_(connection, closing_);
      ::close(connection);
    });
  }
  ~RawServer() {
    closing_ = true;
    ::shutdown(listener_, SHUT_RDWR);
    thread_.join();
    ::close(listener_);
  }
  int port() const { return port_; }

  // Reads the request's head and its body of Content-Length bytes.
  static std::string readRequest(int socket) {
    std::string received;
    char buffer[4096];
    for (;;) {
      const auto head = received.find("\r\n\r\n");
      if (head != std::string::npos) {
        const auto at = received.find("Content-Length: ");
        const std::size_t length = at == std::string::npos ? 0 : std::stoul(received.substr(at + 16));
        if (received.size() >= head + 4 + length) return received;
      }
      const ssize_t got = ::recv(socket, buffer, sizeof buffer, 0);
      if (got <= 0) return received;
      received.append(buffer, static_cast<std::size_t>(got));
    }
  }
  static bool sendAll(int socket, std::string_view bytes) {
    while (!bytes.empty()) {
      const ssize_t sent = ::send(socket, bytes.data(), bytes.size(), MSG_NOSIGNAL);
      if (sent <= 0) return false;
      bytes.remove_prefix(static_cast<std::size_t>(sent));
    }
    return true;
  }

 private:
  Handler handler_;
  int listener_ = -1;
  int port_ = -1;
  std::atomic<bool> closing_ = false;
  std::thread thread_;
};

host::HttpNetlane::Settings settingsFor(const std::string& baseUrl) { return {baseUrl, "secret-token", 2, 0.3, 2, {}}; }

std::unique_ptr<host::HttpNetlane> netlaneWith(const host::HttpNetlane::Settings& settings) {
  std::string error;
  auto netlane = host::HttpNetlane::make(settings, &error);
  EXPECT_TRUE(netlane) << error;
  return netlane;
}

std::unique_ptr<host::HttpNetlane> netlaneTo(const std::string& baseUrl) { return netlaneWith(settingsFor(baseUrl)); }

std::string localUrl(int port) { return "http://127.0.0.1:" + std::to_string(port); }

AuthCustome cashPay() { return AuthCustome::cashPay("T1", "100.00", "Tea", "20261211T103000", "", "", ""); }

class HttpNetlaneTest : public RealLoopTest {};

TEST_F(HttpNetlaneTest, FailedCallsDeliverNoRecord) {
  struct Case {
    const char* what;
    StubServer::Behaviour behaviour;
  };
  StubServer stub;
  auto netlane = netlaneTo("http://127.0.0.1:" + std::to_string(stub.port()));
  ASSERT_TRUE(netlane);
  ASSERT_TRUE(call<CashPayResponse>(*netlane, cashPay()));  // the stub's answer decodes when all is well

  for (const auto& c : {Case{"a read timeout", StubServer::Behaviour::stall}, Case{"HTTP 500", StubServer::Behaviour::fail},
                        Case{"a body that is not the record", StubServer::Behaviour::garbage}}) {
    stub.behave(c.behaviour);
    EXPECT_FALSE(call<CashPayResponse>(*netlane, cashPay())) << c.what;
  }

  stub.behave(StubServer::Behaviour::fail);
  const auto failed = rawCall(*netlane, cashPay());
  EXPECT_TRUE(failed.error);
  ASSERT_TRUE(failed.response);
  EXPECT_EQ(failed.response->statusCode, 500);
  EXPECT_TRUE(failed.data);  // the body still reaches a raw completion
}

TEST_F(HttpNetlaneTest, ServerThatIsDownDeliversNoRecord) {
  int port;
  {
    StubServer gone;
    port = gone.port();
  }
  auto netlane = netlaneTo("http://127.0.0.1:" + std::to_string(port));
  ASSERT_TRUE(netlane);
  EXPECT_FALSE(call<LoyaltyResponse>(*netlane, AuthCustome::loyalty("9876543210", "T1")));
  const auto reply = rawCall(*netlane, cashPay());
  EXPECT_TRUE(reply.error);
  EXPECT_FALSE(reply.response);
}

TEST_F(HttpNetlaneTest, PaymentsGoOnceWithAFreshIdempotencyKey) {
  StubServer stub;
  auto netlane = netlaneTo("http://127.0.0.1:" + std::to_string(stub.port()) + "/gateway/");
  ASSERT_TRUE(netlane);
  stub.behave(StubServer::Behaviour::fail);
  EXPECT_FALSE(call<CashPayResponse>(*netlane, cashPay()));
  stub.behave(StubServer::Behaviour::stall);
  EXPECT_FALSE(call<CashPayResponse>(*netlane, cashPay()));
  stub.behave(StubServer::Behaviour::answer);
  call<CashPayResponse>(*netlane, cashPay());
  call<LoyaltyResponse>(*netlane, AuthCustome::loyalty("9876543210", "T1"));

  const auto sent = stub.requests();
  ASSERT_EQ(sent.size(), 4u);  // a failed or timed-out payment was not sent again
  std::set<std::string> keys;
  for (std::size_t i = 0; i < 3; ++i) {
    EXPECT_EQ(sent[i].path, "/gateway/netlane/v1/cashPay");
    EXPECT_EQ(platform::parseJson(sent[i].body), wireBody(cashPay()));
    const std::string key = sent[i].get_header_value("Idempotency-Key");
    EXPECT_TRUE(platform::Uuid::parse(key)) << key;
    keys.insert(key);
  }
  EXPECT_EQ(keys.size(), 3u);
  EXPECT_EQ(sent[3].path, "/gateway/netlane/v1/loyalty");
  EXPECT_FALSE(sent[3].has_header("Idempotency-Key"));
  for (const auto& request : sent) {
    EXPECT_EQ(request.get_header_value("Authorization"), "Bearer secret-token");
    EXPECT_EQ(request.get_header_value("Content-Type"), "application/json");
  }
}

TEST_F(HttpNetlaneTest, DestroyedWhileACallIsInFlightNeverReplies) {
  StubServer stub;
  stub.behave(StubServer::Behaviour::stall);
  auto netlane = netlaneTo("http://127.0.0.1:" + std::to_string(stub.port()));
  ASSERT_TRUE(netlane);
  bool completed = false;
  netlane->callAPIService<CashPayResponse>(true, cashPay(), [&](std::optional<CashPayResponse>) { completed = true; });
  for (int wait = 0; wait < 2000 && stub.requests().empty(); ++wait) std::this_thread::sleep_for(std::chrono::milliseconds(5));
  ASSERT_FALSE(stub.requests().empty());
  netlane.reset();
  loop->runFor(0);
  EXPECT_FALSE(completed);
}

TEST_F(HttpNetlaneTest, ATricklingServerCannotHoldACallPastItsDeadline) {
  // Every single wait is shorter than the read timeout, so only the call's deadline ends it.
  RawServer trickle([](int socket, const std::atomic<bool>& closing) {
    RawServer::readRequest(socket);
    const std::string answer = "HTTP/1.1 200 OK\r\nContent-Type: application/json\r\nX-Padding: " + std::string(400, 'x');
    for (std::size_t i = 0; i < answer.size() && !closing; ++i) {
      if (!RawServer::sendAll(socket, answer.substr(i, 1))) return;
      std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
  });
  auto settings = settingsFor(localUrl(trickle.port()));
  settings.readTimeout = 1;
  settings.callDeadline = 1.5;
  auto netlane = netlaneWith(settings);
  ASSERT_TRUE(netlane);
  const auto started = std::chrono::steady_clock::now();
  const auto reply = rawCall(*netlane, cashPay());
  const std::chrono::duration<double> took = std::chrono::steady_clock::now() - started;
  EXPECT_TRUE(reply.error);
  EXPECT_FALSE(reply.data);
  EXPECT_GE(took.count(), 1.4);
  EXPECT_LT(took.count(), 8.0);  // the answer would take 40 s
}

TEST_F(HttpNetlaneTest, AnAnswerOverTheCapFailsUnread) {
  struct Case {
    const char* what;
    bool declaresLength;
  };
  for (const auto& c : {Case{"a declared length over the cap", true}, Case{"an answer that just goes on", false}}) {
    std::atomic<std::size_t> sent = 0;
    {
      RawServer huge([&](int socket, const std::atomic<bool>& closing) {
        RawServer::readRequest(socket);
        const std::size_t length = 300u << 20;
        std::string head = "HTTP/1.1 200 OK\r\nContent-Type: application/json\r\n";
        head += c.declaresLength ? "Content-Length: " + std::to_string(length) + "\r\n\r\n" : "Connection: close\r\n\r\n";
        if (!RawServer::sendAll(socket, head)) return;
        const std::string chunk(64 * 1024, ' ');
        while (sent < length && !closing && RawServer::sendAll(socket, chunk)) sent += chunk.size();
      });
      auto settings = settingsFor(localUrl(huge.port()));
      settings.maxAnswerBytes = 1 << 20;
      auto netlane = netlaneWith(settings);
      ASSERT_TRUE(netlane);
      const auto reply = rawCall(*netlane, cashPay());
      EXPECT_TRUE(reply.error) << c.what;
      EXPECT_FALSE(reply.data) << c.what;
    }
    EXPECT_LT(sent.load(), std::size_t{32} << 20) << c.what;  // cut off near the cap, socket buffers aside
  }
}

TEST_F(HttpNetlaneTest, ExtraHeadersGoWithEveryRequestAndKeysDifferBetweenGateways) {
  StubServer stub;
  auto settings = settingsFor(localUrl(stub.port()));
  settings.extraHeaders = {{"X-Merchant-Id", "M-1001"}, {"X-Api-Version", "3"}};
  // Two gateways made at the same moment draw their keys independently.
  auto first = netlaneWith(settings);
  auto second = netlaneWith(settings);
  ASSERT_TRUE(first && second);
  ASSERT_TRUE(call<CashPayResponse>(*first, cashPay()));
  ASSERT_TRUE(call<CashPayResponse>(*second, cashPay()));
  call<LoyaltyResponse>(*first, AuthCustome::loyalty("9876543210", "T1"));

  const auto sent = stub.requests();
  ASSERT_EQ(sent.size(), 3u);
  for (const auto& request : sent) {
    EXPECT_EQ(request.get_header_value("X-Merchant-Id"), "M-1001");
    EXPECT_EQ(request.get_header_value("X-Api-Version"), "3");
  }
  const auto firstKey = platform::Uuid::parse(sent[0].get_header_value("Idempotency-Key"));
  const auto secondKey = platform::Uuid::parse(sent[1].get_header_value("Idempotency-Key"));
  ASSERT_TRUE(firstKey && secondKey);
  EXPECT_NE(*firstKey, *secondKey);
  EXPECT_EQ(firstKey->bytes()[6] >> 4, 4);  // version 4
}

TEST_F(HttpNetlaneTest, GoesThroughTheProxyWithItsCredentials) {
  StubServer proxy;  // answers in the bank's stead, which is enough to see what the proxy is sent
  auto settings = settingsFor("http://bank.example:8080/api");
  settings.proxyHost = "127.0.0.1";
  settings.proxyPort = proxy.port();
  settings.proxyUser = "kassio";
  settings.proxyPassword = "pa55";
  auto netlane = netlaneWith(settings);
  ASSERT_TRUE(netlane);
  ASSERT_TRUE(call<CashPayResponse>(*netlane, cashPay()));

  const auto sent = proxy.requests();
  ASSERT_EQ(sent.size(), 1u);
  EXPECT_EQ(sent[0].target, "http://bank.example:8080/api/netlane/v1/cashPay");
  EXPECT_EQ(sent[0].get_header_value("Proxy-Authorization"), "Basic a2Fzc2lvOnBhNTU=");
  EXPECT_EQ(sent[0].get_header_value("Authorization"), "Bearer secret-token");
}

struct PemFiles {
  std::string certificate;
  std::string key;
};

// A fresh self-signed certificate for 127.0.0.1 (its own authority), written as PEM files.
PemFiles selfSigned(const std::filesystem::path& directory, const std::string& name) {
  EVP_PKEY* key = EVP_EC_gen("P-256");
  X509* certificate = X509_new();
  X509_set_version(certificate, 2);
  ASN1_INTEGER_set(X509_get_serialNumber(certificate), 1);
  X509_gmtime_adj(X509_getm_notBefore(certificate), -3600);
  X509_gmtime_adj(X509_getm_notAfter(certificate), 24 * 3600);
  X509_set_pubkey(certificate, key);
  X509_NAME* subject = X509_get_subject_name(certificate);
  X509_NAME_add_entry_by_txt(subject, "CN", MBSTRING_ASC, reinterpret_cast<const unsigned char*>(name.c_str()), -1, -1, 0);
  X509_set_issuer_name(certificate, subject);
  X509V3_CTX context;
  X509V3_set_ctx_nodb(&context);
  X509V3_set_ctx(&context, certificate, certificate, nullptr, nullptr, 0);
  for (auto [nid, value] : {std::pair{NID_subject_alt_name, "IP:127.0.0.1"}, std::pair{NID_basic_constraints, "critical,CA:TRUE"}}) {
    X509_EXTENSION* extension = X509V3_EXT_conf_nid(nullptr, &context, nid, value);
    X509_add_ext(certificate, extension, -1);
    X509_EXTENSION_free(extension);
  }
  X509_sign(certificate, key, EVP_sha256());
  PemFiles files{(directory / (name + ".crt")).string(), (directory / (name + ".key")).string()};
  FILE* out = std::fopen(files.certificate.c_str(), "w");
  PEM_write_X509(out, certificate);
  std::fclose(out);
  out = std::fopen(files.key.c_str(), "w");
  PEM_write_PrivateKey(out, key, nullptr, nullptr, 0, nullptr, nullptr);
  std::fclose(out);
  X509_free(certificate);
  EVP_PKEY_free(key);
  return files;
}

TEST_F(HttpNetlaneTest, PresentsItsClientCertificate) {
  const auto directory = std::filesystem::temp_directory_path() / ("kassio-mtls-" + std::to_string(::getpid()));
  std::filesystem::create_directories(directory);
  const PemFiles bank = selfSigned(directory, "bank");
  const PemFiles merchant = selfSigned(directory, "merchant");
  {
    // The bank takes only clients whose certificate the merchant's authority signed.
    httplib::SSLServer server(bank.certificate.c_str(), bank.key.c_str(), merchant.certificate.c_str());
    ASSERT_TRUE(server.is_valid());
    server.Post(R"(.*)", [](const httplib::Request&, httplib::Response& response) {
      response.set_content(R"({"status":"Success","mTxnid":"CSH1"})", "application/json");
    });
    const int port = server.bind_to_any_port("127.0.0.1");
    std::thread thread([&] { server.listen_after_bind(); });
    while (!server.is_running()) std::this_thread::yield();

    auto settings = settingsFor("https://127.0.0.1:" + std::to_string(port));
    settings.caCertificateFile = bank.certificate;
    auto anonymous = netlaneWith(settings);
    settings.clientCertificateFile = merchant.certificate;
    settings.clientKeyFile = merchant.key;
    auto identified = netlaneWith(settings);
    ASSERT_TRUE(anonymous && identified);
    EXPECT_FALSE(call<CashPayResponse>(*anonymous, cashPay()));
    EXPECT_TRUE(call<CashPayResponse>(*identified, cashPay()));

    server.stop();
    thread.join();
  }
  std::filesystem::remove_all(directory);
}

TEST(HttpNetlaneSettings, RefusesSettingsItCannotUse) {
  using Settings = host::HttpNetlane::Settings;
  struct Case {
    const char* what;
    std::function<void(Settings&)> change;
  };
  const Case cases[] = {
      {"a certificate without its key", [](Settings& s) { s.clientCertificateFile = "/etc/hostname"; }},
      {"a certificate over plain http",
       [](Settings& s) {
         s.baseUrl = "http://bank.example";
         s.clientCertificateFile = s.clientKeyFile = "/etc/hostname";
       }},
      {"a certificate file that is not there",
       [](Settings& s) { s.clientCertificateFile = s.clientKeyFile = "/nonexistent/client.pem"; }},
      {"a certificate file that is not a certificate",
       [](Settings& s) { s.clientCertificateFile = s.clientKeyFile = "/etc/hostname"; }},
      {"a proxy without a port", [](Settings& s) { s.proxyHost = "proxy.example"; }},
      {"proxy credentials without a proxy", [](Settings& s) { s.proxyUser = "kassio"; }},
      {"a header name with a blank", [](Settings& s) { s.extraHeaders = {{"X Merchant", "1"}}; }},
      {"a header value with a line break", [](Settings& s) { s.extraHeaders = {{"X-Merchant", "1\r\nX-Evil: 1"}}; }},
      {"a header the netlane sets", [](Settings& s) { s.extraHeaders = {{"idempotency-key", "fixed"}}; }},
      {"the bearer token's header", [](Settings& s) { s.extraHeaders = {{"Authorization", "Basic eDp5"}}; }},
      {"no deadline", [](Settings& s) { s.callDeadline = 0; }},
      {"no room for an answer", [](Settings& s) { s.maxAnswerBytes = 0; }},
  };
  for (const auto& c : cases) {
    Settings settings{"https://bank.example/api", "token"};
    c.change(settings);
    std::string error;
    EXPECT_FALSE(host::HttpNetlane::make(settings, &error)) << c.what;
    EXPECT_FALSE(error.empty()) << c.what;
  }
}

TEST(HttpNetlaneSettings, RefusesBaseUrlsItCannotReach) {
  for (const char* url : {"ftp://bank.example", "127.0.0.1:8080", "http://", "http://bank.example:port",
                          "http://bank.example?x=1"}) {
    std::string error;
    EXPECT_FALSE(host::HttpNetlane::make({url}, &error)) << url;
    EXPECT_FALSE(error.empty());
  }
  EXPECT_TRUE(host::HttpNetlane::make({"https://bank.example/api"}));
  EXPECT_TRUE(host::HttpNetlane::make({"http://[::1]:8080"}));
}

}  // namespace
}  // namespace kassio::sandbox::test
