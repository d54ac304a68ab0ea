#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <httplib.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <future>
#include <mutex>
#include <set>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "kassio/transactions/AuthCustomeWire.h"
#include "sandbox/SandboxServer.h"
#include "sandbox/SandboxTestSupport.h"

namespace kassio::sandbox::test {
namespace {

using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;

// A client that writes raw HTTP, to send what a well-behaved client library never would.
class RawConnection {
 public:
  explicit RawConnection(int port) : socket_(::socket(AF_INET, SOCK_STREAM, 0)) {
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<std::uint16_t>(port));
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    connected_ = ::connect(socket_, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
  }
  ~RawConnection() { ::close(socket_); }
  RawConnection(const RawConnection&) = delete;
  RawConnection& operator=(const RawConnection&) = delete;

  bool connected() const { return connected_; }
  // False once the server no longer takes what is sent.
  bool send(const std::string& bytes) {
    for (std::size_t sent = 0; sent < bytes.size();) {
      const ssize_t n = ::send(socket_, bytes.data() + sent, bytes.size() - sent, MSG_NOSIGNAL);
      if (n <= 0) return false;
      sent += static_cast<std::size_t>(n);
    }
    return true;
  }
  bool answered(std::chrono::milliseconds wait) {
    pollfd entry{socket_, POLLIN, 0};
    return ::poll(&entry, 1, static_cast<int>(wait.count())) > 0;
  }
  // Everything the server sends until it closes; what came within `wait`.
  std::string receiveAll(std::chrono::milliseconds wait) {
    std::string received;
    const auto until = Clock::now() + wait;
    char buffer[4096];
    while (Clock::now() < until &&
           answered(std::chrono::duration_cast<std::chrono::milliseconds>(until - Clock::now()))) {
      const ssize_t n = ::recv(socket_, buffer, sizeof buffer, 0);
      if (n <= 0) break;
      received.append(buffer, static_cast<std::size_t>(n));
    }
    return received;
  }

 private:
  int socket_;
  bool connected_ = false;
};

struct RawAnswer {
  int status = 0;
  std::string headers;
  std::string body;
};

RawAnswer parseAnswer(const std::string& text) {
  RawAnswer answer;
  const auto end = text.find("\r\n\r\n");
  if (!text.starts_with("HTTP/1.1 ") || end == std::string::npos) return answer;
  answer.status = std::stoi(text.substr(9, 3));
  answer.headers = text.substr(0, end);
  answer.body = text.substr(end + 4);
  return answer;
}

std::string cashPayBody(const std::string& amount = "45.00") {
  return platform::writeJson(
      wireBody(AuthCustome::cashPay("T1", amount, "Tea", "20261211T103000", "", "9876543210", "")));
}

// One chunk of a chunked body; the body ends with an empty one.
std::string chunk(const std::string& data) {
  char size[16];
  std::snprintf(size, sizeof size, "%zx", data.size());
  return std::string(size) + "\r\n" + data + "\r\n";
}
const std::string lastChunk = "0\r\n\r\n";

// The server on a free loopback port, its access lines kept.
class SandboxServerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string error;
    bank = SandboxBank::open(testSeed(), ":memory:", SandboxBank::wallClock(), &error);
    ASSERT_TRUE(bank) << error;
  }
  void serve(SandboxServer::Settings settings) {
    settings.bearerToken = "demo-token";
    settings.accessLog = [this](std::string_view line) {
      std::lock_guard lock(logMutex);
      accessLines.emplace_back(line);
    };
    server = std::make_unique<SandboxServer>(bank, std::move(settings));
    const auto bound = server->bind(0);
    ASSERT_TRUE(bound);
    port = *bound;
    server->start();
  }
  // Long timeouts, so that a request the server waits on shows as no answer.
  void serveWithPatience() {
    SandboxServer::Settings settings;
    settings.requestDeadline = 60s;
    settings.ioTimeout = 60s;
    serve(std::move(settings));
  }

  RawAnswer exchange(const std::string& request) {
    RawConnection connection(port);
    EXPECT_TRUE(connection.connected());
    connection.send(request);
    return parseAnswer(connection.receiveAll(5s));
  }

  int todaysSaleCount() {
    httplib::Client client("127.0.0.1", port);
    client.set_bearer_token_auth("demo-token");
    const std::string today = platform::DateFormatter("yyyy-MM-dd", "en_US_POSIX", "Asia/Kolkata").string(SandboxBank::wallClock()());
    const auto answer = client.Post(
        "/netlane/v1/paymentSalesCardVelbank",
        platform::writeJson(wireBody(AuthCustome::paymentSalesCardVelbank({"T1"}, "1", today, today))), "application/json");
    const auto sales = answer ? platform::parseJson(answer->body) : std::nullopt;
    return sales ? static_cast<int>(sales->at("saleCounterList").at(0).at("saleCount").get<double>()) : -1;
  }

