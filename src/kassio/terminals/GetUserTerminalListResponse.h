#pragma once

#include <map>
#include <string>
#include <tuple>
#include <vector>

#include "kassio/platform/json/JsonField.h"
#include "kassio/terminals/TerminalInfo.h"

namespace kassio {

// The merchant's terminal list as the host hands it over. Every member is required: a document
// without one of them is no terminal list at all.
struct GetUserTerminalListResponse {
  std::string status;
  std::string respMessage;
  std::string statusCode;
  // Maps from TID to terminal; each normally holds one entry.
  std::vector<std::map<std::string, TerminalInfo>> terminals;

  bool operator==(const GetUserTerminalListResponse&) const = default;
  static constexpr auto jsonFields =
      std::make_tuple(platform::jsonField("status", &GetUserTerminalListResponse::status),
                      platform::jsonField("respMessage", &GetUserTerminalListResponse::respMessage),
                      platform::jsonField("statusCode", &GetUserTerminalListResponse::statusCode),
                      platform::jsonField("terminalInfo", &GetUserTerminalListResponse::terminals));
};

}  // namespace kassio
