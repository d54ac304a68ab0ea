#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "kassio/platform/json/Json.h"

namespace kassio::sandbox {

// One answer of the bank as HTTP carries it: a status, a content type and the body's bytes.
struct BankReply {
  int status = 200;
  std::string contentType;
  std::vector<std::uint8_t> body;

  bool operator==(const BankReply&) const = default;
};

BankReply jsonReply(const platform::JsonValue& value, int status = 200);

template <class Record>
BankReply recordReply(const Record& record) {
  return jsonReply(platform::encodeJsonValue(record));
}

// {"status":"Failed","respMsg":…}: the body of every failed call, and of a declined request
// whose answer has no record of its own (QR), which also carries the decline's `errorCode`.
BankReply failureReply(std::string message, int status = 200, std::string errorCode = {});

}  // namespace kassio::sandbox