  std::shared_ptr<SandboxBank> bank;
  std::unique_ptr<SandboxServer> server;
  int port = 0;
  std::mutex logMutex;
  std::vector<std::string> accessLines;
};

TEST_F(SandboxServerTest, RefusalsAnswerAtOnceInJsonAndRecordNothing) {
  serveWithPatience();
  const std::string authorised = "Host: bank\r\nAuthorization: Bearer demo-token\r\n";
  const std::string json = "Content-Type: application/json\r\n";
  const std::string payment = cashPayBody();
  const std::string length = "Content-Length: " + std::to_string(payment.size()) + "\r\n";
  struct Case {
    const char* what;
    std::string request;
    int status;
  };
  const std::vector<Case> cases{
      {"GET on a case", "GET /netlane/v1/cashPay HTTP/1.1\r\n" + authorised + "\r\n", 405},
      {"a plain-text body", "POST /netlane/v1/cashPay HTTP/1.1\r\n" + authorised + "Content-Type: text/plain\r\n" + length + "\r\n" + payment, 415},
      {"a form body", "POST /netlane/v1/cashPay HTTP/1.1\r\n" + authorised + "Content-Type: application/x-www-form-urlencoded\r\n" + length + "\r\n" + payment, 415},
      {"no content type", "POST /netlane/v1/cashPay HTTP/1.1\r\n" + authorised + length + "\r\n" + payment, 415},
      {"no length", "POST /netlane/v1/cashPay HTTP/1.1\r\n" + authorised + json + "\r\n" + payment, 411},
      {"a length that is no number", "POST /netlane/v1/cashPay HTTP/1.1\r\n" + authorised + json + "Content-Length: 12abc\r\n\r\n" + payment, 400},
      {"a length over the limit", "POST /netlane/v1/cashPay HTTP/1.1\r\n" + authorised + json + "Content-Length: 2000000\r\n\r\n" + payment, 413},
      {"an unknown transfer coding", "POST /netlane/v1/cashPay HTTP/1.1\r\n" + authorised + json + "Transfer-Encoding: gzip\r\n\r\n" + payment, 400},
      {"no token", "POST /netlane/v1/cashPay HTTP/1.1\r\nHost: bank\r\n" + json + length + "\r\n" + payment, 401},
      {"a body that is no JSON", "POST /netlane/v1/cashPay HTTP/1.1\r\n" + authorised + json + "Content-Length: 5\r\n\r\n{\"a\":", 400},
      {"a path outside the protocol", "POST /payments/9876543210 HTTP/1.1\r\n" + authorised + json + length + "\r\n" + payment, 404},
      {"a request line that is no HTTP", "HELLO\r\n\r\n", 400},
  };
  for (const auto& c : cases) {
    const auto started = Clock::now();
    const RawAnswer answer = exchange(c.request);
    EXPECT_EQ(answer.status, c.status) << c.what;
    EXPECT_LT(Clock::now() - started, 4s) << c.what;
    EXPECT_NE(answer.headers.find("Content-Type: application/json"), std::string::npos) << c.what;
    const auto body = platform::parseJson(answer.body);
    ASSERT_TRUE(body && body->is_object()) << c.what << ": " << answer.body;
    EXPECT_EQ(body->at("status").get<std::string>(), "Failed") << c.what;
    EXPECT_FALSE(body->at("respMsg").get<std::string>().empty()) << c.what;
    if (c.status == 405) {
      EXPECT_NE(answer.headers.find("Allow: POST"), std::string::npos);
    }
  }
  EXPECT_EQ(todaysSaleCount(), 0);

  // A JSON body with a charset, sent chunked, is taken.
  const RawAnswer paid = exchange("POST /netlane/v1/cashPay HTTP/1.1\r\n" + authorised +
                                  "Content-Type: Application/JSON; charset=utf-8\r\nTransfer-Encoding: chunked\r\n\r\n" +
                                  chunk(payment.substr(0, 10)) + chunk(payment.substr(10)) + lastChunk);
  EXPECT_EQ(paid.status, 200) << paid.body;
  EXPECT_EQ(todaysSaleCount(), 1);
}

TEST_F(SandboxServerTest, ChunkedBodyOverTheLimitIsRefused) {
  serveWithPatience();
  RawConnection connection(port);
  ASSERT_TRUE(connection.connected());
  ASSERT_TRUE(connection.send("POST /netlane/v1/cashPay HTTP/1.1\r\nHost: bank\r\nAuthorization: Bearer demo-token\r\n"
                              "Content-Type: application/json\r\nTransfer-Encoding: chunked\r\n\r\n"));
  // Ten megabytes of a JSON text, in chunks of 64 KiB, for as long as the server takes them.
  const std::string piece = chunk(std::string(64 * 1024, ' '));
  bool taken = connection.send(chunk("{\"terminalId\":\""));
  for (int i = 0; taken && i < 160; ++i) taken = connection.send(piece);
  if (taken) connection.send(lastChunk);
  const RawAnswer answer = parseAnswer(connection.receiveAll(5s));
  EXPECT_EQ(answer.status, 413);
  const auto body = platform::parseJson(answer.body);
  ASSERT_TRUE(body && body->is_object()) << answer.body;
  EXPECT_EQ(body->at("status").get<std::string>(), "Failed");
}

