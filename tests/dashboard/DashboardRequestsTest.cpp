#include <gtest/gtest.h>

#include "kassio/dashboard/MiniStatementAPI.h"
#include "kassio/dashboard/SalesAPI.h"
#include "transactions/NetlaneFixture.h"

namespace kassio {
namespace {

class DashboardRequests : public NetlaneTest {
 protected:
  void SetUp() override {
    NetlaneTest::SetUp();
    previousZone_ = platform::Platform::current().timeZone;
    platform::Platform::current().timeZone = "Asia/Kolkata";
  }
  void TearDown() override {
    platform::Platform::current().timeZone = previousZone_;
    NetlaneTest::TearDown();
  }

 private:
  std::string previousZone_;
};

TEST_F(DashboardRequests, SalesAskForTodayOnTheGivenTerminals) {
  loop->advance(14 * 3600);  // 00:30 on 12 December in Kolkata, still the 11th in UTC
  SalesAPI().fetchSales({"T1", "T2"}, nullptr);
  EXPECT_EQ(netlane->requestsJson(),
            json(R"([{"case":"paymentSalesCardVelbank","args":[["T1","T2"],"1","2026-12-12","2026-12-12"]}])"));
  EXPECT_EQ(netlane->showLoaderFlags(), std::vector<bool>{true});
}

TEST_F(DashboardRequests, MiniStatementPassesTheDatesThrough) {
  MiniStatementAPI().fetchMiniStatement({"T1"}, "01/12/2026", "not a date", nullptr);
  EXPECT_EQ(netlane->requestsJson(), json(R"([{"case":"miniStateMent","args":
    [["T1"],"terminal",["SaleSuccess"],"miniStatement","3","01/12/2026","not a date"]}])"));
}

TEST_F(DashboardRequests, CompletionsGetTheRecordOrNone) {
  netlane->replyJson(AuthCustomeCase::paymentSalesCardVelbank,
                     json(R"({"status":"Success","message":"ok","errorCode":"0","saleCounterList":[]})"));
  netlane->replyJson(AuthCustomeCase::paymentSalesCardVelbank, json(R"({"status":"Success"})"));
  netlane->replyFailure(AuthCustomeCase::miniStateMent);
  std::vector<std::optional<SalesCounterDataResponse>> sales;
  std::vector<std::optional<MiniStatementResponse>> statements;
  for (int i = 0; i < 2; ++i) {
    SalesAPI().fetchSales({"T1"}, [&](std::optional<SalesCounterDataResponse> r) { sales.push_back(r); });
  }
  MiniStatementAPI().fetchMiniStatement({"T1"}, "a", "b",
                                        [&](std::optional<MiniStatementResponse> r) { statements.push_back(r); });
  EXPECT_TRUE(sales.empty());
  loop->runDue();
  ASSERT_EQ(sales.size(), 2u);
  ASSERT_TRUE(sales[0]);
  EXPECT_EQ(sales[0]->saleCounterList, std::vector<SalesCounterListData>{});
  EXPECT_FALSE(sales[1]);  // required members missing
  ASSERT_EQ(statements.size(), 1u);
  EXPECT_FALSE(statements[0]);
}

TEST_F(DashboardRequests, NothingIsSentWithoutNetworkManager) {
  KassioState::shared().networkManager = nullptr;
  int completions = 0;
  SalesAPI().fetchSales({"T1"}, [&](auto) { ++completions; });
  MiniStatementAPI().fetchMiniStatement({"T1"}, "a", "b", [&](auto) { ++completions; });
  loop->runDue();
  EXPECT_EQ(completions, 0);
  EXPECT_TRUE(netlane->requests().empty());
}

}  // namespace
}  // namespace kassio
