#pragma once

#include <map>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "kassio/platform/json/Json.h"

namespace kassio::sim {

// The records a script may decode by type name (`fn decode`): each decodes JSON text as its
// record and encodes it back, present fields only.
class RecordTable {
 public:
  using Json = nlohmann::ordered_json;

  template <class Record>
  void add(std::string name) {
    add(std::move(name), &roundTrip<Record>);
  }

  bool contains(std::string_view name) const { return rows_.find(name) != rows_.end(); }
  std::vector<std::string> names() const;
  // The record encoded back; none when the text does not decode as it or no record has the name.
  std::optional<Json> decode(std::string_view name, std::string_view jsonText) const;

  // Every decodable record of the module, registered by subsystem.
  static const RecordTable& module();

 private:
  using Decoder = std::optional<Json> (*)(std::string_view);

  template <class Record>
  static std::optional<Json> roundTrip(std::string_view jsonText) {
    const auto record = platform::decodeJson<Record>(jsonText);
    if (!record) return std::nullopt;
    return platform::encodeJsonValue(*record);
  }

  void add(std::string name, Decoder decoder);

  std::map<std::string, Decoder, std::less<>> rows_;
};

}  // namespace kassio::sim
