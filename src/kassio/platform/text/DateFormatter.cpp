#include "kassio/platform/text/DateFormatter.h"

#include <unordered_map>

#include <unicode/locid.h>
#include <unicode/smpdtfmt.h>
#include <unicode/timezone.h>

#include "kassio/platform/foundation/Platform.h"

namespace kassio::platform {

namespace {

constexpr double millisecondsPerSecond = 1000;

constexpr std::size_t cachedFormatsLimit = 64;

std::shared_ptr<const icu::SimpleDateFormat> buildFormat(const std::string& pattern, const std::string& locale,
                                                         const std::string& timeZone) {
  UErrorCode status = U_ZERO_ERROR;
  auto format = std::make_shared<icu::SimpleDateFormat>(
      icu::UnicodeString::fromUTF8(pattern), icu::Locale(locale.c_str()), status);
  if (U_FAILURE(status)) return nullptr;
  format->adoptTimeZone(icu::TimeZone::createTimeZone(icu::UnicodeString::fromUTF8(timeZone)));
  format->setLenient(false);
  return format;
}

// The formatter for a pattern, locale and time zone, built on first use. The cache belongs to
// the calling thread (the main loop, in practice), so it needs no lock; when it is full it
// starts over, and formatters still held stay valid.
std::shared_ptr<const icu::SimpleDateFormat> format(const std::string& pattern, const std::string& locale,
                                                    const std::string& timeZone) {
  thread_local std::unordered_map<std::string, std::shared_ptr<const icu::SimpleDateFormat>> cache;
  std::string key;
  key.reserve(pattern.size() + locale.size() + timeZone.size() + 2);
  key.append(pattern).append(1, '\0').append(locale).append(1, '\0').append(timeZone);
  if (auto found = cache.find(key); found != cache.end()) return found->second;
  if (cache.size() >= cachedFormatsLimit) cache.clear();
  auto built = buildFormat(pattern, locale, timeZone);
  cache.emplace(std::move(key), built);
  return built;
}

}  // namespace

DateFormatter::DateFormatter(std::string pattern, std::string locale)
    : DateFormatter(std::move(pattern), std::move(locale), Platform::current().timeZone) {}

DateFormatter::DateFormatter(std::string pattern, std::string locale, std::string timeZone)
    : pattern_(std::move(pattern)),
      locale_(std::move(locale)),
      timeZone_(std::move(timeZone)),
      format_(format(pattern_, locale_, timeZone_)) {}

DateFormatter::DateFormatter(const DateFormatter& other) = default;
DateFormatter& DateFormatter::operator=(const DateFormatter& other) = default;
DateFormatter::DateFormatter(DateFormatter&&) noexcept = default;
DateFormatter& DateFormatter::operator=(DateFormatter&&) noexcept = default;
DateFormatter::~DateFormatter() = default;

void DateFormatter::setPattern(std::string pattern) {
  pattern_ = std::move(pattern);
  format_ = format(pattern_, locale_, timeZone_);
}

std::string DateFormatter::string(Date date) const {
  std::string result;
  if (!format_) return result;
  icu::UnicodeString text;
  format_->format(date.secondsSince1970 * millisecondsPerSecond, text);
  return text.toUTF8String(result);
}

std::optional<Date> DateFormatter::date(std::string_view text) const {
  if (!format_) return std::nullopt;
  const auto input = icu::UnicodeString::fromUTF8(icu::StringPiece(text.data(), text.size()));
  icu::ParsePosition position(0);
  const UDate milliseconds = format_->parse(input, position);
  if (position.getErrorIndex() >= 0 || position.getIndex() != input.length()) return std::nullopt;
  return Date{milliseconds / millisecondsPerSecond};
}

}  // namespace kassio::platform
