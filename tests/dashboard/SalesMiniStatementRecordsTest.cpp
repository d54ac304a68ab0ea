#include <gtest/gtest.h>

#include "kassio/platform/foundation/RandomSource.h"
#include "kassio/dashboard/MiniStatementResponse.h"
#include "kassio/dashboard/SalesCounterDataResponse.h"
#include "kassio/dashboard/SalesCounterListData.h"
#include "kassio/entry/calendarFilterType.h"
#include "kassio/platform/json/Json.h"
#include "transactions/NetlaneFixture.h"
#include "transactions/RecordDecodeCase.h"

namespace kassio {
namespace {

constexpr const char* counters =
    R"("saleAmount":10.5,"saleCount":2,"plAmount":0,"plCount":0,"totalAmount":10.5,"totalCount":2)";

std::string withCounters(const std::string& before, const std::string& after = "") {
  return "{" + before + counters + after + "}";
}

TEST(SalesRecords, DecodingRules) {
  const std::string full = withCounters(R"("mid":"M1",)", R"(,"tid":"T1")");
  const std::string sales = R"({"status":"Success","message":"ok","errorCode":"0","saleCounterList":[)" + full + "]}";
  const DecodeCase cases[] = {
      {roundTrip<SalesCounterListData>, full,
       R"({"mid":"M1","saleAmount":10.5,"saleCount":2,"plAmount":0.0,"plCount":0,"totalAmount":10.5,"totalCount":2,"tid":"T1"})"},
      // The six numbers are required JSON numbers; counts are integers, amounts decimals.
      {roundTrip<SalesCounterListData>, R"({"saleAmount":1,"saleCount":1,"plAmount":0,"plCount":0,"totalAmount":1})", "null"},
      {roundTrip<SalesCounterListData>,
       R"({"saleAmount":"1","saleCount":1,"plAmount":0,"plCount":0,"totalAmount":1,"totalCount":1})", "null"},
      {roundTrip<SalesCounterListData>,
       R"({"saleAmount":1,"saleCount":1.5,"plAmount":0,"plCount":0,"totalAmount":1,"totalCount":1})", "null"},
      {roundTrip<SalesCounterListData>,
       R"({"saleAmount":1,"saleCount":null,"plAmount":0,"plCount":0,"totalAmount":1,"totalCount":1})", "null"},
      {roundTrip<SalesCounterListData>,
       R"({"saleAmount":7,"saleCount":1,"plAmount":0,"plCount":0,"totalAmount":7,"totalCount":1,"area":null})",
       R"({"saleAmount":7.0,"saleCount":1,"plAmount":0.0,"plCount":0,"totalAmount":7.0,"totalCount":1})"},
      // Status, message and error code are required; the list is not, and null leaves it absent.
      {roundTrip<SalesCounterDataResponse>, sales, sales},
      {roundTrip<SalesCounterDataResponse>, R"({"status":"Success","message":"ok","errorCode":"0","saleCounterList":null})",
       R"({"status":"Success","message":"ok","errorCode":"0"})"},
      {roundTrip<SalesCounterDataResponse>, R"({"status":"Success","message":"ok"})", "null"},
      {roundTrip<SalesCounterDataResponse>, R"({"status":"Success","message":null,"errorCode":"0"})", "null"},
      {roundTrip<SalesCounterDataResponse>,
       R"({"status":"Success","message":"ok","errorCode":"0","saleCounterList":[{"saleAmount":1}]})", "null"},
  };
  for (const auto& c : cases) expectDecodes(c);
}

std::optional<MiniStatementResponse> statementWith(const std::string& transaction) {
  return platform::decodeJson<MiniStatementResponse>(R"({"status":"Success","transactionParams":[)" + transaction +
                                                     "]}");
}

class MiniStatementRecords : public NetlaneTest {};

TEST_F(MiniStatementRecords, EnumerationsTakeTheirRawValuesOnly) {
  struct Case {
    std::string member;
    std::string raw;
    bool decodes;
  };
  const Case cases[] = {
      {"paymentType", "1", true},
      {"paymentType", "7", true},
      {"paymentType", "10", true},
      {"paymentType", "8", false},
      {"paymentType", "Cards", false},
      {"status", "3", true},
      {"status", "7", true},
      {"status", "0", false},
      {"qrPaymentMode", "Google Pay", true},
      {"qrPaymentMode", "SMS Pay", true},
      {"qrPaymentMode", "Google_Pay", false},
      {"qrPaymentMode", "bhim", false},
      {"paymentApp", "Amazon Pay", true},
      {"paymentApp", "UPI", false},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(statementWith(R"({")" + c.member + R"(":")" + c.raw + R"("})").has_value(), c.decodes)
        << c.member << "=" << c.raw;
  }
  // Numbers are not raw values; null or a missing member is simply absent.
  EXPECT_FALSE(statementWith(R"({"paymentType":10})"));
  const auto absent = statementWith(R"({"paymentType":null,"txnid":"X"})");
  ASSERT_TRUE(absent);
  EXPECT_FALSE(absent->transactionParams->at(0).paymentType);

  const auto decoded =
      statementWith(R"({"paymentType":"10","status":"3","qrPaymentMode":"Amazon Pay","paymentApp":"Phonepe"})");
  ASSERT_TRUE(decoded);
  const auto& transaction = decoded->transactionParams->at(0);
  EXPECT_EQ(transaction.paymentType, PaymentType::BankEMI);
  EXPECT_EQ(transaction.status, TxnState::SaleSuccess);
  EXPECT_EQ(transaction.qrPaymentMode, qrPaymentMode::Amazon_Pay);
  EXPECT_EQ(transaction.paymentApp, paymentApp::Phonepe);
}

TEST_F(MiniStatementRecords, RenamedKeysAndEncodingOrder) {
  const auto decoded = statementWith(
      R"({"uuid":"00000000-0000-4000-8000-000000000000","description":"Tea","terminalId":"T1",
          "transactionParamDescription":"x","terminalID":"y","subType":"S","txnid":"X1","redemptionList":["R1"]})");
  ASSERT_TRUE(decoded);
  const auto& transaction = decoded->transactionParams->at(0);
  EXPECT_EQ(transaction.transactionParamDescription, "Tea");
  EXPECT_EQ(transaction.terminalID, "T1");
  EXPECT_NE(transaction.uuid.uuidString(), "00000000-0000-4000-8000-000000000000");  // never read from JSON
  const auto encoded = platform::encodeJsonValue(transaction);
  EXPECT_EQ(platform::writeJson(encoded),
            R"({"txnid":"X1","description":"Tea","terminalId":"T1","redemptionList":["R1"],"subType":"S","uuid":")" +
                transaction.uuid.uuidString() + R"("})");
}

