#include "sim/SimEnvironment.h"

#include <unicode/timezone.h>

#include "host/SqliteUserDefaults.h"
#include "kassio/platform/foundation/ResourceDirectory.h"
#include "kassio/platform/text/DateFormatter.h"
#include "sim/HostRootScreen.h"

namespace kassio::sim {

using namespace platform;

namespace {

// ICU stands in GMT for a zone it does not know; a script naming one means a mistake.
bool isKnownTimeZone(const std::string& id) {
  UErrorCode status = U_ZERO_ERROR;
  icu::UnicodeString canonical;
  UBool isSystem = false;
  icu::TimeZone::getCanonicalID(icu::UnicodeString::fromUTF8(id), canonical, isSystem, status);
  return U_SUCCESS(status) && isSystem;
}

}  // namespace

std::optional<SimEnvironment::Settings> SimEnvironment::settingsFrom(ArgumentReader& start, std::string& error) {
  Settings settings;
  settings.now = start.text("now", settings.now);
  settings.timeZone = start.text("tz", settings.timeZone);
  settings.language = start.text("language", settings.language);
  if (const auto& seed = start.raw("seed"); !seed.is_null()) {
    const bool fits = seed.is_number_unsigned() || (seed.is_number_integer() && seed.get<std::int64_t>() >= 0);
    if (fits) {
      settings.seed = seed.get<std::uint64_t>();
    } else {
      start.mismatch("seed", "an integer from 0 to 18446744073709551615");
    }
  }
  if (!start.ok()) return std::nullopt;
  if (!isKnownTimeZone(settings.timeZone)) {
    error = "start: tz " + settings.timeZone + " is not a known time zone";
    return std::nullopt;
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