TEST_F(SandboxServerTest, HealthCheckAndAccessLinesWithoutCustomerData) {
  serveWithPatience();
  httplib::Client client("127.0.0.1", port);
  const auto health = client.Get("/health");
  ASSERT_TRUE(health);
  EXPECT_EQ(health->status, 200);
  EXPECT_EQ(health->get_header_value("Content-Type"), "application/json");
  EXPECT_EQ(platform::parseJson(health->body)->at("status").get<std::string>(), "ok");

  client.set_bearer_token_auth("demo-token");
  const auto post = [&](const std::string& path, const AuthCustome& request) {
    const auto answer = client.Post(path, platform::writeJson(wireBody(request)), "application/json");
    return answer ? answer->status : 0;
  };
  EXPECT_EQ(post("/netlane/v1/cashPay", AuthCustome::cashPay("T1", "45.00", "Tea", "20261211T103000", "", "9876543210", "")), 200);
  EXPECT_EQ(post("/netlane/v1/upiCheck", AuthCustome::upiCheck("priya@okkassio", "T1")), 200);
  EXPECT_EQ(post("/netlane/v1/handleCardTxnData", AuthCustome::handleCardTxnData("500.00", "T1", "Dinner", "9876543210", "1",
                                                                                 "Initiated", "4111111111111111", "", "")), 200);
  EXPECT_EQ(post("/netlane/v1/9876543210", AuthCustome::loyalty("9876543210", "T1")), 400);  // no such case
  EXPECT_EQ(exchange("9876543210 /health HTTP/1.1\r\n\r\n").status, 400);

  server->stop();  // a line is written as its connection closes, after the client has its answer
  std::multiset<std::string> logged;
  for (const std::string& line : accessLines) {
    for (const char* secret : {"9876543210", "priya@okkassio", "4111111111111111"})
      EXPECT_EQ(line.find(secret), std::string::npos) << line;
    // "<time> <method> <case> <status> <milliseconds> ms"
    std::istringstream fields(line);
    std::string time, method, target, status, unit;
    double milliseconds = -1;
    fields >> time >> method >> target >> status >> milliseconds >> unit;
    EXPECT_TRUE(milliseconds >= 0 && unit == "ms" && fields.eof()) << line;
    logged.insert(method + " " + target + " " + status);
  }
  EXPECT_EQ(logged, (std::multiset<std::string>{"GET /health 200", "POST cashPay 200", "POST upiCheck 200",
                                                "POST handleCardTxnData 200", "POST - 400", "- - 400"}));
}

TEST_F(SandboxServerTest, TricklingClientsAreDroppedAndOthersServed) {
  // As many trickling clients as workers: before the deadline, they starved everyone else.
  SandboxServer::Settings settings;
  settings.workers = 3;
  settings.requestDeadline = 1s;
  settings.ioTimeout = 5s;  // each trickled line comes well within it
  serve(std::move(settings));

  constexpr auto trickleFor = 20s;
  std::vector<std::future<std::pair<RawAnswer, Clock::duration>>> tricklers;
  for (int i = 0; i < 3; ++i) {
    tricklers.push_back(std::async(std::launch::async, [this, trickleFor] {
      const auto started = Clock::now();
      RawConnection connection(port);
      connection.send("POST /netlane/v1/cashPay HTTP/1.1\r\n");
      // A header line every 200 ms, until the server answers.
      for (int line = 0; Clock::now() - started < trickleFor && !connection.answered(200ms); ++line)
        if (!connection.send("X-Slow-" + std::to_string(line) + ": 1\r\n")) break;
      return std::make_pair(parseAnswer(connection.receiveAll(2s)), Clock::now() - started);
    }));
  }
  std::this_thread::sleep_for(300ms);  // the tricklers hold every worker

  const auto started = Clock::now();
  httplib::Client client("127.0.0.1", port);
  client.set_bearer_token_auth("demo-token");
  client.set_read_timeout(15, 0);
  const auto paid = client.Post("/netlane/v1/cashPay", cashPayBody(), "application/json");
  ASSERT_TRUE(paid);
  EXPECT_EQ(paid->status, 200);
  EXPECT_LT(Clock::now() - started, 8s);

  for (auto& trickler : tricklers) {
    const auto [answer, lasted] = trickler.get();
    EXPECT_EQ(answer.status, 408) << answer.body;
    EXPECT_LT(lasted, 8s);
  }
}

}  // namespace
}  // namespace kassio::sandbox::test
