#include "kassio/platform/text/Uuid.h"

#include <random>

#include "kassio/platform/foundation/Platform.h"
#include "kassio/platform/foundation/RandomSource.h"

namespace kassio::platform {

namespace {

constexpr std::string_view hexDigits = "0123456789ABCDEF";
constexpr std::size_t textLength = 36;

bool isHyphenPosition(std::size_t i) { return i == 8 || i == 13 || i == 18 || i == 23; }

std::optional<std::uint8_t> hexValue(char c) {
  if (c >= '0' && c <= '9') return static_cast<std::uint8_t>(c - '0');
  if (c >= 'A' && c <= 'F') return static_cast<std::uint8_t>(c - 'A' + 10);
  if (c >= 'a' && c <= 'f') return static_cast<std::uint8_t>(c - 'a' + 10);
  return std::nullopt;
}

}  // namespace

Uuid Uuid::random() {
  if (const auto& installed = Platform::current().random) return random(*installed);
  std::random_device device;
  RandomSource source((std::uint64_t{device()} << 32) | device());
  return random(source);
}

Uuid Uuid::random(RandomSource& source) {
  Bytes bytes{};
  for (std::size_t half = 0; half < 2; ++half) {
    std::uint64_t word = source.next();
    for (std::size_t i = 0; i < 8; ++i, word >>= 8) {
      bytes[half * 8 + i] = static_cast<std::uint8_t>(word);
    }
  }
  return version4(bytes);
}

Uuid Uuid::version4(Bytes bytes) {
  bytes[6] = static_cast<std::uint8_t>((bytes[6] & 0x0F) | 0x40);  // version 4
  bytes[8] = static_cast<std::uint8_t>((bytes[8] & 0x3F) | 0x80);  // RFC 4122 variant
  return Uuid(bytes);
}

std::optional<Uuid> Uuid::parse(std::string_view text) {
  if (text.size() != textLength) return std::nullopt;
  Bytes bytes{};
  std::size_t nibble = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (isHyphenPosition(i)) {
      if (text[i] != '-') return std::nullopt;
      continue;
    }
    const auto value = hexValue(text[i]);
    if (!value) return std::nullopt;
    bytes[nibble / 2] = static_cast<std::uint8_t>((bytes[nibble / 2] << 4) | *value);
    ++nibble;
  }
  return Uuid(bytes);
}

std::string Uuid::uuidString() const {
  std::string text;
  text.reserve(textLength);
  for (std::size_t i = 0; i < bytes_.size(); ++i) {
    if (i == 4 || i == 6 || i == 8 || i == 10) text += '-';
    text += hexDigits[bytes_[i] >> 4];
    text += hexDigits[bytes_[i] & 0x0F];
  }
  return text;
}

}  // namespace kassio::platform
