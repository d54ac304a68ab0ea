#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include <unicode/uversion.h>

#include "kassio/platform/foundation/Date.h"

U_NAMESPACE_BEGIN
class SimpleDateFormat;
U_NAMESPACE_END

namespace kassio::platform {

// Writes and reads dates with a Unicode date pattern ("yyyyMMdd'T'HHmmss", "dd MMM yyyy, hh:mm a")
// in a locale ("en_US_POSIX", "en_IN", or a bare language such as "hi") and an IANA time zone.
// ICU formatters are costly to build, so one is built per pattern, locale and time zone on each
// thread and shared by every DateFormatter made with those; making one per call is cheap.
class DateFormatter {
 public:
  // In the device's time zone, Platform::current().timeZone as it is now.
  DateFormatter(std::string pattern, std::string locale);
  // An unknown time-zone id writes and reads in UTC (ICU's "Etc/Unknown").
  DateFormatter(std::string pattern, std::string locale, std::string timeZone);
  DateFormatter(const DateFormatter& other);
  DateFormatter& operator=(const DateFormatter& other);
  DateFormatter(DateFormatter&&) noexcept;
  DateFormatter& operator=(DateFormatter&&) noexcept;
  ~DateFormatter();

  const std::string& pattern() const { return pattern_; }
  const std::string& locale() const { return locale_; }
  const std::string& timeZone() const { return timeZone_; }
  // Keeps locale and time zone, so one formatter can read with one pattern and write with another.
  void setPattern(std::string pattern);

  std::string string(Date date) const;
  // Non-lenient: the pattern must consume the whole text, and out-of-range fields (30 February,
  // hour 25) give no date. Like the platform's formatter, ICU skips blanks before a field.
  std::optional<Date> date(std::string_view text) const;

 private:
  std::string pattern_;
  std::string locale_;
  std::string timeZone_;
  // Shared, and only used through its const members; null only if ICU could not build it.
  std::shared_ptr<const icu::SimpleDateFormat> format_;
};

}  // namespace kassio::platform
