#include "sim/JsonExpectation.h"

#include <charconv>
#include <sstream>

namespace kassio::sim {

using Json = nlohmann::ordered_json;

bool jsonEqual(const Json& a, const Json& b) {
  if (a.is_number() && b.is_number()) {
    if (a.is_number_float() || b.is_number_float()) return a.get<double>() == b.get<double>();
    if (a.is_number_unsigned() && b.is_number_unsigned()) return a.get<std::uint64_t>() == b.get<std::uint64_t>();
    return a.get<std::int64_t>() == b.get<std::int64_t>() &&
           (a.get<std::int64_t>() >= 0) == (b.get<std::int64_t>() >= 0);
  }
  if (a.type() != b.type()) return false;
  if (a.is_array()) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
      if (!jsonEqual(a[i], b[i])) return false;
    return true;
  }
  if (a.is_object()) {
    if (a.size() != b.size()) return false;
    for (const auto& [key, value] : a.items()) {
      auto other = b.find(key);
      if (other == b.end() || !jsonEqual(value, *other)) return false;
    }
    return true;
  }
  return a == b;
}

const Json* JsonExpectation::walk(const Json& data, const std::string& path) {
  const Json* current = &data;
  if (path.empty()) return current;
  std::istringstream parts(path);
  std::string part;
  while (std::getline(parts, part, '.')) {
    if (current->is_object()) {
      auto found = current->find(part);
      if (found == current->end()) return nullptr;
      current = &*found;
    } else if (current->is_array()) {
      std::size_t index = 0;
      auto [end, error] = std::from_chars(part.data(), part.data() + part.size(), index);
      if (error != std::errc{} || end != part.data() + part.size() || index >= current->size()) return nullptr;
      current = &(*current)[index];
    } else {
      return nullptr;
    }
  }
  return current;
}

std::optional<JsonExpectation> JsonExpectation::fromCommand(const Json& command, std::string& error) {
  JsonExpectation expectation;
  if (auto path = command.find("path"); path != command.end()) {
    if (!path->is_string()) {
      error = "expect: path must be a text";
      return std::nullopt;
    }
    expectation.path_ = path->get<std::string>();
  }
  int checks = 0;
  if (command.contains("equals")) {
    expectation.kind_ = Kind::equals, expectation.operand_ = command["equals"], ++checks;
  }
  if (command.contains("contains")) {
    expectation.kind_ = Kind::contains, expectation.operand_ = command["contains"], ++checks;
  }
  if (command.contains("absent")) {
    expectation.kind_ = Kind::absent, expectation.operand_ = command["absent"], ++checks;
    if (!expectation.operand_.is_boolean()) {
      error = "expect: absent must be true or false";
      return std::nullopt;
    }
  }
  if (command.contains("count")) {
    expectation.kind_ = Kind::count, expectation.operand_ = command["count"], ++checks;
    if (!expectation.operand_.is_number_integer()) {
      error = "expect: count must be an integer";
      return std::nullopt;
    }
  }
  if (checks != 1) {
    error = "expect needs exactly one of equals, contains, absent, count";
    return std::nullopt;
  }
  return expectation;
}

std::optional<std::string> JsonExpectation::check(const Json& data, Json& actual) const {
  const Json* found = walk(data, path_);
  actual = found ? *found : Json(nullptr);
  switch (kind_) {
    case Kind::equals:
      if (found && jsonEqual(*found, operand_)) return std::nullopt;
      return "expected " + path_ + " to equal " + operand_.dump();
    case Kind::absent: {
      bool absent = !found || found->is_null();
      if (absent == operand_.get<bool>()) return std::nullopt;
      return "expected " + path_ + (absent ? " to be present" : " to be absent");
    }
    case Kind::count:
      if (found && (found->is_array() || found->is_object()) &&
          static_cast<std::int64_t>(found->size()) == operand_.get<std::int64_t>())
        return std::nullopt;
      return "expected " + path_ + " to have " + operand_.dump() + " elements";
    case Kind::contains:
      if (found && found->is_string() && operand_.is_string() &&
          found->get<std::string>().find(operand_.get<std::string>()) != std::string::npos)
        return std::nullopt;
      if (found && found->is_array())
        for (const auto& element : *found)
          if (jsonEqual(element, operand_)) return std::nullopt;
      return "expected " + path_ + " to contain " + operand_.dump();
  }
  return "unknown check";
}

}  // namespace kassio::sim
