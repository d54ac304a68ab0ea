#pragma once

#include <string>
#include <string_view>

namespace kassio {

// Unicode lower-casing as platform::lowercased gives it, without the ICU round trip for ASCII
// text: terminal lists are ASCII, and the terminal rules lower-case several words of every one
// of tens of thousands of entries.
std::string lowercasedText(std::string_view text);

// lowercasedText(text) == lowerWord, without building the lower-cased text for ASCII input.
bool equalsLowercased(std::string_view text, std::string_view lowerWord);

}  // namespace kassio
