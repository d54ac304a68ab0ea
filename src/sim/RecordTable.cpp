#include "sim/RecordTable.h"

#include <stdexcept>
#include <utility>

#include "sim/Registrations.h"

namespace kassio::sim {

void RecordTable::add(std::string name, Decoder decoder) {
  if (!rows_.emplace(name, decoder).second) throw std::logic_error("two decodable records named " + name);
}

std::vector<std::string> RecordTable::names() const {
  std::vector<std::string> result;
  for (const auto& row : rows_) result.push_back(row.first);
  return result;
}

std::optional<RecordTable::Json> RecordTable::decode(std::string_view name, std::string_view jsonText) const {
  const auto found = rows_.find(name);
  if (found == rows_.end()) return std::nullopt;
  return found->second(jsonText);
}

const RecordTable& RecordTable::module() {
  static const RecordTable table = [] {
    RecordTable rows;
    registerEntryRecords(rows);
    registerTerminalRecords(rows);
    registerTransactionRecords(rows);
    registerOfferRecords(rows);
    registerDashboardRecords(rows);
    registerBannerRecords(rows);
    return rows;
  }();
  return table;
}

}  // namespace kassio::sim
