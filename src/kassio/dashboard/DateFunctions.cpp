#include "kassio/dashboard/DateFunctions.h"

#include <unicode/gregocal.h>
#include <unicode/locid.h>
#include <unicode/timezone.h>

#include <array>
#include <memory>

#include "kassio/platform/foundation/Platform.h"
#include "kassio/platform/foundation/RunLoop.h"
#include "kassio/platform/text/DateFormatter.h"
#include "kassio/platform/text/Localization.h"

namespace kassio {

using platform::Date;
using platform::DateFormatter;

namespace {

constexpr double millisecondsPerSecond = 1000;

// Widens each run of exactly three "M"s (the abbreviated month) to four. Longer runs are other
// month styles already and stay as they are.
std::string widenAbbreviatedMonths(const std::string& pattern) {
  std::string widened;
  for (std::size_t i = 0; i < pattern.size();) {
    std::size_t end = i;
    while (end < pattern.size() && pattern[end] == pattern[i]) ++end;
    const std::size_t run = end - i;
    widened.append(pattern, i, run);
    if (pattern[i] == 'M' && run == 3) widened += 'M';
    i = end;
  }
  return widened;
}

}  // namespace

Date currentDate() {
  const auto& loop = platform::Platform::current().runLoop;
  return loop ? loop->now() : Date{};
}

std::string stringWithFormat(Date date, const std::string& format) {
  return DateFormatter(format, deviceDateLocale).string(date);
}

Date startOfQuarter(Date date) {
  UErrorCode status = U_ZERO_ERROR;
  icu::GregorianCalendar calendar(
      icu::TimeZone::createTimeZone(icu::UnicodeString::fromUTF8(platform::Platform::current().timeZone)),
      icu::Locale(deviceDateLocale), status);
  if (U_FAILURE(status)) return date;
  calendar.setTime(date.secondsSince1970 * millisecondsPerSecond, status);
  const int year = calendar.get(UCAL_YEAR, status);
  const int month = calendar.get(UCAL_MONTH, status) + 1;
  // The first month of the quarter before: 4...6 -> 1, 7...9 -> 4, 10...12 -> 7, 1...3 -> -2,
  // which the lenient calendar takes as October of the year before.
  const int previousQuarterMonth = (month - 1) / 3 * 3 + 1 - 3;
  calendar.clear();
  // Where midnight falls in a daylight-saving gap, the day starts at the first valid time.
  calendar.setSkippedWallTimeOption(UCAL_WALLTIME_NEXT_VALID);
  calendar.set(year, previousQuarterMonth - 1, 1);
  const UDate start = calendar.getTime(status);
  if (U_FAILURE(status)) return date;
  return Date{start / millisecondsPerSecond};
}

std::optional<std::string> convertDateFormat(std::string_view text) {
  DateFormatter formatter("yyyy-MM-dd HH:mm:ss", deviceDateLocale);
  const auto date = formatter.date(text);
  if (!date) return std::nullopt;
  formatter.setPattern("dd MMM yyyy");
  return formatter.string(*date);
}

std::string toDateString(std::string_view text, const std::string& format) {
  DateFormatter formatter(format, "en_US_POSIX");
  std::optional<Date> date = formatter.date(text);
  for (const char* pattern : {"yyyy-MM-dd HH:mm:ss", "MM-dd-yyyy HH:mm:ss", "yyyy-dd-MM HH:mm:ss"}) {
    if (date) break;
    formatter.setPattern(pattern);
    date = formatter.date(text);
  }
  formatter.setPattern(format);
  return formatter.string(date.value_or(currentDate()));
}

std::string reformatDate(std::string_view text, const std::string& from, const std::string& to) {
  const std::string language = platform::localize("en");
  const std::string output = language == "en" ? to : widenAbbreviatedMonths(to);
  DateFormatter formatter(from, language);
  const std::optional<Date> date = formatter.date(text);
  formatter.setPattern(output);
  return formatter.string(date.value_or(currentDate()));
}

}  // namespace kassio
