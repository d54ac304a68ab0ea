#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace kassio::platform {

class RandomSource;

// A 128-bit universally unique identifier.
class Uuid {
 public:
  using Bytes = std::array<std::uint8_t, 16>;

  explicit Uuid(const Bytes& bytes) : bytes_(bytes) {}

  // A random (version 4) identifier from Platform::current().random when the host installed
  // one, so seeded runs repeat; otherwise from a freshly seeded source.
  static Uuid random();
  static Uuid random(RandomSource& source);
  // A version 4 identifier from 16 random bytes, whose version and variant bits it overwrites.
  static Uuid version4(Bytes randomBytes);
  // Canonical 8-4-4-4-12 hexadecimal text, in upper, lower or mixed case; nothing else.
  static std::optional<Uuid> parse(std::string_view text);

  const Bytes& bytes() const { return bytes_; }
  // Canonical text in upper case, e.g. "E621E1F8-C36C-495A-93FC-0C247A3E6E5F".
  std::string uuidString() const;

  bool operator==(const Uuid&) const = default;

 private:
  Bytes bytes_;
};

}  // namespace kassio::platform
