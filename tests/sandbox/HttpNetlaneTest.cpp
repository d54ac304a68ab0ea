#include <gtest/gtest.h>
#include <httplib.h>

#include <chrono>
#include <condition_variable>
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
    server_.Post(R"(/.*)", [this](const httplib::Request& request, httplib::Response& response) {
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

std::unique_ptr<host::HttpNetlane> netlaneTo(const std::string& baseUrl) {
  std::string error;
  auto netlane = host::HttpNetlane::make({baseUrl, "secret-token", 2, 0.3, 2, {}}, &error);
  EXPECT_TRUE(netlane) << error;
  return netlane;
}

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
