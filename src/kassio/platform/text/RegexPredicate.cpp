#include "kassio/platform/text/RegexPredicate.h"

#include <unordered_map>

#include <unicode/regex.h>

namespace kassio::platform {

namespace {

icu::UnicodeString utf16(std::string_view text) {
  return icu::UnicodeString::fromUTF8(icu::StringPiece(text.data(), text.size()));
}

}  // namespace

RegexPredicate::RegexPredicate(std::string_view pattern) {
  // Compiled once per pattern on each thread (the main loop, in practice, so no lock); when
  // the cache is full it starts over, and patterns still held stay valid.
  constexpr std::size_t cachedPatternsLimit = 64;
  thread_local std::unordered_map<std::string, std::shared_ptr<const icu::RegexPattern>> cache;
  if (auto found = cache.find(std::string(pattern)); found != cache.end()) {
    pattern_ = found->second;
    return;
  }
  UErrorCode status = U_ZERO_ERROR;
  UParseError error;
  std::shared_ptr<const icu::RegexPattern> compiled(
      icu::RegexPattern::compile(utf16(pattern), 0, error, status));
  if (U_SUCCESS(status)) pattern_ = std::move(compiled);
  if (cache.size() >= cachedPatternsLimit) cache.clear();
  cache.emplace(std::string(pattern), pattern_);
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
