#include "kassio/platform/text/UnicodeText.h"

#include <algorithm>
#include <memory>
#include <vector>

#include <unicode/bytestream.h>
#include <unicode/normalizer2.h>

#include <unicode/brkiter.h>
#include <unicode/locid.h>
#include <unicode/unistr.h>
#include <unicode/utext.h>

namespace kassio::platform {

namespace {

icu::UnicodeString utf16(std::string_view text) {
  return icu::UnicodeString::fromUTF8(icu::StringPiece(text.data(), text.size()));
}

std::string utf8(const icu::UnicodeString& text) {
  std::string result;
  return text.toUTF8String(result);
}

// Byte offsets of the grapheme-cluster boundaries, 0 and text.size() included. Breaking the
// UTF-8 text in place keeps the offsets in bytes, so no conversion is needed to cut it.
std::vector<std::size_t> graphemeBoundaries(std::string_view text) {
  std::vector<std::size_t> boundaries{0};
  if (text.empty()) return boundaries;
  UErrorCode status = U_ZERO_ERROR;
  icu::LocalUTextPointer utext(
      utext_openUTF8(nullptr, text.data(), static_cast<int64_t>(text.size()), &status));
  const std::unique_ptr<icu::BreakIterator> iterator(
      icu::BreakIterator::createCharacterInstance(icu::Locale::getRoot(), status));
  if (U_SUCCESS(status)) iterator->setText(utext.getAlias(), status);
  if (U_FAILURE(status)) {
    boundaries.push_back(text.size());  // without break rules the text stays whole
    return boundaries;
  }
  for (int32_t at = iterator->next(); at != icu::BreakIterator::DONE; at = iterator->next()) {
    boundaries.push_back(static_cast<std::size_t>(at));
  }
  return boundaries;
}

bool splitsSurrogatePair(const icu::UnicodeString& text, std::size_t index) {
  const auto at = static_cast<int32_t>(index);
  return at > 0 && at < text.length() && U16_IS_LEAD(text.charAt(at - 1)) &&
         U16_IS_TRAIL(text.charAt(at));
}

}  // namespace

std::string canonical(std::string_view text) {
  if (std::all_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; })) {
    return std::string(text);  // ASCII is its own normal form
  }
  UErrorCode status = U_ZERO_ERROR;
  const icu::Normalizer2* nfc = icu::Normalizer2::getNFCInstance(status);
  std::string result;
  if (U_SUCCESS(status)) {
    icu::StringByteSink<std::string> sink(&result);
    nfc->normalizeUTF8(0, icu::StringPiece(text.data(), text.size()), sink, nullptr, status);
  }
  return U_SUCCESS(status) ? result : std::string(text);
}

std::string lowercased(std::string_view text) {
  icu::UnicodeString result = utf16(text);
  return utf8(result.toLower(icu::Locale::getRoot()));
}

std::size_t graphemeCount(std::string_view text) { return graphemeBoundaries(text).size() - 1; }

std::string graphemePrefix(std::string_view text, std::size_t n) {
  const auto boundaries = graphemeBoundaries(text);
  if (n >= boundaries.size() - 1) return std::string(text);
  return std::string(text.substr(0, boundaries[n]));
}

std::string graphemeSuffix(std::string_view text, std::size_t n) {
  const auto boundaries = graphemeBoundaries(text);
  const std::size_t count = boundaries.size() - 1;
  if (n >= count) return std::string(text);
  return std::string(text.substr(boundaries[count - n]));
}

std::size_t utf16Length(std::string_view text) {
  return static_cast<std::size_t>(utf16(text).length());
}

std::optional<std::string> replacingUtf16Range(std::string_view text, std::size_t location,
                                               std::size_t length, std::string_view replacement) {
  icu::UnicodeString units = utf16(text);
  const auto size = static_cast<std::size_t>(units.length());
  if (location > size || length > size - location) return std::nullopt;
  if (splitsSurrogatePair(units, location) || splitsSurrogatePair(units, location + length)) {
    return std::nullopt;
  }
  units.replace(static_cast<int32_t>(location), static_cast<int32_t>(length), utf16(replacement));
  return utf8(units);
}

}  // namespace kassio::platform
