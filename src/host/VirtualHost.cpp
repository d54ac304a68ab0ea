#include "host/VirtualHost.h"

#include "host/CairoViewCapture.h"
#include "kassio/platform/foundation/MemoryUserDefaults.h"
#include "kassio/platform/foundation/RandomSource.h"
#include "kassio/platform/text/Localization.h"

namespace kassio::host {

using namespace platform;

VirtualHost::VirtualHost(Settings settings)
    : savedPlatform_(Platform::current()),
      savedState_(std::move(KassioState::shared())),
      loop_(std::make_shared<VirtualRunLoop>(settings.now)),
      notifications_(std::make_shared<NotificationCenter>()),
      defaults_(settings.userDefaults ? std::move(settings.userDefaults) : std::make_shared<MemoryUserDefaults>()),
      window_(std::make_shared<Window>()),
      backend_(std::make_shared<ScriptedNetlane>()) {
  auto& platform = Platform::current();
  platform = Platform{};
  // Where the module's resources are is the host's setting, not part of a module life.
  platform.resourceDirectory = savedPlatform_.resourceDirectory;
  platform.runLoop = loop_;
  platform.notificationCenter = notifications_;
  platform.userDefaults = defaults_;
  platform.random = std::make_shared<RandomSource>(settings.seed);
  platform.localization = std::make_shared<Localization>(settings.language);
  platform.window = window_;
  platform.viewCapture = std::make_shared<CairoViewCapture>();
  platform.timeZone = settings.timeZone;

  KassioState::shared() = KassioState();
  KassioState::shared().networkManager = backend_;
}

VirtualHost::~VirtualHost() {
  KassioState::shared() = std::move(savedState_);
  Platform::current() = std::move(savedPlatform_);
}

}  // namespace kassio::host
