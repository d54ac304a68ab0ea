#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <unordered_map>

namespace kassio::platform {

// A translation table for one language, read from <resourceDirectory>/i18n/<language>.json: a
// flat JSON object from key (the English text) to translation.
class Localization {
 public:
  Localization(const std::filesystem::path& resourceDirectory, std::string language);
  // From the module's resource directory (see ResourceDirectory).
  explicit Localization(std::string language);

  // ResourceDirectory::find(): empty when there is none, and then no table is read.
  static std::filesystem::path defaultResourceDirectory();

  const std::string& language() const { return language_; }
  // The translation, or the key itself when the table lacks it or has no text for it. The key
  // "en" answers the language code when the table does not list it (date formatting reads the
  // language from it); when no table could be read, every key, "en" too, answers itself.
  std::string localize(const std::string& key) const;

 private:
  std::string language_;
  std::optional<std::unordered_map<std::string, std::string>> table_;
};

// Through Platform::current().localization; the key itself when no localisation is installed.
std::string localize(const std::string& key);

}  // namespace kassio::platform
