#include "kassio/platform/ui/Font.h"

#include <locale>
#include <sstream>

namespace kassio::platform {

std::string Font::description() const {
  std::ostringstream out;
  out.imbue(std::locale::classic());  // "12.5" whatever the process locale
  out << name << ' ' << size;  // default stream formatting drops a trailing ".0"
  return out.str();
}

}  // namespace kassio::platform
