#include <gtest/gtest.h>

#include "kassio/platform/json/Json.h"
#include "sim/FunctionCalls.h"
#include "sim/RecordTable.h"

namespace kassio::sim {
namespace {

using Json = RecordTable::Json;

Json json(const char* text) { return *platform::parseJson(text); }

TEST(RecordTable, KnowsEveryDecodableRecord) {
  const char* records[] = {// entry
                           "MainFilterData", "MainCID", "MainBrandList", "MainCity", "MainOutlates", "MainMID",
                           "MainTID", "SelectedTid", "SelectedTerminal", "TerminalEntry", "AuthMPosData",
                           // terminals
                           "GetUserTerminalListResponse", "TerminalInfo",
                           // transactions
                           "CashPayResponse", "LinkPayResponse", "SimpleAPIResponse", "GetCustomerResponse",
                           "AddPayLaterTxnResponse", "LoyaltyResponse", "LoyaltyDetail",
                           // offers
                           "PaymentCustomOfferDetails", "OfferData", "EligibleOffer", "OfferDetails", "BannerDetails",
                           "BannerImage", "BannerMetaDetails", "AddOfferRedemption", "RedemptionData",
                           "CustomOfferDetails", "CustomOfferData", "BannerData", "BannerFrameClass",
                           // dashboard
                           "SalesCounterDataResponse", "SalesCounterListData", "MiniStatementResponse",
                           "TransactionParam",
                           // banners
                           "BannersResponse", "BannerList", "BannerDatum", "AppLocation"};
  const auto& table = RecordTable::module();
  for (const char* name : records) EXPECT_TRUE(table.contains(name)) << name;
  EXPECT_EQ(table.names().size(), std::size(records));
  EXPECT_FALSE(table.contains("QRPayResponse"));  // built from the raw body, never decoded
  EXPECT_FALSE(table.decode("NoSuchRecord", "{}"));
}

TEST(RecordTable, DecodesByNameAndEncodesBack) {
  const auto& table = RecordTable::module();
  EXPECT_EQ(table.decode("BannerDatum", R"({"bannerUrl":"u","x":1,"roles":null})"), json(R"({"bannerUrl":"u"})"));
  EXPECT_EQ(table.decode("BannerList", R"({"sectionId":2})"), json(R"({"sectionId":2})"));
  EXPECT_EQ(table.decode("BannersResponse", R"({"status":"00","bannerList":[]})"),
            json(R"({"status":"00","bannerList":[]})"));
  EXPECT_EQ(table.decode("AppLocation", R"("mt_loans")"), json(R"("mt_loans")"));
  EXPECT_EQ(table.decode("CashPayResponse", R"({"status":"Success","extra":1})"), json(R"({"status":"Success"})"));
  EXPECT_EQ(table.decode("MainTID", R"({"tidNumber":"T1","isSelected":true})"),
            json(R"({"tidNumber":"T1","isSelected":true})"));
  EXPECT_FALSE(table.decode("AppLocation", R"("mtLoans")"));
  EXPECT_FALSE(table.decode("BannerDatum", R"({"bannerId":"1"})"));
  EXPECT_FALSE(table.decode("BannerDatum", "{"));
}

TEST(RecordTable, TheDecodeFunctionTakesARecordNameAndJson) {
  std::string error;
  EXPECT_EQ(FunctionCalls::call("decode", json(R"({"record":"CashPayResponse","json":{"status":"Success"}})"), error),
            json(R"({"status":"Success"})"));
  EXPECT_EQ(FunctionCalls::call("decode", json(R"({"record":"CashPayResponse","json":"{\"status\":1}"})"), error),
            Json(nullptr));
  EXPECT_TRUE(error.empty());
  EXPECT_FALSE(FunctionCalls::call("decode", json(R"({"record":"QRPayResponse","json":{}})"), error));
  EXPECT_EQ(error, "no record named QRPayResponse");
  EXPECT_FALSE(FunctionCalls::call("decode", json(R"({"record":3,"json":{}})"), error));
  EXPECT_EQ(error, "decode takes record (a record name) and json");
}

}  // namespace
}  // namespace kassio::sim
