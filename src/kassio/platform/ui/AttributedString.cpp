#include "kassio/platform/ui/AttributedString.h"

namespace kassio::platform {

std::string AttributedString::string() const {
  std::string text;
  for (const auto& run : runs) text += run.text;
  return text;
}

}  // namespace kassio::platform
