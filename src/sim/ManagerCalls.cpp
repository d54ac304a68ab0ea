#include "sim/ManagerCalls.h"

#include "kassio/entry/KassioManager.h"
#include "kassio/platform/json/Json.h"
#include "sim/FunctionTable.h"

namespace kassio::sim {

namespace {

using Json = FunctionTable::Json;

std::optional<platform::Uuid> uuidArgument(ArgumentReader& args, const char* label) {
  auto text = args.text(label);
  auto uuid = platform::Uuid::parse(text);
  if (!uuid) args.mismatch(label, "a UUID");
  return uuid;
}

const FunctionTable& operations() {
  static const FunctionTable table = [] {
    FunctionTable rows("KassioManager has no operation ");
    rows.add("set", [](ArgumentReader& args) -> Json {
      if (!args.has("dbaName")) {
        args.fail("manager set takes dbaName (the theme and the services come with start)");
        return nullptr;
      }
      auto name = args.text("dbaName");
      if (args.ok()) KassioManager::set(name);
      return nullptr;
    });
    rows.add("setSelectedUUID", [](ArgumentReader& args) -> Json {
      if (auto uuid = uuidArgument(args, "value")) KassioManager::setSelectedUUID(*uuid);
      return nullptr;
    });
    rows.add("getSelectedUUID", [](ArgumentReader&) -> Json { return KassioManager::getSelectedUUID().uuidString(); });
    rows.add("setSelectedTID", [](ArgumentReader& args) -> Json {
      if (auto tid = args.record<SelectedTid>("selectedTid")) KassioManager::setSelectedTID(*tid);
      return nullptr;
    });
    rows.add("selectOutlet", [](ArgumentReader& args) -> Json {
      auto uuid = uuidArgument(args, "by");
      if (!uuid) return nullptr;
      auto tree = KassioManager::selectOutlet(*uuid);
      return tree ? platform::encodeJsonValue(*tree) : Json(nullptr);
    });
    rows.add("getSelctionHirekey", [](ArgumentReader& args) -> Json {
      auto tid = args.text("tidName");
      auto mode = args.integer("paymentMode");
      return args.ok() ? Json(KassioManager::getSelctionHirekey(tid, mode)) : Json(nullptr);
    });
    rows.add("getSelctionOutletHirekey", [](ArgumentReader& args) -> Json {
      auto mode = args.integer("value");
      return args.ok() ? Json(KassioManager::getSelctionOutletHirekey(mode)) : Json(nullptr);
    });
    rows.add("checkHeighestRole", [](ArgumentReader&) -> Json {
      KassioManager::checkHeighestRole();
      return nullptr;
    });
    rows.add("storedUserRole", [](ArgumentReader&) -> Json { return KassioManager::storedUserRole(); });
    rows.add("decodeTerminalList", [](ArgumentReader& args) -> Json {
      auto text = args.optionalText("value");
      if (args.ok()) KassioManager::decodeTerminalList(text);
      return nullptr;
    });
    return rows;
  }();
  return table;
}

}  // namespace

std::optional<Json> ManagerCalls::call(const std::string& method, const Json& args, std::string& error) {
  return operations().call(method, args, error);
}

}  // namespace kassio::sim
