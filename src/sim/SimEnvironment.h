#pragma once

#include <memory>
#include <optional>
#include <string>

#include <nlohmann/json.hpp>

#include "host/ScreenRenderer.h"
#include "host/VirtualHost.h"
#include "kassio/platform/ui/NavigationController.h"
#include "sim/ArgumentReader.h"

namespace kassio::sim {

// The platform one driver run works on: the test host (virtual clock, seeded randomness, a
// defaults store, the localisation tables, a scripted backend) with a window whose root is the
// host application's navigation stack.
class SimEnvironment {
 public:
  using Json = nlohmann::ordered_json;

  struct Settings {
    std::string now = "2026-12-11 10:30:00";  // local time in `timeZone`
    std::string timeZone = "Asia/Kolkata";
    std::string language = "en";
    std::uint64_t seed = 1;
  };

  // Reads the settings from a start command (keys missing keep their defaults); none with an
  // error when one is of the wrong type, or the time zone is not a known one.
  static std::optional<Settings> settingsFrom(ArgumentReader& start, std::string& error);

  // Installs the platform services; `defaultsFile` names an SQLite store to use, else a fresh
  // in-memory one. Null with an error when the store cannot be opened or `now` is unreadable.
  static std::unique_ptr<SimEnvironment> install(const Settings& settings, const std::string& defaultsFile,
                                                 std::string& error);

  platform::VirtualRunLoop& runLoop() { return *host_->loop(); }
  platform::NotificationCenter& notifications() { return *host_->notifications(); }
  platform::UserDefaults& defaults() { return *host_->defaults(); }
  platform::Window& window() { return *host_->window(); }
  const std::shared_ptr<ScriptedNetlane>& backend() const { return host_->backend(); }
  platform::NavigationController& hostStack() { return *hostStack_; }
  host::ScreenRenderer& renderer() { return *renderer_; }

 private:
  std::unique_ptr<host::VirtualHost> host_;
  std::shared_ptr<platform::NavigationController> hostStack_;
  std::unique_ptr<host::ScreenRenderer> renderer_;
};

}  // namespace kassio::sim
