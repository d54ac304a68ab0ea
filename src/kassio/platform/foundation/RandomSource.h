#pragma once

#include <cstdint>
#include <random>

namespace kassio::platform {

// The module's source of randomness (identifiers, jitter). A host installs a seeded one so that
// runs repeat exactly; the same seed always gives the same sequence.
class RandomSource {
 public:
  explicit RandomSource(std::uint64_t seed) : engine_(seed) {}

  std::uint64_t next();
  // Uniform in [0, 1).
  double unit();

 private:
  std::mt19937_64 engine_;
};

}  // namespace kassio::platform
