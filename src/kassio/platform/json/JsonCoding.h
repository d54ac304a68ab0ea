#pragma once

#include "kassio/platform/json/JsonField.h"
#include "kassio/platform/json/JsonValue.h"

#include <simdjson.h>

#include <array>
#include <cmath>
#include <concepts>
#include <cstddef>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <tuple>
#include <type_traits>
#include <utility>
#include <vector>

namespace kassio::platform {

// How a C++ type is read from a simdjson On-Demand value and written as a JsonValue. decode()
// fills a value-initialised `out` and returns false when the JSON has the wrong shape or is not
// valid JSON; nothing throws. decode() consumes the value it is given (a value left unread would
// be skipped by simdjson without being checked). Supported: std::string, bool, integers, double,
// records, enums with raw values, JsonValue, std::optional, std::vector and
// std::map<std::string, X> of these. A new kind is one more specialisation.
template <class T>
struct JsonCoding;

// A record: a type with a `jsonFields` table (JsonField.h).
template <class T>
concept JsonRecord = requires { typename std::tuple_size<std::remove_cvref_t<decltype(T::jsonFields)>>::type; };

// An enum class with raw values, declared beside the enum and found by argument-dependent lookup:
//   std::string rawValue(E);                                  // or an integer type
//   std::optional<E> fromRaw(std::string_view raw, E*);       // or the same integer type
// In JSON the enum is its raw value; a raw value fromRaw does not know fails the record.
template <class E>
concept RawValueEnum = std::is_enum_v<E> && requires(E value) {
  { fromRaw(rawValue(value), static_cast<E*>(nullptr)) } -> std::same_as<std::optional<E>>;
};

// Reads the untyped value, keys in document order (first of repeated keys kept). Integers outside
// 64 bits become the nearest double; a number beyond the double range fails.
bool readJsonValue(simdjson::ondemand::value value, JsonValue& out);

// Consumes a value nobody reads, checking only that it is valid JSON: any number of valid form
// passes, however large, since it is never converted.
bool skipJsonValue(simdjson::ondemand::value value);

namespace detail {

template <class T>
inline constexpr bool isOptional = false;
template <class T>
inline constexpr bool isOptional<std::optional<T>> = true;

template <class I, class V>
bool storeInRange(V value, I& out) {
  if (!std::in_range<I>(value)) return false;
  out = static_cast<I>(value);
  return true;
}

}  // namespace detail

template <>
struct JsonCoding<std::string> {
  static bool decode(simdjson::ondemand::value value, std::string& out) {
    std::string_view text;
    if (value.get_string().get(text) != simdjson::SUCCESS) return false;
    out.assign(text);
    return true;
  }
  static JsonValue encode(const std::string& value) { return value; }
};

template <>
struct JsonCoding<bool> {
  static bool decode(simdjson::ondemand::value value, bool& out) {
    return value.get_bool().get(out) == simdjson::SUCCESS;
  }
  static JsonValue encode(bool value) { return value; }
};

// Integers take integral JSON numbers only. A number written with a fraction or exponent
// (200.0, 2e2) counts when its value is integral; values outside the type's range fail, and so
// do integers beyond 64 bits, which simdjson does not read as integers.
template <class I>
  requires(std::integral<I> && !std::same_as<I, bool>)
struct JsonCoding<I> {
  static bool decode(simdjson::ondemand::value value, I& out) {
    simdjson::ondemand::number number;
    if (value.get_number().get(number) != simdjson::SUCCESS) return false;
    using Kind = simdjson::ondemand::number_type;
    switch (number.get_number_type()) {
      case Kind::signed_integer: return detail::storeInRange(number.get_int64(), out);
      case Kind::unsigned_integer: return detail::storeInRange(number.get_uint64(), out);
      case Kind::floating_point_number: return fromDouble(number.get_double(), out);
    }
    return false;
  }
  static JsonValue encode(I value) { return value; }

