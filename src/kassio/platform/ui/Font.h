#pragma once

#include <string>

namespace kassio::platform {

// A font by its PostScript-style name ("Lato-Bold") and point size.
struct Font {
  std::string name;
  double size = 0;

  // "Lato-Bold 16", "Inter-Regular 12.5".
  std::string description() const;
  static Font systemFont(double size) { return {"Inter-Regular", size}; }
  bool operator==(const Font&) const = default;
};

}  // namespace kassio::platform
