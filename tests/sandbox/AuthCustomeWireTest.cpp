#include <gtest/gtest.h>

#include "kassio/transactions/AuthCustomeWire.h"

namespace kassio {
namespace {

std::vector<AuthCustome> everyCase() {
  return {AuthCustome::bannerList(),
          AuthCustome::getCustomer("9876543210", "T1"),
          AuthCustome::loyalty("9876543210", "T1"),
          AuthCustome::upiCheck("priya@okkassio", "T1"),
          AuthCustome::QRPay("T1", "1.00", "d", "9876543210", "20261211T103000", "1", "40001", "7"),
          AuthCustome::LinkPay("T1", "2.00", "d", "9876543210", "20261211T103000", "1", "40001", "7"),
          AuthCustome::cashPay("T1", "3.00", "d", "20261211T103000", "40001", "9876543210", "7"),
          AuthCustome::addPayLaterTxn("9876543210", "T1", "4.00", "a", "n", "d", "1", true),
          AuthCustome::handleCardTxnData("5.00", "T1", "d", "9876543210", "1", "", "100001", "100002", "CRD1"),
          AuthCustome::validateCardTxnSession(),
          AuthCustome::oarCustomOfferBannerInfoV1("9876543210", {"T1", "T2"}, "600"),
          AuthCustome::oarAddOfferRedeem("701", "T1", "40001", "60", "540", "InProgress", "Cash"),
          AuthCustome::oarOfferRedemptionData("7"),
          AuthCustome::miniStateMent({"T1"}, "terminal", {"SaleSuccess"}, "miniStatement", "3", "", ""),
          AuthCustome::paymentSalesCardVelbank({"T1"}, "1", "2026-12-11", "2026-12-11")};
}

TEST(AuthCustomeWire, EveryCaseTravelsAsNamedMembersAndComesBackTheSame) {
  for (const auto& request : everyCase()) {
    const auto body = wireBody(request);
    ASSERT_TRUE(body.is_object());
    // One member per value, each named once.
    EXPECT_EQ(body.size(), request.args.size()) << request.json();
    EXPECT_EQ(wirePath(request.kind), "/netlane/v1/" + std::string(request.caseName()));
    std::string error;
    const auto back = requestFromWire(request.caseName(), body, &error);
    ASSERT_TRUE(back) << request.json() << ": " << error;
    EXPECT_EQ(*back, request);
  }
  const auto cash = wireBody(AuthCustome::cashPay("T1", "3.00", "d", "ts", "", "98", "7"));
  EXPECT_EQ(cash["terminalId"], "T1");
  EXPECT_EQ(cash["offerRedemptionId"], "7");
  EXPECT_EQ(wireBody(AuthCustome::addPayLaterTxn("m", "T1", "1", "", "", "", "1", false))["isNewCustomer"], false);
}

TEST(AuthCustomeWire, OnlyThePaymentCasesCarryAnIdempotencyKey) {
  std::vector<std::string> changing;
  for (const auto& request : everyCase())
    if (changesPayments(request.kind)) changing.emplace_back(request.caseName());
  EXPECT_EQ(changing, (std::vector<std::string>{"QRPay", "LinkPay", "cashPay", "addPayLaterTxn", "handleCardTxnData",
                                                "oarAddOfferRedeem"}));
}

TEST(AuthCustomeWire, HttpStatusOutside2xxIsAFailedCallThatKeepsItsBody) {
  for (int status : {200, 201, 299}) EXPECT_FALSE(replyFromHttp({status, {}}, {'{', '}'}).error) << status;
  for (int status : {199, 301, 400, 422, 500}) {
    const auto reply = replyFromHttp({status, {}}, {'{', '}'});
    EXPECT_TRUE(reply.error) << status;
    EXPECT_EQ(reply.data, (NetlaneManager::Body{'{', '}'}));
    EXPECT_EQ(reply.response->statusCode, status);
  }
}

}  // namespace
}  // namespace kassio
