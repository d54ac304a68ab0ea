#include <gtest/gtest.h>

#include "kassio/entry/KassioState.h"
#include "kassio/platform/foundation/Platform.h"
#include "kassio/platform/foundation/VirtualRunLoop.h"
#include "kassio/transactions/PaymentModeTransactionDelegate.h"
#include "sim/ScriptDriver.h"

namespace kassio::sim {
namespace {

using Json = nlohmann::ordered_json;

// With no reply scripted, the driver's backend and terminal authorisation are the sandbox bank
// seeded from the fixture.
class InProcessBankTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Json start = {{"do", "start"}, {"fixture", KASSIO_SOURCE_DIR "/fixtures/demo-merchant.json"}};
    auto started = driver.run(start, 1);
    ASSERT_EQ(started["ok"], true) << started.dump();
  }
  void settle() { driver.environment()->runLoop().runDue(); }

  ScriptDriver driver;
};

TEST_F(InProcessBankTest, AnUnscriptedPaymentIsRecordedByTheBank) {
  std::optional<CashPayResponse> answer;
  PaymentModeTransactionDelegate().cashPay("T1001", "250.00", "Lunch", "20261211T103000", "", "9876543210", "",
                                           [&](const CashPayResponse& response) { answer = response; });
  settle();
  ASSERT_TRUE(answer);
  EXPECT_EQ(answer->status, "Success");
  EXPECT_TRUE(answer->mTxnid && !answer->mTxnid->empty());

  auto requests = driver.run(Json::parse(R"({"do":"requests"})"), 2)["result"];
  ASSERT_EQ(requests.size(), 1u);
  EXPECT_EQ(requests[0]["case"], "cashPay");
  EXPECT_EQ(requests[0]["args"][0], "T1001");
}

TEST_F(InProcessBankTest, AScriptedReplyComesBeforeTheBank) {
  driver.run(Json::parse(R"({"do":"reply","case":"cashPay","json":{"status":"Failed","statusMessage":"Declined"}})"), 2);
  std::vector<std::string> statuses;
  for (int i = 0; i < 2; ++i)
    PaymentModeTransactionDelegate().cashPay("T1001", "10.00", "", "20261211T103000", "", "", "",
                                             [&](const CashPayResponse& response) {
                                               statuses.push_back(response.status.value_or(""));
                                             });
  settle();
  EXPECT_EQ(statuses, (std::vector<std::string>{"Failed", "Success"}));
}

TEST_F(InProcessBankTest, TerminalAuthorisationComesFromTheTerminalsProvisioning) {
  std::optional<AuthMPosData> known, unknown;
  KassioState::shared().authMPosAPI->getData("T1002", true, [&](std::optional<AuthMPosData> data) { known = data; });
  KassioState::shared().authMPosAPI->getData("T9999", true, [&](std::optional<AuthMPosData> data) { unknown = data; });
  settle();
  ASSERT_TRUE(known);
  EXPECT_TRUE(known->smsPayPaymentEnabled);
  EXPECT_FALSE(known->cardPaymentEnabled);
  EXPECT_FALSE(unknown && unknown->cardPaymentEnabled);
}

}  // namespace
}  // namespace kassio::sim
