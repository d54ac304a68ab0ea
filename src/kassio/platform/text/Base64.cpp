#include "kassio/platform/text/Base64.h"

#include <algorithm>
#include <array>

namespace kassio::platform {

namespace {

constexpr std::string_view alphabet =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
constexpr std::uint8_t notInAlphabet = 0xFF;

constexpr std::array<std::uint8_t, 256> decodingTable() {
  std::array<std::uint8_t, 256> table{};
  table.fill(notInAlphabet);
  for (std::size_t i = 0; i < alphabet.size(); ++i) {
    table[static_cast<unsigned char>(alphabet[i])] = static_cast<std::uint8_t>(i);
  }
  return table;
}

constexpr auto sextets = decodingTable();

}  // namespace

std::string base64Encode(std::span<const std::uint8_t> bytes) {
  std::string text;
  text.reserve((bytes.size() + 2) / 3 * 4);
  for (std::size_t i = 0; i < bytes.size(); i += 3) {
    const std::size_t count = std::min<std::size_t>(3, bytes.size() - i);
    std::uint32_t group = std::uint32_t{bytes[i]} << 16;
    if (count > 1) group |= std::uint32_t{bytes[i + 1]} << 8;
    if (count > 2) group |= bytes[i + 2];
    text += alphabet[(group >> 18) & 0x3F];
    text += alphabet[(group >> 12) & 0x3F];
    text += count > 1 ? alphabet[(group >> 6) & 0x3F] : '=';
    text += count > 2 ? alphabet[group & 0x3F] : '=';
  }
  return text;
}

std::optional<std::vector<std::uint8_t>> base64Decode(std::string_view text) {
  std::vector<std::uint8_t> bytes;
  bytes.reserve(text.size() / 4 * 3);
  std::uint32_t group = 0;
  std::size_t inGroup = 0;  // sextets collected in the current group of four
  std::size_t padding = 0;
  for (const char c : text) {
    if (c == '=') {
      ++padding;
      continue;
    }
    const std::uint8_t value = sextets[static_cast<unsigned char>(c)];
    if (value == notInAlphabet) continue;
    if (padding > 0) return std::nullopt;  // data after the padding
    group = (group << 6) | value;
    if (++inGroup == 4) {
      bytes.push_back(static_cast<std::uint8_t>(group >> 16));
      bytes.push_back(static_cast<std::uint8_t>(group >> 8));
      bytes.push_back(static_cast<std::uint8_t>(group));
      group = 0;
      inGroup = 0;
    }
  }
  // A last group of two sextets carries one byte and needs "==", one of three carries two and
  // needs "="; a full last group takes no padding.
  if (inGroup == 0 && padding == 0) return bytes;
  if (inGroup == 2 && padding == 2) {
    bytes.push_back(static_cast<std::uint8_t>(group >> 4));
    return bytes;
  }
  if (inGroup == 3 && padding == 1) {
    bytes.push_back(static_cast<std::uint8_t>(group >> 10));
    bytes.push_back(static_cast<std::uint8_t>(group >> 2));
    return bytes;
  }
  return std::nullopt;
}

}  // namespace kassio::platform
