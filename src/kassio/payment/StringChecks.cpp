#include "kassio/payment/StringChecks.h"

#include "kassio/platform/text/RegexPredicate.h"
#include "kassio/platform/text/UnicodeText.h"

namespace kassio {

bool isntEmpty(std::string_view text) { return !text.empty(); }

bool isValidEmail(std::string_view text) {
  static const platform::RegexPredicate email(R"([A-Z0-9a-z._%+-]+@[A-Za-z0-9.-]+\.[A-Za-z]{2,64})");
  return email.matches(text);
}

bool isValidPhone(std::string_view text) {
  return text.size() == 10 && startsLikeMobileNumber(text) &&
         text.find_first_not_of("0123456789") == std::string_view::npos;
}

bool startsLikeMobileNumber(std::string_view text) {
  const std::string first = platform::graphemePrefix(text, 1);
  return first.size() == 1 && first[0] >= '6' && first[0] <= '9';
}

bool isPhoneNumber(std::string_view text) { return text.find_first_not_of("+0123456789") == std::string_view::npos; }

}  // namespace kassio
