#include "sim/FunctionCalls.h"

#include "kassio/platform/json/Json.h"
#include "sim/FunctionTable.h"
#include "sim/RecordTable.h"
#include "sim/Registrations.h"

namespace kassio::sim {

namespace {

// {"record": a record name, "json": a JSON value or a text to parse as it stands}
FunctionCalls::Json decodeFunction(ArgumentReader& args) {
  const auto& record = args.raw("record");
  const auto& json = args.raw("json");
  if (!record.is_string() || record.get_ref<const std::string&>().empty()) {
    args.fail("decode takes record (a record name) and json");
    return nullptr;
  }
  std::string error;
  auto decoded = FunctionCalls::decode(record.get<std::string>(),
                                       json.is_string() ? json.get<std::string>() : platform::writeJson(json), error);
  if (!decoded) args.fail(error);
  return decoded.value_or(nullptr);
}

// Every function `call` knows, registered by subsystem.
const FunctionTable& functions() {
  static const FunctionTable table = [] {
    FunctionTable rows("no exported function ");
    rows.add("decode", &decodeFunction, {"argument ", " must be ", false});  // whole-sentence errors
    registerValidatorFunctions(rows);
    registerTerminalFunctions(rows);
    registerBannerFunctions(rows);
    registerDateFunctions(rows);
    return rows;
  }();
  return table;
}

}  // namespace

std::optional<FunctionCalls::Json> FunctionCalls::decode(const std::string& record, const std::string& jsonText,
                                                         std::string& error) {
  const auto& records = RecordTable::module();
  if (!records.contains(record)) {
    error = "no record named " + record;
    return std::nullopt;
  }
  return records.decode(record, jsonText).value_or(nullptr);
}

std::optional<FunctionCalls::Json> FunctionCalls::call(const std::string& name, const Json& args, std::string& error) {
  return functions().call(name, args, error);
}

}  // namespace kassio::sim
