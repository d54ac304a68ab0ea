#include "sim/FunctionTable.h"

#include <stdexcept>
#include <utility>

namespace kassio::sim {

void FunctionTable::add(std::string name, Handler handler, ArgumentReader::Wording wording) {
  if (!rows_.emplace(name, Row{std::move(handler), wording}).second)
    throw std::logic_error("two driver functions named " + name);
}

std::optional<FunctionTable::Json> FunctionTable::call(const std::string& name, const Json& args,
                                                       std::string& error) const {
  const auto found = rows_.find(name);
  if (found == rows_.end()) {
    error = unknownName_ + name;
    return std::nullopt;
  }
  ArgumentReader reader(args, found->second.wording);
  Json result = found->second.handler(reader);
  if (reader.ok()) return result;
  error = found->second.wording.namesFunction ? name + ": " + reader.error() : reader.error();
  return std::nullopt;
}

}  // namespace kassio::sim
