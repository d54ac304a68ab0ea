#include "kassio/platform/text/DateFormatter.h"

#include <unicode/locid.h>
#include <unicode/smpdtfmt.h>
#include <unicode/timezone.h>

#include "kassio/platform/foundation/Platform.h"

namespace kassio::platform {

namespace {

constexpr double millisecondsPerSecond = 1000;

std::unique_ptr<icu::SimpleDateFormat> makeFormat(const std::string& pattern,
                                                  const std::string& locale,
                                                  const std::string& timeZone) {
  UErrorCode status = U_ZERO_ERROR;
  auto format = std::make_unique<icu::SimpleDateFormat>(
      icu::UnicodeString::fromUTF8(pattern), icu::Locale(locale.c_str()), status);
  if (U_FAILURE(status)) return nullptr;
  format->adoptTimeZone(icu::TimeZone::createTimeZone(icu::UnicodeString::fromUTF8(timeZone)));
  format->setLenient(false);
  return format;
}

}  // namespace

DateFormatter::DateFormatter(std::string pattern, std::string locale)
    : DateFormatter(std::move(pattern), std::move(locale), Platform::current().timeZone) {}

DateFormatter::DateFormatter(std::string pattern, std::string locale, std::string timeZone)
    : pattern_(std::move(pattern)),
      locale_(std::move(locale)),
      timeZone_(std::move(timeZone)),
      format_(makeFormat(pattern_, locale_, timeZone_)) {}

DateFormatter::DateFormatter(const DateFormatter& other)
    : pattern_(other.pattern_),
      locale_(other.locale_),
      timeZone_(other.timeZone_),
      format_(other.format_ ? other.format_->clone() : nullptr) {}

DateFormatter& DateFormatter::operator=(const DateFormatter& other) {
  if (this != &other) *this = DateFormatter(other);
  return *this;
}

DateFormatter::DateFormatter(DateFormatter&&) noexcept = default;
DateFormatter& DateFormatter::operator=(DateFormatter&&) noexcept = default;
DateFormatter::~DateFormatter() = default;

void DateFormatter::setPattern(std::string pattern) {
  pattern_ = std::move(pattern);
  if (format_) format_->applyPattern(icu::UnicodeString::fromUTF8(pattern_));
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
