#include "sandbox/BankReply.h"

#include <utility>

#include "kassio/transactions/AuthCustomeWire.h"

namespace kassio::sandbox {

BankReply jsonReply(const platform::JsonValue& value, int status) {
  const std::string text = platform::writeJson(value);
  return {status, std::string(jsonContentType), std::vector<std::uint8_t>(text.begin(), text.end())};
}

BankReply failureReply(std::string message, int status, std::string errorCode) {
  platform::JsonValue body = platform::JsonValue::object();
  body["status"] = "Failed";
  body["respMsg"] = std::move(message);
  if (!errorCode.empty()) body["errorCode"] = std::move(errorCode);
  return jsonReply(body, status);
}

}  // namespace kassio::sandbox
