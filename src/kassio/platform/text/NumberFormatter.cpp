#include "kassio/platform/text/NumberFormatter.h"

#include <algorithm>

#include <unicode/numberformatter.h>

namespace kassio::platform {

namespace {

constexpr int maxFractionDigits = 999;  // ICU's limit

}  // namespace

NumberFormatter::NumberFormatter(const std::string& locale, NumberFormatOptions options) {
  namespace number = icu::number;
  const int minimum = std::clamp(options.minimumFractionDigits, 0, maxFractionDigits);
  const int maximum = std::clamp(options.maximumFractionDigits, minimum, maxFractionDigits);
  format_ = std::make_shared<const number::LocalizedNumberFormatter>(
      number::NumberFormatter::withLocale(icu::Locale(locale.c_str()))
          .grouping(options.grouping ? UNUM_GROUPING_AUTO : UNUM_GROUPING_OFF)
          .precision(number::Precision::minMaxFraction(minimum, maximum))
          .roundingMode(options.rounding == NumberRounding::halfUp ? UNUM_ROUND_HALFUP
                                                                  : UNUM_ROUND_HALFEVEN));
}

std::string NumberFormatter::string(double value) const {
  UErrorCode status = U_ZERO_ERROR;
  const icu::UnicodeString text = format_->formatDouble(value, status).toString(status);
  std::string result;
  if (U_FAILURE(status)) return result;
  return text.toUTF8String(result);
}

}  // namespace kassio::platform
