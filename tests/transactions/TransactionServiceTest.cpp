#include <gtest/gtest.h>

#include <functional>
#include <optional>

#include "kassio/transactions/MockPaymentModeTransactionApi.h"
#include "kassio/transactions/PaymentModeTransactionDelegate.h"
#include "transactions/NetlaneFixture.h"

namespace kassio {
namespace {

using TransactionServiceTest = NetlaneTest;

// Calls every operation once with distinct values, counting completions.
void callEveryOperation(TransactionDelegate& service, int& completions) {
  auto count = [&completions](const auto&) { ++completions; };
  service.handleCardTxnData("p1", "p2", "p3", "p4", "p5", "p6", "p7", "p8", "p9", "p10", "p11", count);
  service.cashPay("T1", "10.00", "Tea", "20261211T103000", "C9", "9876543210", "R5", count);
  service.qrPay("T1", "10.00", "Tea", "9876543210", "20261211T103000", "1", "C9", "R5", count);
  service.linkPay("T2", "20.00", "Cake", "9123456780", "20261211T103001", "1", "C8", "R6", count);
  service.loyalty("9876543210", "T1", count);
  service.getCustomer("9123456780", "T2", count);
  service.upiCheck("asha@bank", "T3", count);
  service.addPayLaterTxn("9876543210", "T1", "30.00", "Addr", "Asha", "Bread", "1", true, count);
  service.validateCardTxnSession(count);
}

TEST_F(TransactionServiceTest, EachOperationSendsItsCaseWithTheValuesInTheirOrder) {
  PaymentModeTransactionDelegate service;
  int completions = 0;
  callEveryOperation(service, completions);
  // p4, p5 and p7 are not sent: the fourth value is p6.
  EXPECT_EQ(netlane->requestsJson(), json(R"([
    {"case":"handleCardTxnData","args":["p2","p1","p3","p6","1","p8","p9","p10","p11"]},
    {"case":"cashPay","args":["T1","10.00","Tea","20261211T103000","C9","9876543210","R5"]},
    {"case":"QRPay","args":["T1","10.00","Tea","9876543210","20261211T103000","1","C9","R5"]},
    {"case":"LinkPay","args":["T2","20.00","Cake","9123456780","20261211T103001","1","C8","R6"]},
    {"case":"loyalty","args":["9876543210","T1"]},
    {"case":"getCustomer","args":["9123456780","T2"]},
    {"case":"upiCheck","args":["asha@bank","T3"]},
    {"case":"addPayLaterTxn","args":["9876543210","T1","30.00","Addr","Asha","Bread","1",true]},
    {"case":"validateCardTxnSession","args":[]}
  ])"));
  EXPECT_EQ(netlane->showLoaderFlags(), std::vector<bool>(9, true));
  loop->runDue();
  EXPECT_EQ(completions, 0);  // nothing scripted: no reply, no completion (not even qrPay's)
}

TEST_F(TransactionServiceTest, WithoutNetworkManagerEveryOperationIsSilent) {
  KassioState::shared().networkManager = nullptr;
  PaymentModeTransactionDelegate service;
  for (auto kind : {AuthCustomeCase::QRPay, AuthCustomeCase::cashPay, AuthCustomeCase::loyalty}) {
    netlane->replyJson(kind, json(R"({"status":"Success"})"));
  }
  int completions = 0;
  callEveryOperation(service, completions);
  loop->runDue();
  EXPECT_EQ(completions, 0);
  EXPECT_TRUE(netlane->requests().empty());
  EXPECT_FALSE(loop->hasPendingTasks());
}

TEST_F(TransactionServiceTest, ReadsTheNetworkManagerAtEachCall) {
  KassioState::shared().networkManager = nullptr;
  PaymentModeTransactionDelegate service;  // made before the host hands over a manager
  service.loyalty("1", "T1", nullptr);
  KassioState::shared().networkManager = netlane;
  service.loyalty("2", "T1", nullptr);
  auto other = std::make_shared<ScriptedNetlane>();
  KassioState::shared().networkManager = other;
  service.loyalty("3", "T1", nullptr);
  ASSERT_EQ(netlane->requests().size(), 1u);
  EXPECT_EQ(netlane->requests()[0], AuthCustome::loyalty("2", "T1"));
  ASSERT_EQ(other->requests().size(), 1u);
  EXPECT_EQ(other->requests()[0], AuthCustome::loyalty("3", "T1"));
}

TEST_F(TransactionServiceTest, CompletesOnlyWithADecodedRecordAndOnTheMainLoop) {
  PaymentModeTransactionDelegate service;
  netlane->replyFailure(AuthCustomeCase::cashPay);
  netlane->replyBody(AuthCustomeCase::cashPay, bytes("<html>busy</html>"));
  netlane->replyJson(AuthCustomeCase::cashPay, json(R"({"statusCode":"s101"})"));
  netlane->replyJson(AuthCustomeCase::cashPay,
                     json(R"({"status":"Success","mTxnid":"M1","payerVpa":"a@b","statusCode":"S101"})"));
  std::vector<CashPayResponse> answers;
  for (int i = 0; i < 4; ++i) {
    service.cashPay("T1", "1.00", "", "", "", "", "", [&](const CashPayResponse& r) { answers.push_back(r); });
  }
  EXPECT_TRUE(answers.empty());
  loop->runDue();
  ASSERT_EQ(answers.size(), 1u);
  EXPECT_EQ(answers[0], (CashPayResponse{"Success", std::nullopt, "M1", "a@b", UPICollectStatusCode::success}));

  // An absent completion is fine too.
  netlane->replyJson(AuthCustomeCase::getCustomer, json(R"({"plCustID":12})"));
  service.getCustomer("98", "T1", nullptr);
  loop->runDue();
}

TEST_F(TransactionServiceTest, QrAnswerIsReadFromTheRawBody) {
  const NetlaneManager::Body png{0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A, 0xFF};
  struct Case {
    const char* name;
    NetlaneManager::Reply reply;
    bool success;
    std::string errorMsg;
  };
  const Case cases[] = {
      {"plain text is the QR", {bytes("upi://pay?pa=m@bank"), HttpResponseInfo{}, {}}, true, ""},
      {"bytes that are not UTF-8 are the QR", {png, HttpResponseInfo{}, {}}, true, ""},
      {"a JSON array is not a status object", {bytes("[1,2]"), HttpResponseInfo{}, {}}, true, ""},
      {"a JSON text is not a status object", {bytes(R"("Success")"), HttpResponseInfo{}, {}}, true, ""},
      {"status in lower case", {bytes(R"({"status":"success"})"), HttpResponseInfo{}, {}}, false, ""},
      {"Success with its message",
       {bytes(R"({"status":"Success","respMsg":"QR created"})"), HttpResponseInfo{}, {}},
       true,
       "QR created"},
      {"failure with its message",
       {bytes(R"({"status":"Failed","respMsg":"Limit exceeded"})"), HttpResponseInfo{}, {}},
       false,
       "Limit exceeded"},
      {"status that is not text", {bytes(R"({"status":true,"respMsg":3})"), HttpResponseInfo{}, {}}, false, ""},
      {"object without status", {bytes(R"({"respMsg":"hi"})"), HttpResponseInfo{}, {}}, false, "hi"},
      // Members the answer does not read are skipped, however large a number they hold.
      {"decline with a reference beyond 64 bits",
       {bytes(R"({"status":"Failed","respMsg":"Declined","ref":123456789012345678901234})"), HttpResponseInfo{}, {}},
       false,
       "Declined"},
      {"decline with a number beyond the double range",
       {bytes("\xEF\xBB\xBF" R"({"status":"Failed","respMsg":"Declined","amount":1e400})"), HttpResponseInfo{}, {}},
       false,
       "Declined"},
      // A call that brought no QR does not count as a started payment.
      {"failed call", {std::nullopt, std::nullopt, "The Internet connection appears to be offline."}, false, ""},
      {"no body at all", {std::nullopt, HttpResponseInfo{}, {}}, false, ""},
      {"empty body", {NetlaneManager::Body{}, HttpResponseInfo{}, {}}, false, ""},
      {"failed call with a body", {bytes(R"({"status":"Success"})"), HttpResponseInfo{500, {}}, "HTTP 500"}, false, ""},
  };
  PaymentModeTransactionDelegate service;
  for (const auto& c : cases) {
    netlane->reply(AuthCustomeCase::QRPay, c.reply);
    std::vector<QRPayResponse> answers;
    service.qrPay("T1", "10.00", "", "", "", "1", "", "", [&](const QRPayResponse& r) { answers.push_back(r); });
    EXPECT_TRUE(answers.empty()) << c.name;
    loop->runDue();
    ASSERT_EQ(answers.size(), 1u) << c.name;
    const auto& answer = answers[0];
    EXPECT_EQ(answer.success, c.success) << c.name;
    EXPECT_EQ(answer.errorMsg, c.errorMsg) << c.name;
    EXPECT_EQ(answer.payerVpa, "") << c.name;
    EXPECT_EQ(answer.errorCode, "") << c.name;
    EXPECT_EQ(answer.data, c.reply.data) << c.name;  // the body as received
  }
}

TEST(MockPaymentModeTransactionApi, AnswersPayLaterAndLoyaltyAtOnceAndIgnoresTheRest) {
  MockPaymentModeTransactionApi mock;
  std::vector<AddPayLaterTxnResponse> payLater;
  std::vector<LoyaltyResponse> loyalty;
  auto callBoth = [&] {
    mock.addPayLaterTxn("98", "T1", "1", "", "", "", "1", false,
                        [&](const AddPayLaterTxnResponse& r) { payLater.push_back(r); });
    mock.loyalty("98", "T1", [&](const LoyaltyResponse& r) { loyalty.push_back(r); });
  };

  callBoth();  // nothing canned: the all-absent records
  ASSERT_EQ(payLater.size(), 1u);
  EXPECT_EQ(payLater.back(), AddPayLaterTxnResponse{});
  ASSERT_EQ(loyalty.size(), 1u);
  EXPECT_FALSE(loyalty.back().loyaltyDetail);

  mock.mockAddPayLaterTxnResponse = AddPayLaterTxnResponse{.status = "Success", .plTxnid = "PL1"};
  mock.mockLoyaltyResponse = LoyaltyResponse{.status = "Success", .loyaltyDetail = LoyaltyDetail{.flag = "Y"}};
  callBoth();
  EXPECT_EQ(payLater.back(), mock.mockAddPayLaterTxnResponse);
  EXPECT_EQ(loyalty.back(), mock.mockLoyaltyResponse);

  mock.shouldReturnError = true;  // wins over the canned answers
  callBoth();
  EXPECT_EQ(payLater.back(), AddPayLaterTxnResponse{});
  EXPECT_EQ(loyalty.back(), LoyaltyResponse{});
  EXPECT_EQ(payLater.size(), 3u);

  int others = 0;
  callEveryOperation(mock, others);
  EXPECT_EQ(others, 2);  // only addPayLaterTxn and loyalty answer
  mock.loyalty("98", "T1", nullptr);
}

}  // namespace
}  // namespace kassio
