#include "kassio/platform/ui/Font.h"

#include <sstream>

namespace kassio::platform {

std::string Font::description() const {
  std::ostringstream out;
  out << name << ' ' << size;  // default stream formatting drops a trailing ".0"
  return out.str();
}

}  // namespace kassio::platform
