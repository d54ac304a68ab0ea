#include "kassio/payment/StringChecks.h"

#include "kassio/platform/text/RegexPredicate.h"

namespace kassio {

bool isntEmpty(std::string_view text) { return !text.empty(); }

bool isValidEmail(std::string_view text) {
  return platform::matchesWhole(R"([A-Z0-9a-z._%+-]+@[A-Za-z0-9.-]+\.[A-Za-z]{2,64})", text);
}

bool isValidPhone(std::string_view text) { return platform::matchesWhole("^[6-9][0-9]{9}$", text); }

bool isPhoneNumber(std::string_view text) { return text.find_first_not_of("+0123456789") == std::string_view::npos; }

}  // namespace kassio
