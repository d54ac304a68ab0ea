#pragma once

#include <memory>
#include <optional>
#include <string>

#include <nlohmann/json.hpp>

#include "host/ScreenRenderer.h"
#include "kassio/platform/foundation/NotificationCenter.h"
#include "kassio/platform/foundation/UserDefaults.h"
#include "kassio/platform/foundation/VirtualRunLoop.h"
#include "kassio/platform/ui/NavigationController.h"
#include "kassio/platform/ui/Window.h"

namespace kassio::sim {

// The platform one driver run works on: a virtual clock, seeded randomness, a defaults store,
// the localisation tables and a window whose root is the host's navigation stack.
class SimEnvironment {
 public:
  using Json = nlohmann::ordered_json;

  struct Settings {
    std::string now = "2026-12-11 10:30:00";  // local time in `timeZone`
    std::string timeZone = "Asia/Kolkata";
    std::string language = "en";
    std::uint64_t seed = 1;
  };

  // Reads the settings from a start command (keys missing keep their defaults).
  static std::optional<Settings> settingsFrom(const Json& start, std::string& error);

  // Installs the platform services; `defaultsFile` names an SQLite store to use, else a fresh
  // in-memory one. Null with an error when the store cannot be opened or `now` is unreadable.
  static std::unique_ptr<SimEnvironment> install(const Settings& settings, const std::string& defaultsFile,
                                                 std::string& error);

  platform::VirtualRunLoop& runLoop() { return *runLoop_; }
  platform::NotificationCenter& notifications() { return *notifications_; }
  platform::UserDefaults& defaults() { return *defaults_; }
  platform::Window& window() { return *window_; }
  platform::NavigationController& hostStack() { return *hostStack_; }
  host::ScreenRenderer& renderer() { return *renderer_; }

 private:
  std::shared_ptr<platform::VirtualRunLoop> runLoop_;
  std::shared_ptr<platform::NotificationCenter> notifications_;
  std::shared_ptr<platform::UserDefaults> defaults_;
  std::shared_ptr<platform::Window> window_;
  std::shared_ptr<platform::NavigationController> hostStack_;
  std::unique_ptr<host::ScreenRenderer> renderer_;
};

}  // namespace kassio::sim
