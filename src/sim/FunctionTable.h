#pragma once

#include <functional>
#include <map>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>

#include "sim/ArgumentReader.h"

namespace kassio::sim {

// Operations by name for the driver's `fn` and `manager` commands: each row reads its named
// arguments and gives its result as JSON (null for operations without one).
class FunctionTable {
 public:
  using Json = nlohmann::ordered_json;
  using Handler = std::function<Json(ArgumentReader&)>;

  // `unknownName` starts the error for a name no row has ("no exported function ").
  explicit FunctionTable(std::string unknownName) : unknownName_(std::move(unknownName)) {}

  void add(std::string name, Handler handler, ArgumentReader::Wording wording = ArgumentReader::driverWording);
  bool contains(const std::string& name) const { return rows_.count(name) != 0; }

  // The row's result, or none with `error` saying which argument was wrong or that no row has
  // the name.
  std::optional<Json> call(const std::string& name, const Json& args, std::string& error) const;

 private:
  struct Row {
    Handler handler;
    ArgumentReader::Wording wording;
  };
  std::string unknownName_;
  std::map<std::string, Row, std::less<>> rows_;
};

}  // namespace kassio::sim
