#include <gtest/gtest.h>

#include "host/VirtualHost.h"
#include "kassio/platform/json/Json.h"
#include "kassio/transactions/AddPayLaterTxnResponse.h"
#include "kassio/transactions/CashPayResponse.h"
#include "kassio/transactions/GetCustomerResponse.h"
#include "kassio/transactions/LinkPayResponse.h"
#include "kassio/transactions/LoyaltyDetail.h"
#include "kassio/transactions/LoyaltyResponse.h"
#include "kassio/transactions/PaymentModeStatusDataModel.h"
#include "kassio/transactions/RequestTimestamp.h"
#include "kassio/transactions/SimpleAPIResponse.h"
#include "transactions/NetlaneFixture.h"
#include "transactions/RecordDecodeCase.h"

namespace kassio {
namespace {

TEST(TransactionRecords, DecodingRules) {
  const DecodeCase cases[] = {
      // Only the fields present are filled and written back; unknown keys are ignored.
      {roundTrip<CashPayResponse>, R"({"status":"Success","extra":1})", R"({"status":"Success"})"},
      // Unknown members are skipped whatever number they hold.
      {roundTrip<CashPayResponse>, R"({"status":"Success","rrn":123456789012345678901234,"mTxnid":"M1"})",
       R"({"status":"Success","mTxnid":"M1"})"},
      {roundTrip<CashPayResponse>, R"({"saleAmount":100000000000000000000,"status":"Success","fee":1e400})",
       R"({"status":"Success"})"},
      {roundTrip<CashPayResponse>, R"({"mTxnid":"M1","status":"Success","payerVpa":"a@b","statusMessage":"ok"})",
       R"({"status":"Success","statusMessage":"ok","mTxnid":"M1","payerVpa":"a@b"})"},
      // The status code: one of the seven listed texts, in their exact case.
      {roundTrip<CashPayResponse>, R"({"statusCode":"S101"})", R"({"statusCode":"S101"})"},
      {roundTrip<CashPayResponse>, R"({"statusCode":"E105"})", R"({"statusCode":"E105"})"},
      {roundTrip<CashPayResponse>, R"({"statusCode":"P109"})", R"({"statusCode":"P109"})"},
      {roundTrip<CashPayResponse>, R"({"status":"Success","statusCode":"s101"})", "null"},
      {roundTrip<CashPayResponse>, R"({"status":"Success","statusCode":"S102"})", "null"},
      {roundTrip<CashPayResponse>, R"({"statusCode":""})", "null"},
      {roundTrip<LinkPayResponse>, R"({"statusCode":"S103","merchantVPA":"m@bank"})",
       R"({"merchantVPA":"m@bank","statusCode":"S103"})"},
      {roundTrip<LinkPayResponse>, R"({"statusCode":"e101"})", "null"},
      // The UPI check's status code is plain text.
      {roundTrip<SimpleAPIResponse>, R"({"statusCode":"anything","status":"ok"})", R"({"status":"ok","statusCode":"anything"})"},
      // Null leaves a field absent; a wrong type fails the record.
      {roundTrip<CashPayResponse>, R"({"status":null,"statusCode":null})", "{}"},
      {roundTrip<CashPayResponse>, R"({"status":1})", "null"},
      {roundTrip<CashPayResponse>, R"({"mTxnid":["M1"]})", "null"},
      {roundTrip<CashPayResponse>, "[]", "null"},
      {roundTrip<CashPayResponse>, "not json", "null"},
      // The customer id of a pay-later transaction is keyed "customerId".
      {roundTrip<AddPayLaterTxnResponse>, R"({"customerID":"C1","plTxnid":"P1"})", R"({"plTxnid":"P1"})"},
      {roundTrip<AddPayLaterTxnResponse>, R"({"customerId":"C1"})", R"({"customerId":"C1"})"},
      // plCustID is an integer: a JSON number, not a quoted one.
      {roundTrip<GetCustomerResponse>, R"({"plCustID":"12"})", "null"},
      {roundTrip<GetCustomerResponse>, R"({"plCustID":12,"payLaterBalance":"500"})",
       R"({"plCustID":12,"payLaterBalance":"500"})"},
      {roundTrip<GetCustomerResponse>, R"({"plCustID":12.5})", "null"},
      // Counts and spends of the loyalty detail are texts.
      {roundTrip<LoyaltyResponse>, R"({"loyaltyDetail":{"count30":3}})", "null"},
      {roundTrip<LoyaltyResponse>, R"({"status":"Success","loyaltyDetail":{"count30":"3","text1":["Regular","Big spender"]}})",
       R"({"status":"Success","loyaltyDetail":{"count30":"3","text1":["Regular","Big spender"]}})"},
      {roundTrip<LoyaltyDetail>, R"({"text1":["a",2]})", "null"},
      {roundTrip<LoyaltyDetail>, R"({"spend90":"1200.50","flag":"Y"})", R"({"flag":"Y","spend90":"1200.50"})"},
  };
  for (const auto& c : cases) expectDecodes(c);
}

TEST(TransactionRecords, StatusCodeRawValues) {
  const std::pair<UPICollectStatusCode, const char*> codes[] = {
      {UPICollectStatusCode::sessionExpired, "E105"}, {UPICollectStatusCode::invalidRequest, "P101"},
      {UPICollectStatusCode::success, "S101"},        {UPICollectStatusCode::inProgress, "S103"},
      {UPICollectStatusCode::failed, "E107"},         {UPICollectStatusCode::invalidAmount, "P109"},
      {UPICollectStatusCode::serverError, "E101"},
  };
  for (const auto& [code, raw] : codes) {
    EXPECT_EQ(rawValue(code), raw);
    const auto decoded = platform::decodeJson<CashPayResponse>(std::string(R"({"statusCode":")") + raw + "\"}");
    ASSERT_TRUE(decoded) << raw;
    EXPECT_EQ(decoded->statusCode, code);
  }
}

TEST(PaymentModeStatusDataModel, TheStatusScreenReadsItThroughTheProtocol) {
  const PaymentModeStatusDataModel model({.amount = "10.00",
                                          .paymentMode = "Cash",
                                          .txnId = "M1",
                                          .status = "Success",
                                          .statusMessage = "Tea",
                                          .terminalID = "T1",
                                          .redemptionData = "R5",
                                          .payerVPA = "a@b"});
  const PaymentModeStatusDataModelProtocol& status = model;
  EXPECT_EQ(status.paymentMode(), "Cash");
  EXPECT_EQ(status.txnId(), "M1");
  EXPECT_EQ(status.redemptionData(), "R5");
  EXPECT_EQ(status.payerVPA(), "a@b");
  EXPECT_EQ(status.customerName(), "");  // every field is present, empty where unknown
  EXPECT_EQ(status.bankReferenceId(), "");
  const auto encoded = platform::encodeJsonValue(model.fields());
  EXPECT_EQ(encoded.size(), 17u);
  EXPECT_EQ(encoded.begin().key(), "customerName");
  EXPECT_EQ((--encoded.end()).key(), "payerVPA");
}

TEST(RequestTimestamp, IsTheLocalTimeWithoutSeparators) {
  host::VirtualHost device{{.timeZone = "Asia/Kolkata"}};
  EXPECT_EQ(requestTimestamp(platform::Date{1796965200}), "20261211T103000");  // 05:00 UTC
}

}  // namespace
}  // namespace kassio
