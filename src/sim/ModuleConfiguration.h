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

  // `start` is the start command (its switches `theme`, `netlane`, `authbase`); `fixture` the
  // merged merchant fixture. An error text when a fixture value does not decode.
  static std::string apply(const Json& start, const Json& fixture, const Services& services);
};

}  // namespace kassio::sim
