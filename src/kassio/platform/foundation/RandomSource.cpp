#include "kassio/platform/foundation/RandomSource.h"

namespace kassio::platform {

std::uint64_t RandomSource::next() { return engine_(); }

double RandomSource::unit() {
  // The top 53 bits fill a double's mantissa exactly, so every value is equally likely and 1 is
  // never reached.
  return static_cast<double>(next() >> 11) * 0x1.0p-53;
}

}  // namespace kassio::platform
