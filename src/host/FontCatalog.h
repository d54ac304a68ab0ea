#pragma once

#include <pango/pango.h>

#include <map>
#include <set>
#include <string>
#include <utility>

#include "kassio/platform/ui/Font.h"

namespace kassio::host {

// Turns the module's font names ("Lato-Bold", "Inter-SemiBold", "OpenSans-Regular") into faces
// of the installed families. A family that is not installed gives the system font of the same
// size, as the screens expect of a missing font.
class FontCatalog {
 public:
  struct Face {
    std::string family;  // "Lato", "Inter", "Open Sans"
    int weight = 400;    // CSS weight, 100 to 900
    bool italic = false;
  };

  // The face a name asks for, without looking at what is installed.
  static Face face(const std::string& fontName);
  // The font labels and fields use when they set none.
  static platform::Font defaultFont() { return platform::Font::systemFont(17); }

  explicit FontCatalog(PangoFontMap* fontMap);
  ~FontCatalog();
  FontCatalog(const FontCatalog&) = delete;
  FontCatalog& operator=(const FontCatalog&) = delete;

  // The installed face for the font, owned by the catalogue; sizes are absolute, in points.
  const PangoFontDescription* description(const platform::Font& font);
  bool isInstalled(const std::string& family) const { return families_.count(family) > 0; }

 private:
  std::set<std::string> families_;
  std::map<std::pair<std::string, double>, PangoFontDescription*> descriptions_;
};

}  // namespace kassio::host
