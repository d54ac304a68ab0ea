#pragma once

#include <memory>
#include <string>

#include <nlohmann/json.hpp>

#include "kassio/transactions/NetlaneManager.h"
#include "sim/DriverAuthbase.h"

namespace kassio::sim {

// Configures the module from a merchant fixture as a host application would at start.
class ModuleConfiguration {
 public:
  using Json = nlohmann::ordered_json;

  struct Services {
    std::shared_ptr<DriverAuthbase> authbase;
    std::shared_ptr<NetlaneManager> netlane;
  };

  // The start command's switches: which of the host's set-up calls are made.
  struct Switches {
    bool theme = true;
    bool netlane = true;
    bool authbase = true;
  };

  // `fixture` is the merged merchant fixture. An error text when a fixture value does not
  // decode; the module is then left untouched.
  static std::string apply(const Switches& switches, const Json& fixture, const Services& services);
};

}  // namespace kassio::sim
