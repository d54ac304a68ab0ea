#include "kassio/entry/TextCase.h"

#include <algorithm>

#include "kassio/platform/text/UnicodeText.h"

namespace kassio {

namespace {

bool isAscii(std::string_view text) {
  return std::all_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

char asciiLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

}  // namespace

std::string lowercasedText(std::string_view text) {
  if (!isAscii(text)) return platform::lowercased(text);
  std::string result(text);
  std::transform(result.begin(), result.end(), result.begin(), asciiLower);
  return result;
}

bool equalsLowercased(std::string_view text, std::string_view lowerWord) {
  if (!isAscii(text)) return platform::lowercased(text) == lowerWord;
  return text.size() == lowerWord.size() &&
         std::equal(text.begin(), text.end(), lowerWord.begin(), [](char a, char b) { return asciiLower(a) == b; });
}

}  // namespace kassio
