#pragma once

#include <memory>
#include <string>

#include <unicode/uversion.h>

U_NAMESPACE_BEGIN
namespace number {
class LocalizedNumberFormatter;
}
U_NAMESPACE_END

namespace kassio::platform {

enum class NumberRounding {
  halfEven,  // ties to the even digit (0.125 -> 0.12), ICU's and the platform's default
  halfUp,    // ties away from zero (0.125 -> 0.13)
};

// Defaults are those of a decimal-style number formatter: grouped, up to three fraction digits.
struct NumberFormatOptions {
  bool grouping = true;
  int minimumFractionDigits = 0;
  int maximumFractionDigits = 3;
  NumberRounding rounding = NumberRounding::halfEven;
};

// Writes numbers in a locale's digits and separators; "en_IN" groups the Indian way
// (1,23,456.00), "en_US" in thousands (123,456.00). Ties are decided on the shortest decimal text
// of the double, so 2.675 counts as a tie although its binary value lies just below it.
class NumberFormatter {
 public:
  explicit NumberFormatter(const std::string& locale, NumberFormatOptions options = {});

  std::string string(double value) const;

 private:
  // Immutable once built, so copies share it.
  std::shared_ptr<const icu::number::LocalizedNumberFormatter> format_;
};

}  // namespace kassio::platform
