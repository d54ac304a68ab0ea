#pragma once

#include <any>
#include <map>
#include <string>

namespace kassio::platform {

// A named broadcast: the sender's `object` and a dictionary of extra values.
struct Notification {
  std::string name;
  std::any object;
  std::map<std::string, std::any> userInfo;
};

}  // namespace kassio::platform
