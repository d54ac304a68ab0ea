#include "kassio/dashboard/DateFunctions.h"

#include "sim/FunctionTable.h"
#include "sim/Registrations.h"

namespace kassio::sim {

// The date functions. Dates, in the arguments and in results, are written "yyyy-MM-dd HH:mm:ss"
// in the device's time zone; convertDateFormat's missing result is null.
void registerDateFunctions(FunctionTable& table) {
  using Json = FunctionTable::Json;
  constexpr ArgumentReader::Wording wording{"args.", " must be "};
  table.add(
      "stringWithFormat",
      [](ArgumentReader& args) -> Json {
        const auto value = args.date("value");
        const auto format = args.requiredText("format");
        if (!value || !format) return nullptr;
        return stringWithFormat(*value, *format);
      },
      wording);
  table.add(
      "startOfQuarter",
      [](ArgumentReader& args) -> Json {
        const auto value = args.date("value");
        if (!value) return nullptr;
        return ArgumentReader::scriptDate(startOfQuarter(*value));
      },
      wording);
  table.add(
      "convertDateFormat",
      [](ArgumentReader& args) -> Json {
        const auto value = args.requiredText("value");
        if (!value) return nullptr;
        const auto result = convertDateFormat(*value);
        return result ? Json(*result) : Json(nullptr);
      },
      wording);
  table.add(
      "toDateString",
      [](ArgumentReader& args) -> Json {
        const auto value = args.requiredText("value");
        const auto format = args.requiredText("format");
        if (!value || !format) return nullptr;
        return toDateString(*value, *format);
      },
      wording);
  table.add(
      "reformatDate",
      [](ArgumentReader& args) -> Json {
        const auto value = args.requiredText("value");
        const auto from = args.requiredText("from");
        const auto to = args.requiredText("to");
        if (!value || !from || !to) return nullptr;
        return reformatDate(*value, *from, *to);
      },
      wording);
}

}  // namespace kassio::sim
