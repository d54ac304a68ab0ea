#include <gtest/gtest.h>

#include "host/VirtualHost.h"
#include "kassio/transactions/CashPayResponse.h"
#include "kassio/transactions/ScriptedNetlane.h"
#include "sandbox/SandboxAttach.h"
#include "sandbox/SandboxAuthbase.h"
#include "sandbox/SandboxTestSupport.h"

namespace kassio::sandbox::test {
namespace {

// The driver's wiring: a scripted Netlane whose unscripted requests go to the bank in-process,
// on the module's virtual clock, and an Authbase answered from the bank's provisioning.
class DriverHookTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string error;
    bank = SandboxBank::open(testSeed(), ":memory:", SandboxBank::runLoopClock(), &error);
    ASSERT_TRUE(bank) << error;
    attach(netlane, bank);
  }

  std::optional<CashPayResponse> pay(const std::string& amount) {
    std::optional<CashPayResponse> answer;
    netlane.callAPIService<CashPayResponse>(true, AuthCustome::cashPay("T1", amount, "", "", "", "", ""),
                                            [&](std::optional<CashPayResponse> record) { answer = record; });
    EXPECT_FALSE(answer);  // replies come on the loop, never inside the call
    loop->runDue();
    return answer;
  }

  host::VirtualHost device{{.now = indiaTime("2026-12-11 10:30:00")}};
  std::shared_ptr<platform::VirtualRunLoop> loop = device.loop();
  std::shared_ptr<SandboxBank> bank;
  ScriptedNetlane& netlane = *device.backend();
};

TEST_F(DriverHookTest, ScriptedRepliesComeFirstThenTheBankAnswers) {
  netlane.replyJson(AuthCustomeCase::cashPay, {{"status", "Scripted"}});
  EXPECT_EQ(pay("10.00").value_or(CashPayResponse{}).status, "Scripted");

  const auto answered = pay("10.00");
  ASSERT_TRUE(answered);
  EXPECT_EQ(answered->status, "Success");
  // The bank dates what it records by the module's clock.
  EXPECT_TRUE(answered->mTxnid.value_or("").starts_with("CSH261211")) << answered->mTxnid.value_or("");
  EXPECT_EQ(pay("10.001").value_or(CashPayResponse{}).status, "Failed");  // a decline is a record too
  EXPECT_EQ(netlane.requests().size(), 3u);
}

TEST_F(DriverHookTest, AuthbaseAnswersFromProvisioningOnTheLoop) {
  SandboxAuthbase authbase(bank);
  std::optional<std::optional<AuthMPosData>> t2, unknown;
  authbase.getData("T2", true, [&](std::optional<AuthMPosData> data) { t2 = data; });
  authbase.getData("T9", false, [&](std::optional<AuthMPosData> data) { unknown = data; });
  EXPECT_FALSE(t2);
  loop->runDue();
  ASSERT_TRUE(t2 && *t2);
  EXPECT_TRUE((*t2)->cashPaymentEnabled);
  EXPECT_FALSE((*t2)->cardPaymentEnabled);
  ASSERT_TRUE(unknown);
  EXPECT_FALSE(*unknown);
}

}  // namespace
}  // namespace kassio::sandbox::test
