#pragma once

#include <string>
#include <tuple>

#include "kassio/platform/json/JsonCoding.h"

namespace kassio::platform {

// A screen's plain state for a dump, from field tables written like a record's (`jsonField`
// rows): the screen's `Inputs` table first (read from its `inputs` member), then its own
// `stateFields` table. Absent optionals dump as null, records as their JSON.
template <class Table, class Owner>
void appendDumpFields(JsonValue& out, const Table& table, const Owner& owner) {
  std::apply(
      [&](const auto&... field) {
        ((out[std::string(field.key)] = JsonCoding<typename std::remove_cvref_t<decltype(field)>::Value>::encode(
              owner.*field.member)),
         ...);
      },
      table);
}

template <class S>
JsonValue screenDumpFields(const S& screen) {
  JsonValue out = JsonValue::object();
  if constexpr (requires { S::Inputs::jsonFields; screen.inputs; })
    appendDumpFields(out, S::Inputs::jsonFields, screen.inputs);
  if constexpr (requires { S::stateFields; }) appendDumpFields(out, S::stateFields, screen);
  return out;
}

}  // namespace kassio::platform
