#pragma once

#include <nlohmann/json.hpp>

namespace kassio::sim {

// The module state for the driver's `state` command: every item under its name, records as
// their JSON, services as true or null.
class ModuleStateDump {
 public:
  static nlohmann::ordered_json current();
};

}  // namespace kassio::sim
