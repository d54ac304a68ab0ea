#include "kassio/platform/text/RegexPredicate.h"

#include <unicode/regex.h>

namespace kassio::platform {

namespace {

icu::UnicodeString utf16(std::string_view text) {
  return icu::UnicodeString::fromUTF8(icu::StringPiece(text.data(), text.size()));
}

}  // namespace

RegexPredicate::RegexPredicate(std::string_view pattern) {
  UErrorCode status = U_ZERO_ERROR;
  UParseError error;
  std::shared_ptr<const icu::RegexPattern> compiled(
      icu::RegexPattern::compile(utf16(pattern), 0, error, status));
  if (U_SUCCESS(status)) pattern_ = std::move(compiled);
}

bool RegexPredicate::matches(std::string_view text) const {
  if (!pattern_) return false;
  const icu::UnicodeString input = utf16(text);
  UErrorCode status = U_ZERO_ERROR;
  const std::unique_ptr<icu::RegexMatcher> matcher(pattern_->matcher(input, status));
  if (U_FAILURE(status)) return false;
  const bool whole = matcher->matches(status);
  return U_SUCCESS(status) && whole;
}

bool matchesWhole(std::string_view pattern, std::string_view text) {
  return RegexPredicate(pattern).matches(text);
}

}  // namespace kassio::platform
