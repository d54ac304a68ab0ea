#pragma once

#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "kassio/platform/json/JsonField.h"
#include "kassio/terminals/BankProduct1.h"
#include "kassio/terminals/ModuleConsents.h"
#include "kassio/terminals/PaymentsModesData.h"

namespace kassio {

// One terminal of the host's terminal list: its outlet data, the merchant's role on it and what
// it is provisioned for.
struct TerminalInfo {
  std::optional<std::string> city;
  std::optional<std::string> location;
  std::optional<std::string> address;
  std::optional<std::string> mid;
  std::optional<std::string> cid;
  std::optional<std::string> dba;  // the outlet's trading name shown for the terminal
  std::optional<std::string> companyName;
  std::optional<std::string> accountNumber;
  std::optional<std::string> role;
  std::optional<std::string> tidStatus;  // "active" in any letter case
  std::optional<BankProduct1> bankProduct;
  std::optional<std::vector<std::string>> segments;
  std::optional<std::string> pinCode;
  std::optional<std::string> roleStatus;  // "active" or "pending" in any letter case
  std::optional<ModuleConsents> moduleConsents;
  std::optional<std::string> tid;
  std::optional<PaymentsModesData> payments;

  bool operator==(const TerminalInfo&) const = default;
  static constexpr auto jsonFields = std::make_tuple(
      platform::jsonField("city", &TerminalInfo::city), platform::jsonField("location", &TerminalInfo::location),
      platform::jsonField("address", &TerminalInfo::address), platform::jsonField("mid", &TerminalInfo::mid),
      platform::jsonField("cid", &TerminalInfo::cid), platform::jsonField("dba", &TerminalInfo::dba),
      platform::jsonField("companyName", &TerminalInfo::companyName),
      platform::jsonField("accountNumber", &TerminalInfo::accountNumber),
      platform::jsonField("role", &TerminalInfo::role), platform::jsonField("tidStatus", &TerminalInfo::tidStatus),
      platform::jsonField("bankProduct", &TerminalInfo::bankProduct),
      platform::jsonField("segments", &TerminalInfo::segments), platform::jsonField("pinCode", &TerminalInfo::pinCode),
      platform::jsonField("roleStatus", &TerminalInfo::roleStatus),
      platform::jsonField("moduleConsents", &TerminalInfo::moduleConsents),
      platform::jsonField("tid", &TerminalInfo::tid), platform::jsonField("payments", &TerminalInfo::payments));
};

}  // namespace kassio
