#include "sim/ManagerCalls.h"

#include <functional>
#include <map>

#include "kassio/entry/KassioManager.h"
#include "kassio/platform/json/Json.h"
#include "sim/ArgumentReader.h"

namespace kassio::sim {

namespace {

using Json = nlohmann::ordered_json;
using Operation = std::function<Json(ArgumentReader&)>;

std::optional<platform::Uuid> uuidArgument(ArgumentReader& args, const char* label) {
  auto text = args.text(label);
  auto uuid = platform::Uuid::parse(text);
  if (!uuid) args.fail(std::string("argument ") + label + " must be a UUID");
  return uuid;
}

const std::map<std::string, Operation>& operations() {
  static const std::map<std::string, Operation> table{
      {"set",
       [](ArgumentReader& args) -> Json {
         if (!args.has("dbaName")) {
           args.fail("manager set takes dbaName (the theme and the services come with start)");
           return nullptr;
         }
         auto name = args.text("dbaName");
         if (args.ok()) KassioManager::set(name);
         return nullptr;
       }},
      {"setSelectedUUID",
       [](ArgumentReader& args) -> Json {
         if (auto uuid = uuidArgument(args, "value")) KassioManager::setSelectedUUID(*uuid);
         return nullptr;
       }},
      {"getSelectedUUID", [](ArgumentReader&) -> Json { return KassioManager::getSelectedUUID().uuidString(); }},
      {"setSelectedTID",
       [](ArgumentReader& args) -> Json {
         if (auto tid = args.record<SelectedTid>("selectedTid")) KassioManager::setSelectedTID(*tid);
         return nullptr;
       }},
      {"selectOutlet",
       [](ArgumentReader& args) -> Json {
         auto uuid = uuidArgument(args, "by");
         if (!uuid) return nullptr;
         auto tree = KassioManager::selectOutlet(*uuid);
         return tree ? platform::encodeJsonValue(*tree) : Json(nullptr);
       }},
      {"getSelctionHirekey",
       [](ArgumentReader& args) -> Json {
         auto tid = args.text("tidName");
         auto mode = args.integer("paymentMode");
         return args.ok() ? Json(KassioManager::getSelctionHirekey(tid, static_cast<int>(mode))) : Json(nullptr);
       }},
      {"getSelctionOutletHirekey",
       [](ArgumentReader& args) -> Json {
         auto mode = args.integer("value");
         return args.ok() ? Json(KassioManager::getSelctionOutletHirekey(static_cast<int>(mode))) : Json(nullptr);
       }},
      {"checkHeighestRole",
       [](ArgumentReader&) -> Json {
         KassioManager::checkHeighestRole();
         return nullptr;
       }},
      {"storedUserRole", [](ArgumentReader&) -> Json { return KassioManager::storedUserRole(); }},
      {"decodeTerminalList",
       [](ArgumentReader& args) -> Json {
         auto text = args.optionalText("value");
         if (args.ok()) KassioManager::decodeTerminalList(text);
         return nullptr;
       }},
  };
  return table;
}

}  // namespace

std::optional<Json> ManagerCalls::call(const std::string& method, const Json& args, std::string& error) {
  auto found = operations().find(method);
  if (found == operations().end()) {
    error = "KassioManager has no operation " + method;
    return std::nullopt;
  }
  return ArgumentReader::invoke(method, found->second, args, error);
}

}  // namespace kassio::sim
