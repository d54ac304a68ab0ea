#include <gtest/gtest.h>

#include "kassio/entry/AuthMPosData.h"
#include "kassio/entry/MainFilterData.h"
#include "kassio/entry/SelectedTerminal.h"
#include "kassio/entry/TerminalEntry.h"
#include "kassio/platform/json/Json.h"

namespace kassio {
namespace {

constexpr std::string_view tree = R"({"cids":[{"cidName":"Acme","isSelected":true,"brandList":[
  {"brandName":"Acme Foods","isSelected":false,"cities":[{"cityName":"Pune","isSelected":false,"outlates":[
    {"outlatesName":"FC Road","uuid":"e621e1f8-c36c-495a-93fc-0c247a3e6e5f","address":"12 FC Road","isSelected":false,
     "mids":[{"midName":"M1","isSelected":false,"tids":[{"tidNumber":"T1","isSelected":true}]}]}]}]}]}]})";

TEST(OutletTree, DecodesAndEncodesUnderTheFieldNames) {
  const auto decoded = platform::decodeJson<MainFilterData>(tree);
  ASSERT_TRUE(decoded);
  const MainOutlates& outlet = decoded->cids[0].brandList[0].cities[0].outlates[0];
  EXPECT_EQ(outlet.outlatesName, "FC Road");
  EXPECT_EQ(outlet.uuid, platform::Uuid::parse("E621E1F8-C36C-495A-93FC-0C247A3E6E5F"));
  EXPECT_TRUE(outlet.mids[0].tids[0].isSelected);
  EXPECT_EQ(platform::encodeJson(*decoded),
            R"({"cids":[{"cidName":"Acme","isSelected":true,"brandList":[{"brandName":"Acme Foods","isSelected":false,)"
            R"("cities":[{"cityName":"Pune","isSelected":false,"outlates":[{"outlatesName":"FC Road",)"
            R"("uuid":"E621E1F8-C36C-495A-93FC-0C247A3E6E5F","address":"12 FC Road","isSelected":false,)"
            R"("mids":[{"midName":"M1","isSelected":false,"tids":[{"tidNumber":"T1","isSelected":true}]}]}]}]}]}]})");
  EXPECT_EQ(platform::decodeJson<MainFilterData>(platform::encodeJson(*decoded)), decoded);
}

TEST(OutletTree, EveryMemberIsRequiredAndTheUuidMustBeOne) {
  const struct {
    const char* what;
    std::string from, to;
  } breaks[] = {
      {"uuid not a UUID", "e621e1f8-c36c-495a-93fc-0c247a3e6e5f", "outlet-1"},
      {"address missing", R"("address":"12 FC Road",)", ""},
      {"flag as text", R"("isSelected":true,"brandList")", R"("isSelected":"true","brandList")"},
      {"tids missing", R"(,"tids":[{"tidNumber":"T1","isSelected":true}])", ""},
  };
  for (const auto& b : breaks) {
    std::string text(tree);
    const auto at = text.find(b.from);
    ASSERT_NE(at, std::string::npos) << b.what;
    text.replace(at, b.from.size(), b.to);
    EXPECT_FALSE(platform::decodeJson<MainFilterData>(text)) << b.what;
  }
}

TEST(OutletTree, BuiltFromAListOfCompanies) {
  const MainFilterData built{{MainCID{"Acme", false, {}}, MainCID{"Zen", true, {}}}};
  EXPECT_EQ(platform::encodeJson(built),
            R"({"cids":[{"cidName":"Acme","isSelected":false,"brandList":[]},{"cidName":"Zen","isSelected":true,"brandList":[]}]})");
}

// The host hands these over as JSON and the driver prints them back.
TEST(SharedRecords, JsonUnderTheFieldNames) {
  EXPECT_EQ(platform::encodeJson(TerminalEntry{"T1", "Active", "Deactivate"}),
            R"({"tid":"T1","roleStatus":"Active","tidStatus":"Deactivate"})");
  EXPECT_EQ(platform::encodeJson(SelectedTerminal{{"T1", true}, "12 FC Road", {"M1", true, {}}}),
            R"({"tid":{"tidNumber":"T1","isSelected":true},"address":"12 FC Road",)"
            R"("mid":{"midName":"M1","isSelected":true,"tids":[]}})");
  AuthMPosData data;
  data.responseMessagae = "Success";
  data.smsPayPaymentEnabled = true;
  const auto back = platform::decodeJson<AuthMPosData>(platform::encodeJson(data));
  EXPECT_EQ(back, data);
}

}  // namespace
}  // namespace kassio
