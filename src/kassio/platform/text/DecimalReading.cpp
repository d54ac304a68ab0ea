#include "kassio/platform/text/DecimalReading.h"

#include <locale.h>
#include <stdlib.h>

#include <string>

namespace kassio::platform {

namespace {

// True when the whole text follows the grammar above.
bool isDecimalText(std::string_view text) {
  std::size_t i = 0;
  const auto skipSign = [&] {
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
  };
  const auto skipDigits = [&] {
    const std::size_t start = i;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9') ++i;
    return i - start;
  };

  skipSign();
  std::size_t mantissaDigits = skipDigits();
  if (i < text.size() && text[i] == '.') {
    ++i;
    mantissaDigits += skipDigits();
  }
  if (mantissaDigits == 0) return false;
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    ++i;
    skipSign();
    if (skipDigits() == 0) return false;
  }
  return i == text.size();
}

}  // namespace

std::optional<double> readDecimal(std::string_view text) {
  if (!isDecimalText(text)) return std::nullopt;
  // strtod_l with the C locale: the process locale must not change what "." means.
  const locale_t cLocale = newlocale(LC_NUMERIC_MASK, "C", locale_t{});
  if (cLocale == locale_t{}) return std::nullopt;
  const std::string terminated(text);
  const double value = strtod_l(terminated.c_str(), nullptr, cLocale);
  freelocale(cLocale);
  return value;
}

}  // namespace kassio::platform
