#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace kassio::platform {

// Standard alphabet (A-Z a-z 0-9 + /), padded with "=" to a multiple of four characters.
std::string base64Encode(std::span<const std::uint8_t> bytes);

// Characters outside the alphabet and "=" (line breaks, blanks, anything else) are skipped. What
// remains must be whole groups of four, with "=" only as the last one or two characters of the
// text; otherwise no result. Unpadded text is refused, as the platform's decoder refuses it.
std::optional<std::vector<std::uint8_t>> base64Decode(std::string_view text);

}  // namespace kassio::platform
