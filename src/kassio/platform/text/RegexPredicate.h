#pragma once

#include <memory>
#include <string>
#include <string_view>

#include <unicode/uversion.h>

U_NAMESPACE_BEGIN
class RegexPattern;
U_NAMESPACE_END

namespace kassio::platform {

// A "SELF MATCHES pattern" predicate: true when the pattern (ICU regular-expression syntax)
// matches the entire text, not just a part of it. Each pattern is compiled once per thread and
// shared by the predicates made with it. An invalid pattern matches nothing.
class RegexPredicate {
 public:
  explicit RegexPredicate(std::string_view pattern);

  bool isValid() const { return pattern_ != nullptr; }
  bool matches(std::string_view text) const;

 private:
  // Compiled patterns are immutable; copies share one.
  std::shared_ptr<const icu::RegexPattern> pattern_;
};

// One-off whole-text match, with the pattern compiled on its first use.
bool matchesWhole(std::string_view pattern, std::string_view text);

}  // namespace kassio::platform