 private:
  static bool fromDouble(double value, I& out) {
    if (value != std::trunc(value)) return false;
    if (value >= -0x1p63 && value < 0x1p63)
      return detail::storeInRange(static_cast<std::int64_t>(value), out);
    if (value >= 0 && value < 0x1p64)
      return detail::storeInRange(static_cast<std::uint64_t>(value), out);
    return false;
  }
};

// Any JSON number within the double range, as the nearest double (integers of any length too).
template <>
struct JsonCoding<double> {
  static bool decode(simdjson::ondemand::value value, double& out) {
    return value.get_double().get(out) == simdjson::SUCCESS;
  }
  static JsonValue encode(double value) { return value; }
};

template <>
struct JsonCoding<JsonValue> {
  static bool decode(simdjson::ondemand::value value, JsonValue& out) { return readJsonValue(value, out); }
  static JsonValue encode(const JsonValue& value) { return value; }
};

template <RawValueEnum E>
struct JsonCoding<E> {
  // Text raw values are read as std::string whatever text type rawValue() returns.
  using RawType = std::remove_cvref_t<decltype(rawValue(E{}))>;
  using Raw = std::conditional_t<std::is_convertible_v<RawType, std::string_view>, std::string, RawType>;

  static bool decode(simdjson::ondemand::value value, E& out) {
    Raw raw{};
    if (!JsonCoding<Raw>::decode(value, raw)) return false;
    const std::optional<E> known = fromRaw(raw, static_cast<E*>(nullptr));
    if (!known) return false;
    out = *known;
    return true;
  }
  static JsonValue encode(E value) { return JsonCoding<Raw>::encode(Raw(rawValue(value))); }
};

// Inside arrays and maps a null is an empty optional; as a record field, absent optionals are
// left out (see the record coding).
template <class X>
struct JsonCoding<std::optional<X>> {
  static bool decode(simdjson::ondemand::value value, std::optional<X>& out) {
    bool null = false;
    if (value.is_null().get(null) != simdjson::SUCCESS) return false;
    if (null) {
      out.reset();
      return true;
    }
    return JsonCoding<X>::decode(value, out.emplace());
  }
  static JsonValue encode(const std::optional<X>& value) {
    return value ? JsonCoding<X>::encode(*value) : JsonValue();
  }
};

template <class X, class Allocator>
struct JsonCoding<std::vector<X, Allocator>> {
  static bool decode(simdjson::ondemand::value value, std::vector<X, Allocator>& out) {
    simdjson::ondemand::array array;
    if (value.get_array().get(array) != simdjson::SUCCESS) return false;
    out.clear();
    for (auto element : array) {
      simdjson::ondemand::value item;
      if (element.get(item) != simdjson::SUCCESS) return false;
      if constexpr (std::is_same_v<X, bool>) {  // vector<bool> hands out proxies, not bool&
        bool flag = false;
        if (!JsonCoding<bool>::decode(item, flag)) return false;
        out.push_back(flag);
      } else if (!JsonCoding<X>::decode(item, out.emplace_back())) {
        return false;
      }
    }
    return true;
  }
  static JsonValue encode(const std::vector<X, Allocator>& values) {
    JsonValue array = JsonValue::array();
    auto& items = array.get_ref<JsonValue::array_t&>();
    items.reserve(values.size());
    for (const auto& value : values) items.push_back(JsonCoding<X>::encode(value));
    return array;
  }
};

// A JSON object with arbitrary keys. A repeated key keeps its first value, as in parseJson().
template <class X, class Compare, class Allocator>
struct JsonCoding<std::map<std::string, X, Compare, Allocator>> {
  static bool decode(simdjson::ondemand::value value, std::map<std::string, X, Compare, Allocator>& out) {
    simdjson::ondemand::object object;
    if (value.get_object().get(object) != simdjson::SUCCESS) return false;
    out.clear();
    for (auto member : object) {
      simdjson::ondemand::field field;
      std::string_view key;
      if (std::move(member).get(field) != simdjson::SUCCESS || field.unescaped_key().get(key) != simdjson::SUCCESS) return false;
      const auto [slot, added] = out.try_emplace(std::string(key));
      if (!(added ? JsonCoding<X>::decode(field.value(), slot->second) : skipJsonValue(field.value()))) return false;
    }
    return true;
  }
  static JsonValue encode(const std::map<std::string, X, Compare, Allocator>& values) {
    JsonValue object = JsonValue::object();
    auto& members = object.get_ref<JsonValue::object_t&>();
    members.reserve(values.size());
    // Map keys are unique, so members are appended without ordered_map's linear key search.
    for (const auto& [key, value] : values) members.emplace_back(key, JsonCoding<X>::encode(value));
    return object;
  }
};

// A record reads its members straight from the JSON text through its field table: one pass over
// the object's members, each matched to a table row (keys usually come in table order, so the
// next row is tried first). Unknown keys are skipped whatever they hold (a number too large for
// any C++ type included); a missing or null key leaves an optional member empty and fails a
// required one; any member of the wrong shape fails the record.
template <JsonRecord T>
struct JsonCoding<T> {
  static bool decode(simdjson::ondemand::value value, T& out) {
    simdjson::ondemand::object object;
    if (value.get_object().get(object) != simdjson::SUCCESS) return false;
    std::array<bool, count> seen{};
    std::size_t next = 0;
    for (auto member : object) {
      simdjson::ondemand::field field;
      std::string_view key;
      if (std::move(member).get(field) != simdjson::SUCCESS || field.unescaped_key().get(key) != simdjson::SUCCESS) return false;
      const std::size_t row = rowOf(key, next);
      if (row == count || seen[row]) {  // unknown, or repeated: the first one counts
        if (!skipJsonValue(field.value())) return false;
        continue;
      }
      if (!decoders[row](field.value(), out)) return false;
      seen[row] = true;
      next = row + 1;
    }
    for (std::size_t row = 0; row < count; ++row) {
      if (required[row] && !seen[row]) return false;
    }
    return true;
  }

