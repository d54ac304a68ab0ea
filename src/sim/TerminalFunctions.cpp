#include "kassio/entry/KassioManager.h"
#include "kassio/entry/PaymentModeType.h"
#include "sim/FunctionTable.h"
#include "sim/Registrations.h"

namespace kassio::sim {

// The terminal rules on the module's terminal list.
void registerTerminalFunctions(FunctionTable& table) {
  using Json = FunctionTable::Json;
  table.add("terminalsEnabled", [](ArgumentReader& args) -> Json {
    std::optional<PaymentModeType> mode;
    if (args.has("for")) {
      mode = paymentModeTypeNamed(args.text("for"));
      if (!mode) args.fail("argument for must be a payment mode case name");
    }
    return args.ok() ? Json(KassioManager::terminalsEnabled(mode)) : Json(nullptr);
  });
  table.add("terminalsWithStaticQR", [](ArgumentReader&) -> Json { return KassioManager::terminalsWithStaticQR(); });
  table.add("dba", [](ArgumentReader& args) -> Json {
    auto tid = args.text("forTID");
    return args.ok() ? Json(KassioManager::dba(tid)) : Json(nullptr);
  });
}

}  // namespace kassio::sim
