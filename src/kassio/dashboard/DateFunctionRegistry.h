#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "kassio/platform/json/JsonValue.h"

namespace kassio {

// The date functions by name, for scripts: stringWithFormat {value, format}, startOfQuarter
// {value}, convertDateFormat {value}, toDateString {value, format}, reformatDate {value, from,
// to}. Dates, in the arguments and in results, are "yyyy-MM-dd HH:mm:ss" in the device's time
// zone; texts are JSON strings; convertDateFormat's missing result is null.
bool isDateFunction(std::string_view name);
// None, with `error` set, for an unknown name or a missing or mistyped argument.
std::optional<platform::JsonValue> callDateFunction(std::string_view name, const platform::JsonValue& args,
                                                    std::string& error);

}  // namespace kassio
