#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// Text is UTF-8 throughout the module. Where users see "characters" (counting, first or last
// characters) these count grapheme clusters, so an emoji family or a letter with combining marks
// is one character; text-field edit ranges count UTF-16 code units, as the platform's text fields do.
namespace kassio::platform {

// Full Unicode lower-casing with the root locale: the same result on every device ("ÄBC" ->
// "äbc", "I" -> "i" even for Turkish users, "İ" -> "i̇").
std::string lowercased(std::string_view text);

// The text in Normalization Form C. Texts compare and count as the platform's strings do, by
// canonical equivalence: "é" as one code point and as "e" plus a combining accent are one text,
// so compare or key texts by this form (its UTF-8 byte order is code-point order).
std::string canonical(std::string_view text);

std::size_t graphemeCount(std::string_view text);
// The first or last n grapheme clusters; the whole text when it has no more than n.
std::string graphemePrefix(std::string_view text, std::size_t n);
std::string graphemeSuffix(std::string_view text, std::size_t n);

std::size_t utf16Length(std::string_view text);
// The text with the UTF-16 range [location, location + length) replaced; no result when the
// range reaches past the end or starts or ends inside a surrogate pair.
std::optional<std::string> replacingUtf16Range(std::string_view text, std::size_t location,
                                               std::size_t length, std::string_view replacement);

}  // namespace kassio::platform
