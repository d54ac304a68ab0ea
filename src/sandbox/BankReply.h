#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace kassio::sandbox {

// One answer of the bank as HTTP carries it: a status, a content type and the body's bytes.
struct BankReply {
  int status = 200;
  std::string contentType;
  std::vector<std::uint8_t> body;

  bool operator==(const BankReply&) const = default;
};

}  // namespace kassio::sandbox
