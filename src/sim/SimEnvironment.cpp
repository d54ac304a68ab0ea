#include "sim/SimEnvironment.h"

#include "host/SqliteUserDefaults.h"
#include "kassio/platform/foundation/ResourceDirectory.h"
#include "kassio/platform/text/DateFormatter.h"
#include "sim/HostRootScreen.h"

namespace kassio::sim {

using namespace platform;

std::optional<SimEnvironment::Settings> SimEnvironment::settingsFrom(const Json& start, std::string& error) {
  Settings settings;
  auto text = [&](const char* key, std::string& into) {
    auto found = start.find(key);
    if (found == start.end() || found->is_null()) return true;
    if (!found->is_string()) {
      error = std::string("start: ") + key + " must be a text";
      return false;
    }
    into = found->get<std::string>();
    return true;
  };
  if (!text("now", settings.now) || !text("tz", settings.timeZone) || !text("language", settings.language))
    return std::nullopt;
  if (auto seed = start.find("seed"); seed != start.end() && !seed->is_null()) {
    if (!seed->is_number_integer()) {
      error = "start: seed must be an integer";
      return std::nullopt;
    }
    settings.seed = seed->get<std::uint64_t>();
  }
  return settings;
}

std::unique_ptr<SimEnvironment> SimEnvironment::install(const Settings& settings, const std::string& defaultsFile,
                                                        std::string& error) {
  auto now = DateFormatter("yyyy-MM-dd HH:mm:ss", "en_US_POSIX", settings.timeZone).date(settings.now);
  if (!now) {
    error = "start: now must be \"yyyy-MM-dd HH:mm:ss\", got \"" + settings.now + "\"";
    return nullptr;
  }
  // Without its resources the module would show keys for text and placeholders for images.
  if (auto problem = ResourceDirectory::problem()) {
    error = "start: " + *problem;
    return nullptr;
  }
  host::VirtualHost::Settings hostSettings{*now, settings.timeZone, settings.language, settings.seed, nullptr};
  if (!defaultsFile.empty()) {
    std::string openError;
    hostSettings.userDefaults = host::SqliteUserDefaults::open(defaultsFile, &openError);
    if (!hostSettings.userDefaults) {
      error = "defaults store " + defaultsFile + ": " + openError;
      return nullptr;
    }
  }
  auto environment = std::make_unique<SimEnvironment>();
  environment->host_ = std::make_unique<host::VirtualHost>(std::move(hostSettings));
  environment->renderer_ = std::make_unique<host::ScreenRenderer>();

  environment->hostStack_ = std::make_shared<NavigationController>(std::make_shared<HostRootScreen>());
  environment->window().setRootScreen(environment->hostStack_);
  return environment;
}

}  // namespace kassio::sim
