#include <gtest/gtest.h>
#include <httplib.h>

#include "host/HttpNetlane.h"
#include "kassio/banners/BannersResponse.h"
#include "kassio/dashboard/MiniStatementAPI.h"
#include "kassio/dashboard/MiniStatementResponse.h"
#include "kassio/dashboard/SalesAPI.h"
#include "kassio/dashboard/SalesCounterDataResponse.h"
#include "kassio/entry/KassioState.h"
#include "kassio/offers/AddOfferRedemption.h"
#include "kassio/offers/CustomOfferDetails.h"
#include "kassio/offers/PaymentCustomOfferDetails.h"
#include "kassio/platform/text/DateFormatter.h"
#include "kassio/transactions/AddPayLaterTxnResponse.h"
#include "kassio/transactions/AuthCustomeWire.h"
#include "kassio/transactions/CashPayResponse.h"
#include "kassio/transactions/GetCustomerResponse.h"
#include "kassio/transactions/LinkPayResponse.h"
#include "kassio/transactions/LoyaltyResponse.h"
#include "kassio/transactions/PaymentModeTransactionDelegate.h"
#include "kassio/transactions/SimpleAPIResponse.h"
#include "sandbox/RealLoopTest.h"
#include "sandbox/SandboxServer.h"
#include "sandbox/SandboxTestSupport.h"

namespace kassio::sandbox::test {
namespace {

// The bank behind its HTTP server on a free loopback port, reached through the HTTP Netlane.
class EndToEndTest : public RealLoopTest {
 protected:
  void SetUp() override {
    RealLoopTest::SetUp();
    std::string error;
    bank = SandboxBank::open(testSeed(), ":memory:", SandboxBank::wallClock(), &error);
    ASSERT_TRUE(bank) << error;
    server = std::make_unique<SandboxServer>(bank, "demo-token");
    const auto bound = server->bind(0);
    ASSERT_TRUE(bound);
    port = *bound;
    server->start();
    netlane = host::HttpNetlane::make({"http://127.0.0.1:" + std::to_string(port), "demo-token", 5, 10, 4, {}}, &error);
    ASSERT_TRUE(netlane) << error;
    today = platform::DateFormatter("yyyy-MM-dd", "en_US_POSIX", "Asia/Kolkata").string(loop->now());
  }
  void TearDown() override {
    KassioState::shared().networkManager.reset();
    netlane.reset();
    server.reset();
    RealLoopTest::TearDown();
  }