  static JsonValue encode(const T& record) {
    JsonValue object = JsonValue::object();
    auto& members = object.get_ref<JsonValue::object_t&>();
    members.reserve(count);
    std::apply([&](const auto&... field) { (encodeField(members, field.key, record.*field.member), ...); },
               T::jsonFields);
    return object;
  }

 private:
  using Fields = std::remove_cvref_t<decltype(T::jsonFields)>;
  static constexpr std::size_t count = std::tuple_size_v<Fields>;
  template <std::size_t Row>
  using Member = typename std::tuple_element_t<Row, Fields>::Value;
  using Decoder = bool (*)(simdjson::ondemand::value, T&);

  template <std::size_t Row>
  static bool decodeField(simdjson::ondemand::value value, T& record) {
    auto& member = record.*(std::get<Row>(T::jsonFields).member);
    bool null = false;
    if (value.is_null().get(null) != simdjson::SUCCESS) return false;
    if (null) {
      if constexpr (detail::isOptional<Member<Row>>) {
        member.reset();
        return true;
      } else {
        return false;
      }
    }
    return JsonCoding<Member<Row>>::decode(value, member);
  }

  template <class M>
  static void encodeField(JsonValue::object_t& members, std::string_view key, const M& value) {
    if constexpr (detail::isOptional<M>) {
      if (!value) return;
    }
    // Table keys are unique (checked below), so no key search is needed.
    members.emplace_back(std::string(key), JsonCoding<M>::encode(value));
  }

  static constexpr auto keys = []<std::size_t... Row>(std::index_sequence<Row...>) {
    return std::array<std::string_view, count>{std::get<Row>(T::jsonFields).key...};
  }(std::make_index_sequence<count>{});

  static constexpr auto required = []<std::size_t... Row>(std::index_sequence<Row...>) {
    return std::array<bool, count>{!detail::isOptional<Member<Row>>...};
  }(std::make_index_sequence<count>{});

  static constexpr auto decoders = []<std::size_t... Row>(std::index_sequence<Row...>) {
    return std::array<Decoder, count>{&decodeField<Row>...};
  }(std::make_index_sequence<count>{});

  static constexpr bool keysAreUnique() {
    for (std::size_t i = 0; i < count; ++i) {
      for (std::size_t j = i + 1; j < count; ++j) {
        if (keys[i] == keys[j]) return false;
      }
    }
    return true;
  }
  static_assert(keysAreUnique(), "a record's field table lists the same JSON key twice");

  static std::size_t rowOf(std::string_view key, std::size_t hint) {
    if (hint < count && keys[hint] == key) return hint;
    for (std::size_t row = 0; row < count; ++row) {
      if (keys[row] == key) return row;
    }
    return count;
  }
};

}  // namespace kassio::platform
