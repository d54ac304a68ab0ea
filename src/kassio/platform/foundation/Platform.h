#pragma once

#include <filesystem>
#include <memory>
#include <string>

namespace kassio::platform {

class RunLoop;
class NotificationCenter;
class UserDefaults;
class RandomSource;
class Localization;
class Window;
class ViewCapture;

// The operating services the module runs on, installed once by the host (the simulator, the
// driver, a test) before the module is used: what an app gets from its OS as process-wide
// singletons (main queue, notification centre, defaults, key window, locale settings).
struct Platform {
  std::shared_ptr<RunLoop> runLoop;
  std::shared_ptr<NotificationCenter> notificationCenter;
  std::shared_ptr<UserDefaults> userDefaults;
  std::shared_ptr<RandomSource> random;
  std::shared_ptr<Localization> localization;
  std::shared_ptr<Window> window;
  std::shared_ptr<ViewCapture> viewCapture;
  std::string timeZone = "Asia/Kolkata";  // IANA id of the device's time zone
  double screenScale = 3;
  // The module's resources (i18n/, images/); when empty, found as ResourceDirectory describes.
  std::filesystem::path resourceDirectory;

  static Platform& current();
};

}  // namespace kassio::platform
