#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace kassio::sandbox {

// The text as a QR code (byte mode, error correction level M) in a grey-scale PNG: black modules
// of `moduleSize` pixels on white, inside the four-module quiet zone that scanners need. None
// when the text is too long for a QR code or encoding fails.
std::optional<std::vector<std::uint8_t>> qrCodePng(std::string_view text, int moduleSize = 8);

}  // namespace kassio::sandbox
