#include "sim/FunctionCalls.h"

#include <functional>
#include <map>

#include "kassio/banners/BannerFunctions.h"
#include "kassio/dashboard/DateFunctionRegistry.h"
#include "kassio/entry/AuthMPosData.h"
#include "kassio/entry/MainFilterData.h"
#include "kassio/entry/PaymentModeType.h"
#include "kassio/entry/SelectedTerminal.h"
#include "kassio/entry/SelectedTid.h"
#include "kassio/entry/TerminalEntry.h"
#include "kassio/payment/PaymentEntryRules.h"
#include "kassio/payment/PaymentModeValidator.h"
#include "kassio/payment/StringChecks.h"
#include "kassio/platform/json/Json.h"
#include "kassio/terminals/GetUserTerminalListResponse.h"
#include "kassio/terminals/TerminalListRules.h"
#include "kassio/transactions/RecordRegistry.h"
#include "sim/ArgumentReader.h"

namespace kassio::sim {

namespace {

using Json = nlohmann::ordered_json;
using Function = std::function<Json(ArgumentReader&)>;

Json message(const std::optional<std::string>& text) { return {{"message", text ? Json(*text) : Json(nullptr)}}; }

Function stringCheck(bool (*check)(std::string_view)) {
  return [check](ArgumentReader& args) -> Json {
    auto value = args.text("value");
    return args.ok() ? Json(check(value)) : Json(nullptr);
  };
}

const std::map<std::string, Function>& functions() {
  static const std::map<std::string, Function> table{
      {"validateLinkEntry",
       [](ArgumentReader& args) {
         return message(PaymentModeValidator{}
                            .validateLinkEntry(args.text("amount"), args.text("description"), args.text("mobile"))
                            .message);
       }},
      {"validateCashEntry",
       [](ArgumentReader& args) {
         return message(PaymentModeValidator{}
                            .validateCashEntry(args.text("amount"), args.text("description"), args.text("mobile"))
                            .message);
       }},
      {"validateQrEntry",
       [](ArgumentReader& args) {
         return message(PaymentModeValidator{}.validateQrEntry(args.text("amount"), args.text("mobile")).message);
       }},
      {"validatePayLaterEntry",
       [](ArgumentReader& args) {
         return message(PaymentModeValidator{}
                            .validatePayLaterEntry(args.text("mobile"), args.text("amount"), args.text("name"),
                                                   args.text("address"))
                            .message);
       }},
      {"cashPaisaRule", [](ArgumentReader& args) { return message(PaymentEntryRules::cashPaisaRule(args.optionalText("value"))); }},
      {"isntEmpty", stringCheck(&isntEmpty)},
      {"isValidEmail", stringCheck(&isValidEmail)},
      {"isValidPhone", stringCheck(&isValidPhone)},
      {"isPhoneNumber", stringCheck(&isPhoneNumber)},
      {"terminalsEnabled",
       [](ArgumentReader& args) -> Json {
         std::optional<PaymentModeType> mode;
         if (args.has("for")) {
           mode = paymentModeTypeNamed(args.text("for"));
           if (!mode) args.fail("argument for must be a payment mode case name");
         }
         return args.ok() ? Json(terminalsEnabled(mode)) : Json(nullptr);
       }},
      {"terminalsWithStaticQR", [](ArgumentReader&) -> Json { return terminalsWithStaticQR(); }},
      {"dba",
       [](ArgumentReader& args) -> Json {
         auto tid = args.text("forTID");
         return args.ok() ? Json(dba(tid)) : Json(nullptr);
       }},
  };
  return table;
}

template <class T>
Json decodeAs(const std::string& text) {
  auto record = platform::decodeJson<T>(text);
  return record ? platform::encodeJsonValue(*record) : Json(nullptr);
}

const std::map<std::string, Json (*)(const std::string&)>& decoders() {
  static const std::map<std::string, Json (*)(const std::string&)> table{
      {"GetUserTerminalListResponse", &decodeAs<GetUserTerminalListResponse>},
      {"TerminalInfo", &decodeAs<TerminalInfo>},
      {"MainFilterData", &decodeAs<MainFilterData>},
      {"MainCID", &decodeAs<MainCID>},
      {"MainBrandList", &decodeAs<MainBrandList>},
      {"MainCity", &decodeAs<MainCity>},
      {"MainOutlates", &decodeAs<MainOutlates>},
      {"MainMID", &decodeAs<MainMID>},
      {"MainTID", &decodeAs<MainTID>},
      {"SelectedTid", &decodeAs<SelectedTid>},
      {"SelectedTerminal", &decodeAs<SelectedTerminal>},
      {"TerminalEntry", &decodeAs<TerminalEntry>},
      {"AuthMPosData", &decodeAs<AuthMPosData>},
  };
  return table;
}

}  // namespace

std::optional<Json> FunctionCalls::decode(const std::string& record, const std::string& jsonText, std::string& error) {
  if (auto found = decoders().find(record); found != decoders().end()) return found->second(jsonText);
  if (isDecodableRecord(record)) {
    auto decoded = decodeRecordByName(record, jsonText);
    return decoded ? *decoded : Json(nullptr);
  }
  if (isBannerRecordName(record)) {
    auto decoded = decodeBannerRecordByName(record, jsonText);
    return decoded ? *decoded : Json(nullptr);
  }
  error = "no record named " + record;
  return std::nullopt;
}

std::optional<Json> FunctionCalls::call(const std::string& name, const Json& args, std::string& error) {
  if (name == "decode") {
    ArgumentReader reader(args);
    auto record = reader.text("record");
    const Json& json = reader.raw("json");
    if (!reader.ok() || record.empty()) {
      error = "decode takes record (a record name) and json";
      return std::nullopt;
    }
    return decode(record, json.is_string() ? json.get<std::string>() : platform::writeJson(json), error);
  }
  if (isBannerFunctionName(name)) return callBannerFunction(name, args, error);
  if (isDateFunction(name)) return callDateFunction(name, args, error);
  auto found = functions().find(name);
  if (found == functions().end()) {
    error = "no exported function " + name;
    return std::nullopt;
  }
  return ArgumentReader::invoke(name, found->second, args, error);
}

}  // namespace kassio::sim
