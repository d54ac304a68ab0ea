#pragma once

#include <string_view>

// Checks on texts that the module exports for the host; the module itself does not use them.
namespace kassio {

// At least one character.
bool isntEmpty(std::string_view text);
// The whole text is an e-mail address: [A-Z0-9a-z._%+-]+@[A-Za-z0-9.-]+\.[A-Za-z]{2,64}
bool isValidEmail(std::string_view text);
// The whole text is an Indian mobile number: ^[6-9][0-9]{9}$
bool isValidPhone(std::string_view text);
// The first character (grapheme cluster) is one of the digits an Indian mobile number starts
// with, 6 to 9: the one place that rule lives, for the entry screens' checks as well.
bool startsLikeMobileNumber(std::string_view text);
// Nothing but "+" and the digits 0 to 9 (the empty text too).
bool isPhoneNumber(std::string_view text);

}  // namespace kassio
