#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "kassio/entry/PaymentModeType.h"
#include "kassio/terminals/GetUserTerminalListResponse.h"
#include "kassio/terminals/TerminalInfo.h"

// Rules that read a terminal list on behalf of the terminal screens (KassioManager applies them
// to the module's list); without a list every rule finds nothing. Each rule is one pass over the
// list's entries, in the order the maps and their entries are visited.
namespace kassio {

// The terminal may transact: (tidStatus and roleStatus are "active") or roleStatus is
// "pending", in any letter case; a missing status fails.
bool passesTerminalGate(const TerminalInfo& terminal);

// The TIDs that may take `mode`: those that pass the gate and are provisioned active for it. A
// TID is listed once per active card provider. UPI collect, the EMI modes, tap on phone and no
// mode are never enabled.
std::vector<std::string> terminalsEnabled(const std::optional<GetUserTerminalListResponse>& list,
                                          std::optional<PaymentModeType> mode);

// The TIDs whose static QR code may be offered: all but those whose qr.staticQRStatus is 0.
std::vector<std::string> terminalsWithStaticQR(const std::optional<GetUserTerminalListResponse>& list);

// The trading name of terminal `forTID`: the last entry under that TID wins; empty when there is
// none or it has no dba.
std::string dba(const std::optional<GetUserTerminalListResponse>& list, std::string_view forTID);
// Every terminal's trading name at once (last entry per TID wins), for screens naming many.
std::unordered_map<std::string, std::string> dbaByTID(const std::optional<GetUserTerminalListResponse>& list);

}  // namespace kassio
