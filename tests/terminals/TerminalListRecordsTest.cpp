#include <gtest/gtest.h>

#include "kassio/platform/json/Json.h"
#include "kassio/terminals/GetUserTerminalListResponse.h"

namespace kassio {
namespace {

// One terminal with every field, under the keys the host writes.
constexpr std::string_view fullList =
    R"({"status":"success","respMessage":"Fetched","statusCode":"200","terminalInfo":[{"T1":{)"
    R"("city":"Pune","location":"FC Road","address":"12 FC Road","mid":"M1","cid":"C1","dba":"Acme FC Road",)"
    R"("companyName":"Acme","accountNumber":"0001","role":"owner","tidStatus":"Active",)"
    R"("bankProduct":{"insta":true,"jumbo":false,"le":true,"business_CreditCards":true,"instantUpiSettlement":false,"BANK_EMI":true},)"
    R"("segments":["gold","retail"],"pinCode":"411004","roleStatus":"Active",)"
    R"("moduleConsents":{"OAR":true,"V2P":false,"MAC":true,"trindlify":false},"tid":"T1",)"
    R"("payments":{"cards":[{"status":"Active","providerId":7,"userName":"u","password":"p","providerName":"Ezetap"}],)"
    R"("smsPay":{"status":"Active","providerName":"Link","providerId":2},"cash":{"status":"Active"},)"
    R"("upi":{"status":"Inactive","providerName":"UPI","providerId":3},)"
    R"("qr":{"status":"Active","providerName":"BQR","providerId":4,"digitalStaticQRPath":"/qr/T1.png",)"
    R"("staticQRStatus":1,"rupayPan":"R1","masterPassPan":"MP1","mpan":"MPAN1"},"payLater":{"status":"Active"}}}}]})";

TEST(TerminalListRecords, EveryFieldUnderItsKeyAndBackUnchanged) {
  const auto list = platform::decodeJson<GetUserTerminalListResponse>(fullList);
  ASSERT_TRUE(list);
  EXPECT_EQ(list->statusCode, "200");
  const TerminalInfo& t = list->terminals.at(0).at("T1");
  EXPECT_EQ(t.dba, "Acme FC Road");
  EXPECT_EQ(t.bankProduct->businessCreditCards, true);
  EXPECT_EQ(t.bankProduct->BANK_EMI, true);
  EXPECT_EQ(t.moduleConsents->v2P, false);
  EXPECT_EQ(t.segments, (std::vector<std::string>{"gold", "retail"}));
  EXPECT_EQ(t.payments->cards1->at(0).providerID, 7);
  EXPECT_EQ(t.payments->upi->providerID, 3);
  EXPECT_EQ(t.payments->qr->staticQRStatus, 1);
  EXPECT_EQ(t.payments->qr->mpan, "MPAN1");
  EXPECT_EQ(t.payments->payLater->status, "Active");
  EXPECT_EQ(platform::encodeJson(*list), fullList);
}

TEST(TerminalListRecords, AbsentFieldsStayAbsentAndAreNotWritten) {
  constexpr std::string_view sparse =
      R"({"status":"s","respMessage":"r","statusCode":"c","terminalInfo":[{"T1":{"dba":null,"payments":{"qr":{}}}},{}]})";
  const auto list = platform::decodeJson<GetUserTerminalListResponse>(sparse);
  ASSERT_TRUE(list);
  EXPECT_FALSE(list->terminals[0].at("T1").dba);
  EXPECT_FALSE(list->terminals[0].at("T1").payments->qr->staticQRStatus);
  EXPECT_TRUE(list->terminals[1].empty());
  EXPECT_EQ(platform::encodeJson(*list),
            R"({"status":"s","respMessage":"r","statusCode":"c","terminalInfo":[{"T1":{"payments":{"qr":{}}}},{}]})");
}

TEST(TerminalListRecords, AWrongTypeOrAMissingMemberFailsTheWholeList) {
  const std::string_view failures[] = {
      R"({"status":"s","respMessage":"r","terminalInfo":[]})",                    // no statusCode
      R"({"status":"s","respMessage":"r","statusCode":"c"})",                     // no terminalInfo
      R"({"status":"s","respMessage":"r","statusCode":"c","terminalInfo":{}})",  // not a list
      R"({"status":"s","respMessage":"r","statusCode":"c","terminalInfo":[{"T1":{"segments":"gold"}}]})",
      R"({"status":"s","respMessage":"r","statusCode":"c","terminalInfo":[{"T1":{"payments":{"qr":{"staticQRStatus":"1"}}}}]})",
      R"({"status":"s","respMessage":"r","statusCode":"c","terminalInfo":[{"T1":{"payments":{"cards":[{"providerId":1.5}]}}}]})",
  };
  for (const auto text : failures) EXPECT_FALSE(platform::decodeJson<GetUserTerminalListResponse>(text)) << text;
}

}  // namespace
}  // namespace kassio
