#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "kassio/platform/foundation/Date.h"

namespace kassio {

// The date helpers of the dashboard, and those the module exports for the host. Dates are read
// and written in the device's time zone (Platform::current().timeZone); where no locale is
// named, in the device's locale, deviceDateLocale.
inline constexpr const char* deviceDateLocale = "en_US";

// The main run loop's current time (the epoch while no loop is installed).
platform::Date currentDate();

// The date written with the pattern.
std::string stringWithFormat(platform::Date date, const std::string& format);

// The first instant of the calendar quarter before the date's own: May gives 1 January of the
// same year, February gives 1 October of the year before.
platform::Date startOfQuarter(platform::Date date);

// "yyyy-MM-dd HH:mm:ss" re-written as "dd MMM yyyy"; none for text in any other form.
std::optional<std::string> convertDateFormat(std::string_view text);

// The date text re-written in `format`, both in the en_US_POSIX locale. The text is read with
// `format`, then "yyyy-MM-dd HH:mm:ss", "MM-dd-yyyy HH:mm:ss", "yyyy-dd-MM HH:mm:ss", the first
// that reads it winning; text that none reads gives the current date.
std::string toDateString(std::string_view text, const std::string& format);

// A transaction time converted for display, in the locale of the localised language (the
// translation of "en"). Languages other than English get full month names where `to` has
// abbreviated ones. Text that `from` does not read shows the current time.
std::string reformatDate(std::string_view text, const std::string& from, const std::string& to);

}  // namespace kassio
