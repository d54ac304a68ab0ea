#include "kassio/payment/PaymentEntryRules.h"
#include "kassio/payment/PaymentModeValidator.h"
#include "kassio/payment/StringChecks.h"
#include "sim/FunctionTable.h"
#include "sim/Registrations.h"

namespace kassio::sim {

namespace {

using Json = FunctionTable::Json;

Json message(const std::optional<std::string>& text) { return {{"message", text ? Json(*text) : Json(nullptr)}}; }

FunctionTable::Handler stringCheck(bool (*check)(std::string_view)) {
  return [check](ArgumentReader& args) -> Json {
    auto value = args.text("value");
    return args.ok() ? Json(check(value)) : Json(nullptr);
  };
}

}  // namespace

void registerValidatorFunctions(FunctionTable& table) {
  table.add("validateLinkEntry", [](ArgumentReader& args) {
    return message(PaymentModeValidator{}
                       .validateLinkEntry(args.text("amount"), args.text("description"), args.text("mobile"))
                       .message);
  });
  table.add("validateCashEntry", [](ArgumentReader& args) {
    return message(PaymentModeValidator{}
                       .validateCashEntry(args.text("amount"), args.text("description"), args.text("mobile"))
                       .message);
  });
  table.add("validateQrEntry", [](ArgumentReader& args) {
    return message(PaymentModeValidator{}.validateQrEntry(args.text("amount"), args.text("mobile")).message);
  });
  table.add("validatePayLaterEntry", [](ArgumentReader& args) {
    return message(
        PaymentModeValidator{}
            .validatePayLaterEntry(args.text("mobile"), args.text("amount"), args.text("name"), args.text("address"))
            .message);
  });
  table.add("cashPaisaRule",
            [](ArgumentReader& args) { return message(PaymentEntryRules::cashPaisaRule(args.optionalText("value"))); });
  table.add("isntEmpty", stringCheck(&isntEmpty));
  table.add("isValidEmail", stringCheck(&isValidEmail));
  table.add("isValidPhone", stringCheck(&isValidPhone));
  table.add("isPhoneNumber", stringCheck(&isPhoneNumber));
}

}  // namespace kassio::sim
