#include "kassio/platform/json/JsonCoding.h"

#include <algorithm>
#include <array>
#include <unordered_set>

namespace kassio::platform {

namespace {

using simdjson::SUCCESS;
namespace ondemand = simdjson::ondemand;

// Above this many members a hash set finds repeated keys; below it a scan is cheaper.
constexpr std::size_t kLinearKeySearchLimit = 16;

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// The JSON number grammar: -?(0|[1-9][0-9]*)(\.[0-9]+)?([eE][+-]?[0-9]+)?, then only blanks (a
// raw token runs up to the next structural character).
bool isJsonNumber(std::string_view token) {
  while (!token.empty() && (token.back() == ' ' || token.back() == '\t' || token.back() == '\n' ||
                            token.back() == '\r')) {
    token.remove_suffix(1);
  }
  std::size_t at = 0;
  const auto digits = [&] {
    const std::size_t start = at;
    while (at < token.size() && isDigit(token[at])) ++at;
    return at > start;
  };
  if (at < token.size() && token[at] == '-') ++at;
  if (at < token.size() && token[at] == '0') {
    ++at;
  } else if (!digits()) {
    return false;
  }
  if (at < token.size() && token[at] == '.') {
    ++at;
    if (!digits()) return false;
  }
  if (at < token.size() && (token[at] == 'e' || token[at] == 'E')) {
    ++at;
    if (at < token.size() && (token[at] == '+' || token[at] == '-')) ++at;
    if (!digits()) return false;
  }
  return at == token.size();
}

bool readNumber(ondemand::value& value, JsonValue& out) {
  ondemand::number_type kind{};
  if (value.get_number_type().get(kind) != SUCCESS) return false;
  // An integer that does not fit its 64-bit kind falls through to the nearest double; a failed
  // read leaves the value unconsumed, so it can be read again.
  if (kind == ondemand::number_type::signed_integer) {
    std::int64_t integer = 0;
    if (value.get_int64().get(integer) == SUCCESS) {
      out = integer;
      return true;
    }
  } else if (kind == ondemand::number_type::unsigned_integer) {
    std::uint64_t integer = 0;
    if (value.get_uint64().get(integer) == SUCCESS) {
      out = integer;
      return true;
    }
  }
  double number = 0;
  if (value.get_double().get(number) != SUCCESS) return false;
  out = number;
  return true;
}

bool readMembers(ondemand::object object, JsonValue::object_t& members) {
  // Keys seen so far, as views into the parser's strings (they last as long as the document):
  // the first few are scanned, beyond them a hash set takes over.
  std::array<std::string_view, kLinearKeySearchLimit> firstKeys;
  std::unordered_set<std::string_view> keys;
  std::size_t count = 0;
  for (auto member : object) {
    ondemand::field field;
    std::string_view key;
    if (std::move(member).get(field) != SUCCESS || field.unescaped_key().get(key) != SUCCESS) return false;
    bool repeated = false;
    if (count < kLinearKeySearchLimit) {
      repeated = std::find(firstKeys.begin(), firstKeys.begin() + count, key) != firstKeys.begin() + count;
      if (!repeated) firstKeys[count] = key;
    } else {
      if (keys.empty()) keys.insert(firstKeys.begin(), firstKeys.end());
      repeated = !keys.insert(key).second;
    }
    if (repeated) {
      if (!skipJsonValue(field.value())) return false;
      continue;
    }
    ++count;
    auto& slot = members.emplace_back(std::string(key), JsonValue()).second;
    if (!readJsonValue(field.value(), slot)) return false;
  }
  return true;
}

}  // namespace

bool readJsonValue(ondemand::value value, JsonValue& out) {
  ondemand::json_type type{};
  if (value.type().get(type) != SUCCESS) return false;
  switch (type) {
    case ondemand::json_type::object: {
      ondemand::object object;
      if (value.get_object().get(object) != SUCCESS) return false;
      out = JsonValue::object();
      return readMembers(object, out.get_ref<JsonValue::object_t&>());
    }
    case ondemand::json_type::array: {
      ondemand::array array;
      if (value.get_array().get(array) != SUCCESS) return false;
      out = JsonValue::array();
      auto& items = out.get_ref<JsonValue::array_t&>();
      for (auto element : array) {
        ondemand::value item;
        if (element.get(item) != SUCCESS || !readJsonValue(item, items.emplace_back())) return false;
      }
      return true;
    }
    case ondemand::json_type::number: return readNumber(value, out);
    case ondemand::json_type::string: {
      std::string_view text;
      if (value.get_string().get(text) != SUCCESS) return false;
      out = std::string(text);
      return true;
    }
    case ondemand::json_type::boolean: {
      bool flag = false;
      if (value.get_bool().get(flag) != SUCCESS) return false;
      out = flag;
      return true;
    }
    case ondemand::json_type::null: {
      bool null = false;
      if (value.is_null().get(null) != SUCCESS || !null) return false;
      out = nullptr;
      return true;
    }
  }
  return false;
}

bool skipJsonValue(ondemand::value value) {
  ondemand::json_type type{};
  if (value.type().get(type) != SUCCESS) return false;
  switch (type) {
    case ondemand::json_type::object: {
      ondemand::object object;
      if (value.get_object().get(object) != SUCCESS) return false;
      for (auto member : object) {
        ondemand::field field;
        std::string_view key;
        if (std::move(member).get(field) != SUCCESS || field.unescaped_key().get(key) != SUCCESS ||
            !skipJsonValue(field.value())) {
          return false;
        }
      }
      return true;
    }
    case ondemand::json_type::array: {
      ondemand::array array;
      if (value.get_array().get(array) != SUCCESS) return false;
      for (auto element : array) {
        ondemand::value item;
        if (element.get(item) != SUCCESS || !skipJsonValue(item)) return false;
      }
      return true;
    }
    case ondemand::json_type::number: {
      // Left unconsumed, the number is stepped over by the enclosing object or array.
      return isJsonNumber(value.raw_json_token());
    }
    case ondemand::json_type::string: {
      std::string_view text;  // unescaping checks the escapes
      return value.get_string().get(text) == SUCCESS;
    }
    case ondemand::json_type::boolean: {
      bool flag = false;
      return value.get_bool().get(flag) == SUCCESS;
    }
    case ondemand::json_type::null: {
      bool null = false;
      return value.is_null().get(null) == SUCCESS && null;
    }
  }
  return false;
}

}  // namespace kassio::platform