  std::shared_ptr<SandboxBank> bank;
  std::unique_ptr<SandboxServer> server;
  int port = 0;
  std::shared_ptr<host::HttpNetlane> netlane;
  std::string today;
};

TEST_F(EndToEndTest, EveryCaseComesBackAsItsRecord) {
  auto& net = *netlane;
  const auto feed = call<BannersResponse>(net, AuthCustome::bannerList());
  ASSERT_TRUE(feed);
  EXPECT_EQ(feed->paymentsDashboardSections().size(), 1u);

  const auto customer = call<GetCustomerResponse>(net, AuthCustome::getCustomer("9876543210", "T1"));
  ASSERT_TRUE(customer);
  EXPECT_EQ(customer->plCustID, 40001);
  const auto recognised = call<LoyaltyResponse>(net, AuthCustome::loyalty("9876543210", "T1"));
  ASSERT_TRUE(recognised && recognised->loyaltyDetail);
  EXPECT_EQ(recognised->loyaltyDetail->customer, "repeat");
  const auto upi = call<SimpleAPIResponse>(net, AuthCustome::upiCheck("priya@okkassio", "T1"));
  ASSERT_TRUE(upi);
  EXPECT_EQ(upi->status, "Success");

  const auto offers = call<PaymentCustomOfferDetails>(
      net, AuthCustome::oarCustomOfferBannerInfoV1("9876543210", {"T1"}, "30000"));
  ASSERT_TRUE(offers && offers->data && offers->data->eligibleOffers);
  EXPECT_EQ(offers->data->eligibleOffers->size(), 3u);
  const auto redemption = call<AddOfferRedemption>(
      net, AuthCustome::oarAddOfferRedeem("701", "T1", "40001", "3000", "27000", "InProgress", "Cash"));
  ASSERT_TRUE(redemption && redemption->data && redemption->data->id);
  const std::string redemptionId = std::to_string(*redemption->data->id);
  const auto redeemed = call<CustomOfferDetails>(net, AuthCustome::oarOfferRedemptionData(redemptionId));
  ASSERT_TRUE(redeemed && redeemed->data && !redeemed->data->empty());
  EXPECT_EQ(redeemed->data->front().offerName, "Ten percent");

  const auto cash = call<CashPayResponse>(
      net, AuthCustome::cashPay("T1", "270.00", "Thali", "20261211T103000", "", "9876543210", redemptionId));
  ASSERT_TRUE(cash);
  EXPECT_EQ(cash->statusCode, UPICollectStatusCode::success);
  const auto link = call<LinkPayResponse>(
      net, AuthCustome::LinkPay("T1", "120.00", "Cake", "9876543210", "20261211T103000", "1", "", ""));
  ASSERT_TRUE(link);
  EXPECT_EQ(link->merchantVPA, "acme.t1@kassiobank");
  const auto payLater = call<AddPayLaterTxnResponse>(
      net, AuthCustome::addPayLaterTxn("9876543210", "T1", "150.00", "", "", "Snacks", "1", false));
  ASSERT_TRUE(payLater);
  EXPECT_EQ(payLater->status, "Success");

  const auto started = call<CashPayResponse>(
      net, AuthCustome::handleCardTxnData("500.00", "T1", "Dinner", "9876543210", "1", "Initiated", "", "", ""));
  ASSERT_TRUE(started && started->mTxnid);
  const auto session = call<CashPayResponse>(net, AuthCustome::validateCardTxnSession());
  ASSERT_TRUE(session);
  EXPECT_EQ(session->mTxnid, started->mTxnid);
  const auto approved = call<CashPayResponse>(
      net, AuthCustome::handleCardTxnData("500.00", "T1", "Dinner", "9876543210", "1", "", "482913", "771204",
                                          *started->mTxnid));
  ASSERT_TRUE(approved);
  EXPECT_EQ(approved->status, "Success");

  // The QR code is the body itself, and a phone reads the payment link out of it.
  const auto qr = rawCall(net, AuthCustome::QRPay("T1", "99.50", "Coffee", "", "20261211T103000", "1", "", ""));
  ASSERT_FALSE(qr.error);
  ASSERT_TRUE(qr.data);
  const auto scanned = scanQrCode(*qr.data);
  ASSERT_TRUE(scanned) << "zbarimg read no QR code";
  EXPECT_TRUE(scanned->starts_with("upi://pay?pa=acme.t1@kassiobank&pn=Acme%20Foods&tr=BQR")) << *scanned;
  EXPECT_TRUE(scanned->ends_with("&tn=Coffee&am=99.50&cu=INR")) << *scanned;

  const auto sales = call<SalesCounterDataResponse>(net, AuthCustome::paymentSalesCardVelbank({"T1"}, "1", today, today));
  ASSERT_TRUE(sales && sales->saleCounterList && sales->saleCounterList->size() == 1);
  const auto& counters = sales->saleCounterList->front();
  EXPECT_EQ(counters.saleCount, 2);  // cash and card; the link and the QR are not paid yet
  EXPECT_DOUBLE_EQ(counters.saleAmount, 770.0);
  EXPECT_EQ(counters.plCount, 1);
  const auto statement = call<MiniStatementResponse>(
      net, AuthCustome::miniStateMent({"T1"}, "terminal", {"SaleSuccess"}, "miniStatement", "3", today, today));
  ASSERT_TRUE(statement && statement->transactionParams);
  ASSERT_EQ(statement->transactionParams->size(), 3u);
  EXPECT_EQ(statement->transactionParams->at(0).txnid, started->mTxnid);  // the latest first
}

TEST_F(EndToEndTest, CashPaymentShowsInTodaysSalesAndMiniStatement) {
  KassioState::shared().networkManager = netlane;
  std::optional<CashPayResponse> paid;
  PaymentModeTransactionDelegate().cashPay("T1", "199.00", "Lunch", "20261211T103000", "", "9876543210", "",
                                           [&](const CashPayResponse& response) { paid = response; });
  ASSERT_TRUE(loop->runUntil([&] { return paid.has_value(); }, completionTimeout));
  ASSERT_EQ(paid->status, "Success") << paid->statusMessage.value_or("");

  std::optional<SalesCounterDataResponse> sales;
  SalesAPI().fetchSales({"T1", "T2"}, [&](std::optional<SalesCounterDataResponse> answer) { sales = answer; });
  ASSERT_TRUE(loop->runUntil([&] { return sales.has_value(); }, completionTimeout));
  ASSERT_EQ(sales->saleCounterList.value_or(std::vector<SalesCounterListData>{}).size(), 2u);
  EXPECT_EQ(sales->saleCounterList->at(0).tid, "T1");
  EXPECT_DOUBLE_EQ(sales->saleCounterList->at(0).saleAmount, 199.0);
  EXPECT_EQ(sales->saleCounterList->at(1).totalCount, 0);

  std::optional<MiniStatementResponse> statement;
  MiniStatementAPI().fetchMiniStatement({"T1", "T2"}, today, today,
                                        [&](std::optional<MiniStatementResponse> answer) { statement = answer; });
  ASSERT_TRUE(loop->runUntil([&] { return statement.has_value(); }, completionTimeout));
  ASSERT_EQ(statement->transactionParams.value_or(std::vector<TransactionParam>{}).size(), 1u);
  const auto& entry = statement->transactionParams->front();
  EXPECT_EQ(entry.txnid, paid->mTxnid);
  EXPECT_EQ(entry.amount, "199.00");
  EXPECT_EQ(entry.paymentType, PaymentType::Cash);
  EXPECT_EQ(entry.customerMobile, "9876543210");
}

TEST_F(EndToEndTest, SameIdempotencyKeyTwiceRecordsOnePayment) {
  httplib::Client client("127.0.0.1", port);
  client.set_bearer_token_auth("demo-token");
  const httplib::Headers headers{{"Idempotency-Key", "3F2B8C1D-5E6A-4B7C-8D9E-0A1B2C3D4E5F"}};
  const std::string body =
      platform::writeJson(wireBody(AuthCustome::cashPay("T1", "45.00", "Tea", "20261211T103000", "", "", "")));
  const auto first = client.Post("/netlane/v1/cashPay", headers, body, "application/json");
  const auto second = client.Post("/netlane/v1/cashPay", headers, body, "application/json");
  ASSERT_TRUE(first && second);
  EXPECT_EQ(first->status, 200);
  EXPECT_EQ(second->body, first->body);

  const auto sales = call<SalesCounterDataResponse>(*netlane, AuthCustome::paymentSalesCardVelbank({"T1"}, "1", today, today));
  ASSERT_TRUE(sales && sales->saleCounterList);
  EXPECT_EQ(sales->saleCounterList->front().saleCount, 1);

  // Without the token, or with a body that is no request, nothing is recorded either.
  httplib::Client stranger("127.0.0.1", port);
  EXPECT_EQ(stranger.Post("/netlane/v1/cashPay", body, "application/json")->status, 401);
  EXPECT_EQ(client.Post("/netlane/v1/cashPay", "{\"terminalId\":", "application/json")->status, 400);
  EXPECT_EQ(client.Post("/netlane/v1/cashPay", R"({"terminalId":"T1"})", "application/json")->status, 400);
  const auto after = call<SalesCounterDataResponse>(*netlane, AuthCustome::paymentSalesCardVelbank({"T1"}, "1", today, today));
  ASSERT_TRUE(after && after->saleCounterList);
  EXPECT_EQ(after->saleCounterList->front().saleCount, 1);
}

}  // namespace
}  // namespace kassio::sandbox::test
