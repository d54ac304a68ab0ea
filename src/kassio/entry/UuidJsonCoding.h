#pragma once

#include <string_view>

#include <simdjson.h>

#include "kassio/platform/json/JsonCoding.h"
#include "kassio/platform/text/Uuid.h"

namespace kassio::platform {

// A UUID travels as its canonical text (read in any letter case, written in capitals); any
// other text fails the record that holds it.
template <>
struct JsonCoding<Uuid> {
  static bool decode(simdjson::ondemand::value element, Uuid& out) {
    std::string_view text;
    if (element.get(text) != simdjson::SUCCESS) return false;
    const auto uuid = Uuid::parse(text);
    if (!uuid) return false;
    out = *uuid;
    return true;
  }
  static JsonValue encode(const Uuid& value) { return value.uuidString(); }
};

}  // namespace kassio::platform
