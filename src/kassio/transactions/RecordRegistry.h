#pragma once

#include <optional>
#include <string_view>
#include <vector>

#include "kassio/platform/json/JsonValue.h"

namespace kassio {

// The backend records by type name, for scripts that decode a body as a named record: the
// transaction answers, the offer records and the sales and mini-statement records, nested
// records included.
bool isDecodableRecord(std::string_view recordName);
std::vector<std::string_view> decodableRecordNames();

// The JSON text decoded as the named record and encoded back (present fields only); none when
// it does not decode, or the name is not a record's.
std::optional<platform::JsonValue> decodeRecordByName(std::string_view recordName, std::string_view jsonText);

}  // namespace kassio
