#include "kassio/platform/json/JsonCoding.h"

#include <algorithm>
#include <unordered_set>

namespace kassio::platform {

namespace {

// Above this many members a hash set finds repeated keys; below it a scan is cheaper.
constexpr std::size_t kLinearKeySearchLimit = 16;

void appendMembers(simdjson::dom::object object, JsonValue::object_t& members) {
  members.reserve(object.size());
  const bool large = object.size() > kLinearKeySearchLimit;
  std::unordered_set<std::string_view> keys;  // views into the parser's strings
  for (const auto [key, value] : object) {
    const bool repeated =
        large ? !keys.insert(key).second
              : std::any_of(members.begin(), members.end(), [key](const auto& member) { return member.first == key; });
    if (!repeated) members.emplace_back(std::string(key), jsonValueFromDom(value));
  }
}

}  // namespace

JsonValue jsonValueFromDom(simdjson::dom::element element) {
  using Type = simdjson::dom::element_type;
  switch (element.type()) {
    case Type::OBJECT: {
      JsonValue object = JsonValue::object();
      appendMembers(element.get_object().value_unsafe(), object.get_ref<JsonValue::object_t&>());
      return object;
    }
    case Type::ARRAY: {
      JsonValue array = JsonValue::array();
      const simdjson::dom::array items = element.get_array().value_unsafe();
      auto& values = array.get_ref<JsonValue::array_t&>();
      values.reserve(items.size());
      for (simdjson::dom::element item : items) values.push_back(jsonValueFromDom(item));
      return array;
    }
    case Type::INT64: return element.get_int64().value_unsafe();
    case Type::UINT64: return element.get_uint64().value_unsafe();
    case Type::DOUBLE: return element.get_double().value_unsafe();
    case Type::STRING: return std::string(element.get_string().value_unsafe());
    case Type::BOOL: return element.get_bool().value_unsafe();
    case Type::NULL_VALUE: break;
  }
  return nullptr;
}

}  // namespace kassio::platform
