#include "kassio/platform/text/Localization.h"

#include <algorithm>
#include <fstream>

#include <nlohmann/json.hpp>

#include "kassio/platform/foundation/Platform.h"
#include "kassio/platform/foundation/ResourceDirectory.h"

namespace kassio::platform {

namespace {

constexpr const char* languageKey = "en";

// Language codes such as "en", "hi", "pt_BR", "zh-Hans"; anything else would name a file
// outside the table folder.
bool isLanguageCode(const std::string& language) {
  return !language.empty() && std::all_of(language.begin(), language.end(), [](char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
           c == '_' || c == '-';
  });
}

std::optional<std::unordered_map<std::string, std::string>> readTable(
    const std::filesystem::path& file) {
  std::ifstream stream(file, std::ios::binary);
  if (!stream) return std::nullopt;
  const auto json = nlohmann::json::parse(stream, nullptr, /*allow_exceptions=*/false);
  if (!json.is_object()) return std::nullopt;  // also when the file is not JSON at all
  std::unordered_map<std::string, std::string> table;
  for (const auto& [key, value] : json.items()) {
    if (value.is_string()) table.emplace(key, value.get<std::string>());
  }
  return table;
}

}  // namespace

Localization::Localization(const std::filesystem::path& resourceDirectory, std::string language)
    : language_(std::move(language)) {
  // No directory reads no table (rather than one relative to the working directory).
  if (!resourceDirectory.empty() && isLanguageCode(language_)) {
    table_ = readTable(resourceDirectory / "i18n" / (language_ + ".json"));
  }
}

Localization::Localization(std::string language)
    : Localization(defaultResourceDirectory(), std::move(language)) {}

std::filesystem::path Localization::defaultResourceDirectory() {
  return ResourceDirectory::find();
}

std::string Localization::localize(const std::string& key) const {
  if (!table_) return key;
  if (const auto found = table_->find(key); found != table_->end()) return found->second;
  return key == languageKey ? language_ : key;
}

std::string localize(const std::string& key) {
  const auto& localization = Platform::current().localization;
  return localization ? localization->localize(key) : key;
}

}  // namespace kassio::platform
