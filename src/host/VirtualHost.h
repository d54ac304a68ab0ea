#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "kassio/entry/KassioState.h"
#include "kassio/platform/foundation/Date.h"
#include "kassio/platform/foundation/NotificationCenter.h"
#include "kassio/platform/foundation/Platform.h"
#include "kassio/platform/foundation/UserDefaults.h"
#include "kassio/platform/foundation/VirtualRunLoop.h"
#include "kassio/platform/ui/Window.h"
#include "kassio/transactions/ScriptedNetlane.h"

namespace kassio::host {

// The test host: one module life in-process on a virtual clock. It installs fresh platform
// services (virtual main loop, notification centre, defaults, seeded randomness, the language's
// translation table, an empty window, cairo view capture) and a fresh module state whose backend
// is a scripted one, and puts back the previous platform and module state when it ends. The
// script driver runs on it, and so does every unit test that needs the platform:
//
//   host::VirtualHost device;               // 2026-12-11 10:30 in Asia/Kolkata, "en", seed 1
//   device.backend()->replyJson(...);  device.loop()->advance(1);
class VirtualHost {
 public:
  struct Settings {
    platform::Date now{1796965200};  // 2026-12-11 10:30:00 in Asia/Kolkata
    std::string timeZone = "Asia/Kolkata";
    std::string language = "en";
    std::uint64_t seed = 1;
    // The defaults store; a fresh in-memory one when null.
    std::shared_ptr<platform::UserDefaults> userDefaults{};
  };

  explicit VirtualHost(Settings settings);
  VirtualHost() : VirtualHost(Settings{}) {}
  ~VirtualHost();
  VirtualHost(const VirtualHost&) = delete;
  VirtualHost& operator=(const VirtualHost&) = delete;

  const std::shared_ptr<platform::VirtualRunLoop>& loop() const { return loop_; }
  const std::shared_ptr<platform::NotificationCenter>& notifications() const { return notifications_; }
  const std::shared_ptr<platform::UserDefaults>& defaults() const { return defaults_; }
  const std::shared_ptr<platform::Window>& window() const { return window_; }
  // The scripted backend, installed as the module's networkManager.
  const std::shared_ptr<ScriptedNetlane>& backend() const { return backend_; }

 private:
  platform::Platform savedPlatform_;
  KassioState savedState_;
  std::shared_ptr<platform::VirtualRunLoop> loop_;
  std::shared_ptr<platform::NotificationCenter> notifications_;
  std::shared_ptr<platform::UserDefaults> defaults_;
  std::shared_ptr<platform::Window> window_;
  std::shared_ptr<ScriptedNetlane> backend_;
};

}  // namespace kassio::host
