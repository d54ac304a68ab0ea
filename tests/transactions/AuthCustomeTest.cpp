#include <gtest/gtest.h>

#include "kassio/transactions/AuthCustome.h"
#include "transactions/NetlaneFixture.h"

namespace kassio {
namespace {

TEST(AuthCustome, CaseNamesAreTheCasesOwnSpelling) {
  const std::pair<AuthCustome, const char*> cases[] = {
      {AuthCustome::bannerList(), "bannerList"},
      {AuthCustome::getCustomer("m", "t"), "getCustomer"},
      {AuthCustome::loyalty("m", "t"), "loyalty"},
      {AuthCustome::upiCheck("u", "t"), "upiCheck"},
      {AuthCustome::QRPay("", "", "", "", "", "", "", ""), "QRPay"},
      {AuthCustome::LinkPay("", "", "", "", "", "", "", ""), "LinkPay"},
      {AuthCustome::cashPay("", "", "", "", "", "", ""), "cashPay"},
      {AuthCustome::addPayLaterTxn("", "", "", "", "", "", "", false), "addPayLaterTxn"},
      {AuthCustome::handleCardTxnData("", "", "", "", "", "", "", "", ""), "handleCardTxnData"},
      {AuthCustome::validateCardTxnSession(), "validateCardTxnSession"},
      {AuthCustome::oarCustomOfferBannerInfoV1("", {}, ""), "oarCustomOfferBannerInfoV1"},
      {AuthCustome::oarAddOfferRedeem("", "", "", "", "", "", ""), "oarAddOfferRedeem"},
      {AuthCustome::oarOfferRedemptionData(""), "oarOfferRedemptionData"},
      {AuthCustome::miniStateMent({}, "", {}, "", "", "", ""), "miniStateMent"},
      {AuthCustome::paymentSalesCardVelbank({}, "", "", ""), "paymentSalesCardVelbank"},
  };
  for (const auto& [request, name] : cases) {
    EXPECT_EQ(request.caseName(), name);
    EXPECT_EQ(authCustomeCaseNamed(name), request.kind) << name;
  }
  EXPECT_FALSE(authCustomeCaseNamed("qrPay"));  // names match exactly
  EXPECT_FALSE(authCustomeCaseNamed("linkPay"));
  EXPECT_FALSE(authCustomeCaseNamed(""));
}

TEST(AuthCustome, JsonFormWritesListsAsArraysAndTheFlagAsABoolean) {
  EXPECT_EQ(AuthCustome::addPayLaterTxn("9876543210", "T1", "10.00", "Addr", "Asha", "Tea", "1", true).json(),
            json(R"({"case":"addPayLaterTxn","args":["9876543210","T1","10.00","Addr","Asha","Tea","1",true]})"));
  EXPECT_EQ(AuthCustome::oarCustomOfferBannerInfoV1("98", {"T1", "T2"}, "1050").json(),
            json(R"({"case":"oarCustomOfferBannerInfoV1","args":["98",["T1","T2"],"1050"]})"));
  EXPECT_EQ(AuthCustome::bannerList().json(), json(R"({"case":"bannerList","args":[]})"));
}

}  // namespace
}  // namespace kassio
