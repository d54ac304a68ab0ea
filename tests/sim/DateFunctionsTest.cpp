#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "host/VirtualHost.h"
#include "kassio/platform/json/Json.h"
#include "sim/FunctionCalls.h"

namespace kassio::sim {
namespace {

using Json = FunctionCalls::Json;

// The device in Kolkata, its clock at 2026-12-11 10:30:00 there, the module in English.
class DateFunctionCalls : public ::testing::Test {
 protected:
  std::optional<Json> call(const char* name, const char* args) {
    error.clear();
    return FunctionCalls::call(name, *platform::parseJson(args), error);
  }

  std::string error;
  host::VirtualHost device{{.now = platform::Date{1796965200}, .timeZone = "Asia/Kolkata", .language = "en"}};
};

TEST_F(DateFunctionCalls, DatesAreWrittenInTheDeviceZone) {
  EXPECT_EQ(call("startOfQuarter", R"({"value":"2024-05-17 13:45:10"})"), "2024-01-01 00:00:00");
  EXPECT_EQ(call("stringWithFormat", R"({"value":"2024-03-05 14:07:00","format":"dd MMM"})"), "05 Mar");
  EXPECT_EQ(call("convertDateFormat", R"({"value":"2024-03-05 14:07:00"})"), "05 Mar 2024");
  EXPECT_EQ(call("convertDateFormat", R"({"value":"05-03-2024"})"), Json(nullptr));
  EXPECT_EQ(call("toDateString", R"({"value":"03-05-2024 14:07:00","format":"yyyy-MM-dd"})"), "2024-03-05");
  EXPECT_EQ(call("reformatDate", R"({"value":"11-12-2026 14:05:09","from":"dd-MM-yyyy HH:mm:ss","to":"hh:mm a"})"),
            "02:05 PM");
  EXPECT_TRUE(error.empty());
}

TEST_F(DateFunctionCalls, TheFirstMissingOrMistypedArgumentIsNamed) {
  const struct {
    const char* name;
    const char* args;
    const char* error;
  } cases[] = {
      {"startOfQuarter", R"({"value":"17/05/2024"})",
       R"(startOfQuarter: args.value must be a date written "yyyy-MM-dd HH:mm:ss")"},
      {"reformatDate", R"({"value":"x","from":"dd"})", "reformatDate: args.to must be a text"},
      {"stringWithFormat", R"({"value":"2024-03-05 14:07:00","format":3})",
       "stringWithFormat: args.format must be a text"},
      {"toDateString", R"({"format":"dd"})", "toDateString: args.value must be a text"},
      {"startOfMonth", "{}", "no exported function startOfMonth"},
  };
  for (const auto& c : cases) {
    EXPECT_FALSE(call(c.name, c.args)) << c.name;
    EXPECT_EQ(error, c.error);
  }
}

}  // namespace
}  // namespace kassio::sim