TEST_F(MiniStatementRecords, EveryDecodeMakesFreshIdentifiersFromTheSeededSource) {
  const std::string body = R"({"transactionParams":[{"txnid":"A"},{"txnid":"B"}]})";
  const auto first = platform::decodeJson<MiniStatementResponse>(body);
  const auto second = platform::decodeJson<MiniStatementResponse>(body);
  ASSERT_TRUE(first && second);
  const auto& a = *first->transactionParams;
  const auto& b = *second->transactionParams;
  EXPECT_NE(a[0].uuid, a[1].uuid);
  EXPECT_NE(a[0].uuid, b[0].uuid);
  EXPECT_NE(a[1].uuid, b[1].uuid);
  EXPECT_EQ(static_cast<const TransactionParamFields&>(a[0]), static_cast<const TransactionParamFields&>(b[0]));

  // The same seed gives the same identifiers.
  platform::Platform::current().random = std::make_shared<platform::RandomSource>(42);
  const auto again = platform::decodeJson<MiniStatementResponse>(body);
  EXPECT_EQ(again->transactionParams->at(0).uuid, a[0].uuid);
  // Encoding writes the identifier back too.
  const auto encoded = roundTrip<MiniStatementResponse>(body);
  ASSERT_TRUE(encoded);
  EXPECT_TRUE((*encoded)["transactionParams"][1]["uuid"].is_string());
}

TEST(DashboardEnumerations, RawValues) {
  EXPECT_EQ(rawValue(PaymentType::Cards), "1");
  EXPECT_EQ(rawValue(PaymentType::CashPos), "7");
  EXPECT_EQ(rawValue(PaymentType::BankEMI), "10");
  EXPECT_EQ(rawValue(TxnState::Initiated), "1");
  EXPECT_EQ(rawValue(TxnState::RefundedFailed), "6");
  EXPECT_EQ(rawValue(qrPaymentMode::Google_Pay), "Google Pay");
  EXPECT_EQ(rawValue(qrPaymentMode::SMS_Pay), "SMS Pay");
  EXPECT_EQ(rawValue(paymentApp::Amazon_Pay), "Amazon Pay");
  EXPECT_EQ(rawValue(calendarFilterType::thisweek), "thisweek");
  EXPECT_EQ(rawValue(calendarFilterType::none), "");
  EXPECT_EQ(fromRaw("", static_cast<calendarFilterType*>(nullptr)), calendarFilterType::none);
  EXPECT_FALSE(fromRaw("Today", static_cast<calendarFilterType*>(nullptr)));
}

}  // namespace
}  // namespace kassio
