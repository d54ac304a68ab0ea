#pragma once

#include <string>
#include <utility>
#include <vector>

namespace kassio {

// What the transport tells about a reply besides its body.
struct HttpResponseInfo {
  int statusCode = 200;
  std::vector<std::pair<std::string, std::string>> headers;

  bool operator==(const HttpResponseInfo&) const = default;
};

}  // namespace kassio
