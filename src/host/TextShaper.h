#pragma once

#include <pango/pangocairo.h>

#include <memory>
#include <optional>
#include <string>
#include <unordered_map>

#include "host/FontCatalog.h"
#include "kassio/platform/ui/AttributedString.h"
#include "kassio/platform/ui/Geometry.h"
#include "kassio/platform/ui/Label.h"

namespace kassio::host {

// What a piece of text on an element is set with: the element's font, colour and alignment,
// and its styled runs when it has them (a run's unset attributes take the element's).
struct TextSpec {
  std::string text;  // used when there are no runs
  const platform::AttributedString* runs = nullptr;
  platform::Font font = FontCatalog::defaultFont();
  platform::Color color = platform::Color::black();
  platform::TextAlignment alignment = platform::TextAlignment::natural;
  int lines = 1;  // 0: as many as the width needs
};

// Text set and measured once, drawn as often as needed. Sizes are in points.
class TextBlock {
 public:
  // Takes the reference; `color` is that of the text outside coloured runs.
  TextBlock(PangoLayout* layout, platform::Color color);
  ~TextBlock();
  TextBlock(const TextBlock&) = delete;
  TextBlock& operator=(const TextBlock&) = delete;

  PangoLayout* layout() const { return layout_; }
  const platform::Size& size() const { return size_; }
  const platform::Color& color() const { return color_; }
  // Draws the text with its top left corner at the current point.
  void draw(cairo_t* cr) const;

 private:
  PangoLayout* layout_;
  platform::Size size_;
  platform::Color color_;
};

// Sets text with pango on a font map of its own, in a scale-free space (no hinting, unrounded
// glyph positions), so a layout measured once draws the same at any scale. Shaped text is kept
// for reuse, as a screen drawn frame after frame mostly shows the texts it showed before.
class TextShaper {
 public:
  TextShaper();
  ~TextShaper();
  TextShaper(const TextShaper&) = delete;
  TextShaper& operator=(const TextShaper&) = delete;

  // The text broken to `width` points (no width: each paragraph on one line). One-line text
  // that does not fit ends in an ellipsis. Empty text gives null.
  std::shared_ptr<const TextBlock> shape(const TextSpec& textSpec, std::optional<double> width);

  FontCatalog& fonts() { return *fonts_; }

 private:
  PangoLayout* build(const TextSpec& textSpec, std::optional<double> width);

  PangoFontMap* fontMap_;
  PangoContext* context_;
  std::unique_ptr<FontCatalog> fonts_;
  // Two generations: a full young one becomes the old one, so texts in use stay while those
  // not seen for a while go.
  std::unordered_map<std::string, std::shared_ptr<const TextBlock>> young_, old_;
};

}  // namespace kassio::host
